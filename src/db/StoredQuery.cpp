#include "StoredQuery.h"

#include "Database.h"
#include "DbException.h"
#include "SqlText.h"

namespace {

QString storedSql(Database &db, const QString &name)
{
    const QVariant sql =
        db.scalar(QStringLiteral("SELECT Sql FROM QueryDefs WHERE Name = ?"), {name});
    if (!sql.isValid())
        throw DbException(
            QStringLiteral("The query '%1' does not exist in the database.").arg(name));
    return sql.toString();
}

} // namespace

StoredQuery::StoredQuery(Database &db, const QString &name) : RecordSet(db, QString()), m_name(name)
{
    const QString sql = storedSql(db, name);
    m_sql = sql;
    setSource(sql);
    m_parameterNames = SqlText::namedParameters(sql);
}

void StoredQuery::setParameter(const QString &name, const QVariant &value)
{
    if (!m_parameterNames.contains(name))
        throw DbException(QStringLiteral("The query '%1' has no parameter %2.").arg(m_name, name));
    RecordSet::setParameter(name, value);
}

std::unique_ptr<ForwardCursor> StoredQuery::openCursor()
{
    return std::make_unique<ForwardCursor>(database(), m_sql, QVariantList(), parameters());
}

QStringList StoredQuery::parameterNamesIn(const QString &sql)
{
    return SqlText::namedParameters(sql);
}
