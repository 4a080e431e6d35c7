#include "PreparedStatement.h"

#include "db/Database.h"
#include "db/DbDate.h"
#include "db/DbException.h"
#include "db/RowCursor.h"

#include <QSqlError>

PreparedStatement::PreparedStatement(Database &db, const QString &sql) : m_query(db.connection())
{
    m_query.setForwardOnly(true);
    if (!m_query.prepare(sql))
        fail();
}

QSqlQuery &PreparedStatement::exec(const QVariantList &values)
{
    m_query.finish();
    for (int i = 0; i < values.size(); ++i)
        m_query.bindValue(i, DbDate::toStored(values.at(i)));
    if (!m_query.exec())
        fail();
    return m_query;
}

QVariant PreparedStatement::scalar(const QVariantList &values)
{
    QSqlQuery &query = exec(values);
    const QVariant value = RowCursor(query).next() ? query.value(0) : QVariant();
    query.finish();
    return value;
}

qint64 PreparedStatement::insert(const QVariantList &values)
{
    return exec(values).lastInsertId().toLongLong();
}

void PreparedStatement::fail() const
{
    throw DbException::fromError(m_query.lastError(), true);
}
