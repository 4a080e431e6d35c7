#pragma once

#include <QString>

class Database;

// Brings a farm database made by an older installation up to the columns this version reads:
// an item's authorisation number, a crop centre's EPPO code, a field's parcel and what each
// application of a product records (TreatmentColumns); its QueryDefs rows are made
// the program's own queries (see BuiltInQueries). The version reached is kept in
// the file's PRAGMA user_version, so a current file is recognised without looking further.
// A file that can only be read is left as it is: the new values then read as empty, which is
// what columnOrNull() gives the queries that select them.
class SchemaUpgrade
{
public:
    // 0: the template's own tables; 1: Articoli.NumeroRegistrazione, Centri.CodiceEPPO;
    // 2: the parcel of a field in Campi, the treated area, BBCH stage and time of application
    // in Magazzino (TreatmentColumns).
    static constexpr int CurrentVersion = 2;

    static const QString ItemsTable;
    static const QString AuthorisationColumn;
    static const QString CentresTable;
    static const QString EppoColumn;
    static const QString YearSumsTable;
    static const QString SummedYearsTable;

    // Adds what is missing and puts back the program's stored queries, all or nothing; raises
    // DbException on an engine failure. Returns true when it changed the file.
    static bool upgrade(Database &db);
    static int version(Database &db);
    // Adds to a working farm database, where missing, the tables of the hour sums kept per year
    // for the registries' totals and the triggers that forget a year's sums when its works
    // change. Archives and backups never get them: their readers accept plain tables only.
    // Sums kept while a trigger was missing (dropped by another tool) may miss the changes made
    // meanwhile: when a trigger had to be made again, every kept sum is forgotten, and summed
    // again when next read.
    static void keepYearSums(Database &db);
    // True when every trigger that forgets a year's sums exists.
    static bool hasYearSumTriggers(Database &db);
    static bool hasColumn(Database &db, const QString &table, const QString &column);
    // "[column]" when the table has it, else "NULL": a select list entry that works on files
    // of every version, qualified with alias when one is given.
    static QString columnOrNull(Database &db, const QString &table, const QString &column,
                                const QString &alias = {});
};
