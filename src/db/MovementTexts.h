#pragma once

#include <QStringList>

class Database;

// The distinct phases and adversities the stock movements carry, for the work editor's lists.
// A working farm database has an index on each of the two columns (made where missing when the
// farm is opened, with the kept sums: archives and backups do without), which gives each
// distinct text with one step through the index: the lists cost the same whatever the history
// holds. A file without the index (one that can only be read) is read with one pass over every
// movement.
class MovementTexts
{
public:
    enum class Column { Phase, Adversity };

    // The distinct texts of the column, nulls left out, in the engine's order of the values.
    static QStringList distinct(Database &db, Column column);
    // The same read with one pass over every movement.
    static QStringList scanned(Database &db, Column column);
    // Adds the indexes where missing; runs inside the caller's transaction.
    static void keep(Database &db);
    static bool hasIndex(Database &db, Column column);
};
