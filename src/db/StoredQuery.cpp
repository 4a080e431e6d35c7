#include "StoredQuery.h"

#include "BuiltInQueries.h"
#include "Database.h"
#include "DbException.h"
#include "SqlText.h"

#include <sqlite3.h>

namespace {

QString builtInSql(const QString &name)
{
    const QString sql = BuiltInQueries::sql(name);
    if (sql.isNull())
        throw DbException(
            StoredQuery::tr("The program has no list or print query named '%1'.").arg(name));
    return sql;
}

// Finalizes the statement on every path.
struct Statement
{
    sqlite3_stmt *handle = nullptr;
    ~Statement() { sqlite3_finalize(handle); }
};

} // namespace

StoredQuery::StoredQuery(Database &db, const QString &name) : RecordSet(db, QString()), m_name(name)
{
    m_sql = builtInSql(name);
    requireReadOnly(db, name, m_sql);
    setSource(m_sql);
    m_parameterNames = SqlText::namedParameters(m_sql);
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

void StoredQuery::requireReadOnly(Database &db, const QString &name, const QString &sql)
{
    // Every parameter as a placeholder: the engine judges the statement, not its values.
    QVariantMap named;
    for (const QString &parameter : SqlText::namedParameters(sql))
        named.insert(parameter, QVariant());
    const QByteArray text = SqlText::bind(sql, {}, named).sql.toUtf8();
    sqlite3 *engine = db.engine();
    Statement statement;
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(engine, text.constData(), int(text.size()), &statement.handle, &tail) !=
        SQLITE_OK)
        throw DbException(tr("The query '%1' cannot be run: %2")
                              .arg(name, QString::fromUtf8(sqlite3_errmsg(engine))),
                          DbException::kindOf(sqlite3_extended_errcode(engine), true));
    // What follows the statement may be comments, never a second statement.
    Statement next;
    const bool oneStatement =
        sqlite3_prepare_v2(engine, tail, -1, &next.handle, nullptr) == SQLITE_OK && !next.handle;
    // A list gives rows: a statement without columns (ATTACH, BEGIN) is no list even though
    // the engine counts it as reading.
    if (!statement.handle || !oneStatement || !sqlite3_stmt_readonly(statement.handle) ||
        sqlite3_column_count(statement.handle) == 0)
        throw DbException(
            tr("The query '%1' was refused: a list may only read the database.").arg(name));
}
