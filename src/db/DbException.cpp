#include "DbException.h"

#include <QSqlError>
#include <sqlite3.h>

DbException::DbException(QString message, DbErrorKind kind)
    : m_message(std::move(message)), m_utf8(m_message.toUtf8()), m_kind(kind)
{
}

DbErrorKind DbException::kindOf(int engineCode, bool afterOpen)
{
    // Extended codes carry the primary code in their low byte.
    switch (engineCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DbErrorKind::Busy;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return DbErrorKind::Damaged;
    case SQLITE_READONLY:
        return DbErrorKind::ReadOnly;
    case SQLITE_CANTOPEN:
        return afterOpen ? DbErrorKind::ReadOnly : DbErrorKind::Other;
    case SQLITE_FULL:
        return DbErrorKind::DiskFull;
    default:
        return DbErrorKind::Other;
    }
}

DbException DbException::fromError(const QSqlError &error, bool afterOpen)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber);
    return DbException(text.isEmpty() ? QStringLiteral("Unknown database error") : text,
                       isNumber ? kindOf(code, afterOpen) : DbErrorKind::Other);
}
