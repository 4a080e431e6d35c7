#pragma once

#include <QCoreApplication>
#include <QList>

class Database;
class Prompter;

// The production years of the fields: which years are free or hold fields, and the copying of
// one year's fields into another.
class FieldYears
{
    Q_DECLARE_TR_FUNCTIONS(FieldYears)

public:
    // Years from thisYear to thisYear + 10 without any field, ascending.
    static QList<int> freeYears(Database &db, int thisYear);
    // Years from thisYear down to thisYear - 10 that hold fields, descending.
    static QList<int> usedYears(Database &db, int thisYear);
    // Every year from first to last, ascending.
    static QList<int> range(int first, int last);

    // Copies every field of managedYear into productionYear in one transaction; returns the
    // number of fields copied. A database error raises DbException and copies nothing.
    static int copy(Database &db, int managedYear, int productionYear);

    // The "New fields year" command once the years are chosen: asks, copies and reports.
    static void copyWithQuestion(Database &db, Prompter &prompter, int managedYear,
                                 int productionYear);

private:
    static bool hasFields(Database &db, int year);
};
