#pragma once

#include <QDate>
#include <QList>
#include <QString>

class Database;

// The stock of every item up to a day (the quantities of its movements, per movement type 1 to
// 5, whose cards are dated up to that day), added up from sums the farm database keeps per
// calendar year: the whole years before the day's own are read from their kept sums (summed
// and kept first when none are kept, or a movement, work or card of the year changed since),
// the day's year and anything dated before the first card's year straight from the movements.
// The stock then costs about the same on a farm of thirty years as on one of one year.
//
// A year is the range of date texts from its 1 January up to the next year's, so that the kept
// sums take exactly the cards the straight reading takes. A database that cannot keep sums
// (read-only, or without the tables or the triggers that forget changed years) is read
// straight.
class StockYearSums
{
public:
    struct Row
    {
        int item = 0;
        int type = 0;
        double quantity = 0;
    };

    static const QString SumsTable;
    static const QString YearsTable;

    explicit StockYearSums(Database &db);

    // The rows in item, then type order. Raises DbException on an engine failure.
    QList<Row> read(const QDate &day);
    // The same rows read straight from every movement, nothing kept.
    QList<Row> readStraight(const QDate &day);

    // Adds to a working farm database, where missing, the tables of the sums and the triggers
    // that forget a year's sums when its movements, works or cards change; forgets every sum
    // when a trigger had to be made again. Runs inside the caller's transaction.
    static void keep(Database &db);
    static bool hasTriggers(Database &db);
    // Forgets every kept sum (a file whose sums cannot be trusted, such as a restored backup).
    static void forget(Database &db);

private:
    bool canKeep();
    int firstYear(int lastYear);
    void keepYears(const QList<int> &years);
    QList<int> summedYears(int firstYear, int lastYear);

    Database &m_db;
};
