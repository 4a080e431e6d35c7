#pragma once

#include <QString>
#include <exception>

class QSqlError;

// Every failure of the database engine, carrying the engine's own message text.
class DbException : public std::exception
{
public:
    explicit DbException(QString message);
    // The engine's own text of a failed statement.
    static DbException fromError(const QSqlError &error);

    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
