#pragma once

#include <QCoreApplication>

class Database;

// The values of an archive's database that an import would write, checked as the forms check
// what the user types: card dates as the stored date text, hours from 0 to 24, codes as
// integers in the forms' range, numbers as finite numbers (non-negative where the forms say
// so), texts no longer than the forms take. Only the rows the import reads are checked: every
// card, the works of those cards and their movements, and every registry row.
class ArchiveValueCheck
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveValueCheck)

public:
    // Raises DbException naming the first impossible value (table, row key, column, value and
    // what was expected), in the order the import reads the tables.
    static void verify(Database &source);
};
