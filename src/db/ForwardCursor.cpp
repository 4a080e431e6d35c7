#include "ForwardCursor.h"

#include "Database.h"
#include "DbException.h"

#include <QMultiHash>
#include <QMutex>
#include <QScopedValueRollback>
#include <QSqlError>
#include <QSqlRecord>
#include <QThread>

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
    : m_db(&db), m_thread(QThread::currentThread()), m_query(db.execute(sql, params, named))
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
    const QScopedValueRollback<bool> stepping(m_stepping, true);
    if (m_released) {
        resume();
        if (!m_open)
            return;
    }
    if (m_query.next()) {
        ++m_rowsRead;
        return;
    }
    const QSqlError error = m_query.lastError();
    close();
    if (error.isValid())
        throw DbException::fromError(error, true);
}

void ForwardCursor::release()
{
    if (!m_open || m_released || m_stepping)
        return;
    m_current.clear();
    for (int column = 0; column < m_columns; ++column)
        m_current << m_query.value(column);
    // Resetting the statement ends its read; its text and values stay bound for the next run.
    m_query.finish();
    m_released = true;
}

void ForwardCursor::resume()
{
    m_released = false;
    m_current.clear();
    bool ran = m_query.exec();
    for (qint64 row = 0; ran && row < m_rowsRead; ++row)
        ran = m_query.next();
    if (ran)
        return;
    // Rows taken away since end the list with what was read; a failure ends it with the reason.
    const QSqlError error = m_query.lastError();
    close();
    if (error.isValid())
        throw DbException::fromError(error, true);
}

void ForwardCursor::close()
{
    if (!m_open)
        return;
    m_open = false;
    m_released = false;
    m_current.clear();
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
    const QVariant stored = m_released ? m_current.at(position) : m_query.value(position);
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

bool ForwardCursor::releaseIdle(const Database &writer)
{
    QList<ForwardCursor *> idle;
    {
        const QMutexLocker locker(&cursorsLock);
        QThread *const thread = QThread::currentThread();
        for (auto it = openCursors().cbegin(); it != openCursors().cend(); ++it) {
            ForwardCursor *cursor = it.value();
            if (it.key() != &writer && cursor->m_thread == thread && cursor->m_releasable &&
                !cursor->m_released && !cursor->m_stepping)
                idle << cursor;
        }
    }
    for (ForwardCursor *cursor : idle)
        cursor->release();
    return !idle.isEmpty();
}
