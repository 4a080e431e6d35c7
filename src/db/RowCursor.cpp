#include "RowCursor.h"

#include "DbException.h"

#include <QSqlError>
#include <QSqlQuery>

bool RowCursor::next()
{
    if (m_query.next())
        return true;
    if (m_query.lastError().isValid())
        throw DbException::fromError(m_query.lastError(), true);
    return false;
}
