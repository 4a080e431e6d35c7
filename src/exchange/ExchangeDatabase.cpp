#include "ExchangeDatabase.h"

#include "base/InstallPaths.h"
#include "base/SettingsKeys.h"
#include "db/BuiltInQueries.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "db/RowCursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

namespace {

QString bracketed(const QString &name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

// Detaches on every path, so a failed copy leaves the connection as it was.
class Attachment
{
public:
    Attachment(Database &db, const QString &path, const QString &alias) : m_db(db), m_alias(alias)
    {
        // The engine would make an empty database of a missing file.
        if (!QFileInfo(path).isFile())
            throw DbException(QStringLiteral("Could not find file '%1'.").arg(path));
        m_db.execute(QStringLiteral("ATTACH DATABASE ? AS %1").arg(alias), {path});
    }
    ~Attachment()
    {
        try {
            m_db.execute(QStringLiteral("DETACH DATABASE %1").arg(m_alias));
        } catch (...) {
            // The connection is closed right after; nothing else can be done here.
        }
    }
    Attachment(const Attachment &) = delete;
    Attachment &operator=(const Attachment &) = delete;

private:
    Database &m_db;
    QString m_alias;
};

QStringList columnsOf(Database &db, const QString &schema, const QString &table)
{
    QStringList names;
    QSqlQuery query =
        db.execute(QStringLiteral("SELECT name FROM pragma_table_info(?, ?)"), {table, schema});
    RowCursor rows(query);
    while (rows.next())
        names << bracketed(query.value(0).toString());
    return names;
}

} // namespace

QString ExchangeDatabase::installedTemplatePath()
{
    const QStringList folders{QCoreApplication::applicationDirPath(),
                              SettingsKeys::Directory.read()};
    for (const QString &folder : folders) {
        if (folder.isEmpty())
            continue;
        const QString path = InstallPaths::templateDatabasePath(QDir::fromNativeSeparators(folder));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

void ExchangeDatabase::create(const QString &path, const QString &schemaSource)
{
    Database::create(path);
    Database db;
    db.open(path);
    Attachment schema(db, schemaSource, QStringLiteral("schema"));
    QStringList statements;
    QSqlQuery query = db.execute(
        QStringLiteral("SELECT sql FROM schema.sqlite_master WHERE type IN ('table', 'index') "
                       "AND sql IS NOT NULL AND name NOT LIKE 'sqlite%' "
                       "ORDER BY CASE type WHEN 'table' THEN 0 ELSE 1 END, rowid"));
    RowCursor rows(query);
    while (rows.next())
        statements << query.value(0).toString();
    query.finish();
    Transaction transaction(db);
    for (const QString &statement : statements)
        db.execute(statement);
    // Other installations read the queries from the file: it carries the program's own.
    if (db.tableExists(QStringLiteral("QueryDefs")))
        for (const BuiltInQueries::Query &stored : BuiltInQueries::all())
            db.execute(QStringLiteral("INSERT INTO main.QueryDefs (Name, Sql) VALUES (?, ?)"),
                       {stored.name, stored.sql});
    transaction.commit();
}

void ExchangeDatabase::copyTables(Database &target, const QString &workingPath,
                                  const QList<TableCopy> &tables)
{
    Attachment work(target, workingPath, QStringLiteral("work"));
    Transaction transaction(target);
    for (const TableCopy &copy : tables) {
        const QString table = bracketed(copy.table);
        const QStringList columns = columnsOf(target, QStringLiteral("work"), copy.table);
        // Without columns the table is missing: let the engine say so in its own words.
        const QString list = columns.join(QStringLiteral(", "));
        QString sql = columns.isEmpty()
                          ? QStringLiteral("INSERT INTO main.%1 SELECT * FROM work.%1").arg(table)
                          : QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM work.%1")
                                .arg(table, list);
        if (!copy.condition.isEmpty())
            sql += QStringLiteral(" WHERE ") + copy.condition;
        target.execute(sql, copy.values);
    }
    transaction.commit();
}
