#pragma once

#include <QString>
#include <exception>

class QSqlError;

// What went wrong, as far as the user can act on it: wait for another program, restore a
// backup, write elsewhere, free disk space, or none of these.
enum class DbErrorKind { Busy, Damaged, ReadOnly, DiskFull, Other };

// Every failure of the database engine, carrying the engine's own message text and its kind.
class DbException : public std::exception
{
public:
    explicit DbException(QString message, DbErrorKind kind = DbErrorKind::Other);
    // The engine's own text of a failed statement, of the kind its result code names.
    // afterOpen: the file itself was open, so an engine that "cannot open" failed to create the
    // journal of a write beside it (a folder that cannot be written).
    static DbException fromError(const QSqlError &error, bool afterOpen = false);
    // The kind of an engine result code, primary or extended.
    static DbErrorKind kindOf(int engineCode, bool afterOpen = false);

    const QString &message() const { return m_message; }
    DbErrorKind kind() const { return m_kind; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
    DbErrorKind m_kind;
};
