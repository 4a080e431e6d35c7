#include "ForwardCursor.h"

#include "Database.h"
#include "DbException.h"

#include <QMultiHash>
#include <QMutex>
#include <QSqlError>
#include <QSqlRecord>

namespace {

// The open cursors of each database. A database and its cursors stay on one thread, but
// databases on other threads share the table.
QMutex cursorsLock;

QMultiHash<const Database *, ForwardCursor *> &openCursors()
{
    static QMultiHash<const Database *, ForwardCursor *> cursors;
    return cursors;
}

} // namespace

ForwardCursor::ForwardCursor(Database &db, const QString &sql, const QVariantList &params,
                             const QVariantMap &named)
    : m_db(&db), m_query(db.execute(sql, params, named))
{
    m_columns = m_query.record().count();
    m_open = true;
    {
        const QMutexLocker locker(&cursorsLock);
        openCursors().insert(&db, this);
    }
    moveNext();
}

ForwardCursor::~ForwardCursor()
{
    close();
}

void ForwardCursor::moveNext()
{
    if (!m_open)
        throw DbException(QStringLiteral("The cursor is past its last row."));
    if (m_query.next())
        return;
    const QSqlError error = m_query.lastError();
    close();
    if (error.isValid())
        throw DbException::fromError(error);
}

void ForwardCursor::close()
{
    if (!m_open)
        return;
    m_open = false;
    // Letting go of the result ends the statement and its read.
    m_query = QSqlQuery();
    const QMutexLocker locker(&cursorsLock);
    openCursors().remove(m_db, this);
}

QVariant ForwardCursor::value(int position) const
{
    if (!m_open)
        throw DbException(QStringLiteral("The cursor is past its last row."));
    if (position < 0 || position >= m_columns)
        throw DbException(QStringLiteral("The cursor has no column %1.").arg(position));
    const QVariant stored = m_query.value(position);
    return stored.isNull() ? QVariant() : stored;
}

bool ForwardCursor::isNull(int position) const
{
    return !value(position).isValid();
}

void ForwardCursor::closeAll(const Database &db)
{
    QList<ForwardCursor *> cursors;
    {
        const QMutexLocker locker(&cursorsLock);
        cursors = openCursors().values(&db);
    }
    for (ForwardCursor *cursor : cursors)
        cursor->close();
}
