#include "SchemaUpgrade.h"

#include "Database.h"

const QString SchemaUpgrade::ItemsTable = QStringLiteral("Articoli");
const QString SchemaUpgrade::AuthorisationColumn = QStringLiteral("NumeroRegistrazione");
const QString SchemaUpgrade::CentresTable = QStringLiteral("Centri");
const QString SchemaUpgrade::EppoColumn = QStringLiteral("CodiceEPPO");

namespace {

struct AddedColumn
{
    const QString &table;
    const QString &column;
};

const AddedColumn Version1Columns[] = {
    {SchemaUpgrade::ItemsTable, SchemaUpgrade::AuthorisationColumn},
    {SchemaUpgrade::CentresTable, SchemaUpgrade::EppoColumn},
};

} // namespace

int SchemaUpgrade::version(Database &db)
{
    return db.scalar(QStringLiteral("PRAGMA user_version")).toInt();
}

bool SchemaUpgrade::hasColumn(Database &db, const QString &table, const QString &column)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM pragma_table_info(?) WHERE name = ? "
                                    "COLLATE NOCASE"),
                     {table, column})
               .toInt() > 0;
}

QString SchemaUpgrade::columnOrNull(Database &db, const QString &table, const QString &column,
                                    const QString &alias)
{
    if (!hasColumn(db, table, column))
        return QStringLiteral("NULL");
    return alias.isEmpty() ? QStringLiteral("[%1]").arg(column)
                           : QStringLiteral("%1.[%2]").arg(alias, column);
}

bool SchemaUpgrade::upgrade(Database &db)
{
    if (db.isReadOnly())
        return false;
    // A file already at this version, or written by a newer installation, is left alone.
    if (version(db) >= CurrentVersion)
        return false;
    Transaction transaction(db);
    for (const AddedColumn &added : Version1Columns) {
        // An archive holds only some of the tables; it gains the columns of those it has.
        if (db.tableExists(added.table) && !hasColumn(db, added.table, added.column))
            db.execute(QStringLiteral("ALTER TABLE [%1] ADD COLUMN [%2] TEXT")
                           .arg(added.table, added.column));
    }
    db.execute(QStringLiteral("PRAGMA user_version = %1").arg(CurrentVersion));
    transaction.commit();
    return true;
}
