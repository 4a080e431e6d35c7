#include "DbException.h"

#include <QSqlError>

DbException::DbException(QString message)
    : m_message(std::move(message)), m_utf8(m_message.toUtf8())
{
}

DbException DbException::fromError(const QSqlError &error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return DbException(text.isEmpty() ? QStringLiteral("Unknown database error") : text);
}
