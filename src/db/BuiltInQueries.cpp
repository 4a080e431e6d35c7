#include "BuiltInQueries.h"

#include "BuiltInText.h"
#include "Database.h"
#include "DbException.h"
#include "RowCursor.h"

#include <QHash>

namespace {

const QString QueriesTable = QStringLiteral("QueryDefs");

QHash<QString, QString> storedQueries(Database &db)
{
    QHash<QString, QString> stored;
    QSqlQuery rows = db.execute(QStringLiteral("SELECT Name, Sql FROM QueryDefs"));
    RowCursor cursor(rows);
    while (cursor.next())
        stored.insert(rows.value(0).toString(), rows.value(1).toString());
    return stored;
}

bool holdsBuiltIn(const QHash<QString, QString> &stored)
{
    const QList<BuiltInQueries::Query> &queries = BuiltInQueries::all();
    if (stored.size() != queries.size())
        return false;
    for (const BuiltInQueries::Query &query : queries) {
        const auto it = stored.constFind(query.name);
        if (it == stored.cend() || *it != query.sql)
            return false;
    }
    return true;
}

QString queriesTableStatement()
{
    const QString start = QStringLiteral("CREATE TABLE ") + QueriesTable;
    for (const QString &statement : BuiltInQueries::schemaStatements())
        if (statement.simplified().startsWith(start, Qt::CaseInsensitive))
            return statement;
    throw DbException(QStringLiteral("The program's schema has no table %1.").arg(QueriesTable));
}

} // namespace

const QList<BuiltInQueries::Query> &BuiltInQueries::all()
{
    static const QList<Query> queries = [] {
        QList<Query> list;
        for (int i = 0; i < BuiltInText::QueryCount; ++i)
            list.append({QString::fromUtf8(BuiltInText::Queries[i].name),
                         QString::fromUtf8(BuiltInText::Queries[i].sql)});
        return list;
    }();
    return queries;
}

QString BuiltInQueries::sql(const QString &name)
{
    for (const Query &query : all())
        if (query.name == name)
            return query.sql;
    return {};
}

const QStringList &BuiltInQueries::schemaStatements()
{
    static const QStringList statements = [] {
        QStringList list;
        for (int i = 0; i < BuiltInText::SchemaStatementCount; ++i)
            list << QString::fromUtf8(BuiltInText::SchemaStatements[i]);
        return list;
    }();
    return statements;
}

bool BuiltInQueries::restore(Database &db)
{
    if (db.isReadOnly())
        return false;
    const bool exists = db.tableExists(QueriesTable);
    // Only a farm database gets the table; any other file is not the program's to change.
    if (!exists && !db.tableExists(QStringLiteral("Scheda")))
        return false;
    if (exists && holdsBuiltIn(storedQueries(db)))
        return false;
    Transaction transaction(db);
    if (exists)
        db.execute(QStringLiteral("DELETE FROM QueryDefs"));
    else
        db.execute(queriesTableStatement());
    for (const Query &query : all())
        db.execute(QStringLiteral("INSERT INTO QueryDefs (Name, Sql) VALUES (?, ?)"),
                   {query.name, query.sql});
    transaction.commit();
    return true;
}
