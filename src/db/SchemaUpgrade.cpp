#include "SchemaUpgrade.h"

#include "BuiltInQueries.h"
#include "Database.h"
#include "MovementTexts.h"
#include "StockYearSums.h"
#include "TreatmentColumns.h"

#include <iterator>

const QString SchemaUpgrade::ItemsTable = QStringLiteral("Articoli");
const QString SchemaUpgrade::AuthorisationColumn = QStringLiteral("NumeroRegistrazione");
const QString SchemaUpgrade::CentresTable = QStringLiteral("Centri");
const QString SchemaUpgrade::EppoColumn = QStringLiteral("CodiceEPPO");
const QString SchemaUpgrade::YearSumsTable = QStringLiteral("Somme Annuali");
const QString SchemaUpgrade::SummedYearsTable = QStringLiteral("Anni Sommati");

namespace {

struct AddedColumn
{
    const QString &table;
    const QString &column;
    const char *type;
};

// Every column added since the template, in the order of the versions that added them: a file
// of any older version gains those it lacks.
const AddedColumn AddedColumns[] = {
    // Version 1
    {SchemaUpgrade::ItemsTable, SchemaUpgrade::AuthorisationColumn, "TEXT"},
    {SchemaUpgrade::CentresTable, SchemaUpgrade::EppoColumn, "TEXT"},
    // Version 2
    {TreatmentColumns::FieldsTable, TreatmentColumns::ParcelId, "TEXT"},
    {TreatmentColumns::FieldsTable, TreatmentColumns::Municipality, "TEXT"},
    {TreatmentColumns::FieldsTable, TreatmentColumns::Sheet, "TEXT"},
    {TreatmentColumns::FieldsTable, TreatmentColumns::CadastralParcel, "TEXT"},
    {TreatmentColumns::FieldsTable, TreatmentColumns::Geometry, "TEXT"},
    {TreatmentColumns::MovementsTable, TreatmentColumns::TreatedArea, "REAL"},
    {TreatmentColumns::MovementsTable, TreatmentColumns::BbchStage, "TEXT"},
    {TreatmentColumns::MovementsTable, TreatmentColumns::ApplicationTime, "TEXT"},
};

// A year's kept sums hold while no work of that year changes: every change of a work, and every
// card that moves to another day or goes, makes the years it touches be summed again. A work's
// year is its card's; pending works (card 0) count in no year and touch none. %1 holds the sums,
// %2 the years summed.
const char *const YearSumStatements[] = {
    "CREATE TABLE IF NOT EXISTS [%1] (Lista TEXT NOT NULL, Parametri TEXT NOT NULL, "
    "Anno INTEGER NOT NULL, Codice INTEGER NOT NULL, OreOrd REAL, OreStr REAL, OreFest REAL, "
    "Totale REAL)",
    "CREATE INDEX IF NOT EXISTS SommeAnnualiLista ON [%1] (Lista, Parametri, Anno)",
    "CREATE TABLE IF NOT EXISTS [%2] (Lista TEXT NOT NULL, Parametri TEXT NOT NULL, "
    "Anno INTEGER NOT NULL, PRIMARY KEY (Lista, Parametri, Anno))",
    "CREATE TRIGGER IF NOT EXISTS OpereAggiunteSomme AFTER INSERT ON Opere BEGIN "
    "DELETE FROM [%2] WHERE Anno IN (SELECT CAST(strftime('%Y', Data) AS INTEGER) "
    "FROM Scheda WHERE IDScheda = NEW.IDScheda); END",
    "CREATE TRIGGER IF NOT EXISTS OpereTolteSomme AFTER DELETE ON Opere BEGIN "
    "DELETE FROM [%2] WHERE Anno IN (SELECT CAST(strftime('%Y', Data) AS INTEGER) "
    "FROM Scheda WHERE IDScheda = OLD.IDScheda); END",
    "CREATE TRIGGER IF NOT EXISTS OpereCambiateSomme AFTER UPDATE ON Opere BEGIN "
    "DELETE FROM [%2] WHERE Anno IN (SELECT CAST(strftime('%Y', Data) AS INTEGER) "
    "FROM Scheda WHERE IDScheda IN (OLD.IDScheda, NEW.IDScheda)); END",
    "CREATE TRIGGER IF NOT EXISTS SchedeSpostateSomme AFTER UPDATE OF Data, IDScheda ON Scheda "
    "BEGIN DELETE FROM [%2] WHERE Anno IN (CAST(strftime('%Y', OLD.Data) AS INTEGER), "
    "CAST(strftime('%Y', NEW.Data) AS INTEGER)); END",
    "CREATE TRIGGER IF NOT EXISTS SchedeTolteSomme AFTER DELETE ON Scheda BEGIN "
    "DELETE FROM [%2] WHERE Anno = CAST(strftime('%Y', OLD.Data) AS INTEGER); END",
};

const char *const YearSumTriggers[] = {"OpereAggiunteSomme", "OpereTolteSomme",
                                       "OpereCambiateSomme", "SchedeSpostateSomme",
                                       "SchedeTolteSomme"};

} // namespace

void SchemaUpgrade::keepYearSums(Database &db)
{
    if (db.isReadOnly() || !db.tableExists(QStringLiteral("Opere")) ||
        !db.tableExists(QStringLiteral("Scheda")))
        return;
    Transaction transaction(db);
    const bool forget = db.tableExists(SchemaUpgrade::SummedYearsTable) && !hasYearSumTriggers(db);
    for (const char *statement : YearSumStatements)
        // Replaced by name: a statement may name only the second table, and strftime's
        // patterns are no placeholders.
        db.execute(QString::fromLatin1(statement)
                       .replace(QStringLiteral("%1"), SchemaUpgrade::YearSumsTable)
                       .replace(QStringLiteral("%2"), SchemaUpgrade::SummedYearsTable));
    if (forget) {
        db.execute(QStringLiteral("DELETE FROM [%1]").arg(SchemaUpgrade::SummedYearsTable));
        db.execute(QStringLiteral("DELETE FROM [%1]").arg(SchemaUpgrade::YearSumsTable));
    }
    StockYearSums::keep(db);
    MovementTexts::keep(db);
    transaction.commit();
}

bool SchemaUpgrade::hasYearSumTriggers(Database &db)
{
    int found = 0;
    for (const char *name : YearSumTriggers)
        found += db.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = "
                                          "'trigger' AND name = ? COLLATE NOCASE"),
                           {QString::fromLatin1(name)})
                     .toInt() > 0;
    return found == int(std::size(YearSumTriggers));
}

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
    // The file keeps the stored queries for other installations only: they are made the
    // program's own whenever the file can be written.
    const bool queriesRestored = BuiltInQueries::restore(db);
    // A file already at this version, or written by a newer installation, is left alone.
    if (version(db) >= CurrentVersion)
        return queriesRestored;
    Transaction transaction(db);
    for (const AddedColumn &added : AddedColumns) {
        // An archive holds only some of the tables; it gains the columns of those it has.
        if (db.tableExists(added.table) && !hasColumn(db, added.table, added.column))
            db.execute(QStringLiteral("ALTER TABLE [%1] ADD COLUMN [%2] %3")
                           .arg(added.table, added.column, QLatin1String(added.type)));
    }
    db.execute(QStringLiteral("PRAGMA user_version = %1").arg(CurrentVersion));
    transaction.commit();
    return true;
}
