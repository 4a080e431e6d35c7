#pragma once

#include "RegistryStatement.h"

#include <QList>

class Database;

// Carries a record's new code into the rows that refer to it by the old one: works and stock
// movements booked on it or using it, and a crop centre's fields.
class CodeChange
{
public:
    struct Field
    {
        int centre; // its crop centre
        int year;   // its production year: only that year's cards refer to this row
    };

    static QList<RegistryStatement> statements(int kind, int oldCode, int newCode,
                                               const Field &field = {});
    static void run(Database &db, int kind, int oldCode, int newCode, const Field &field = {});
};
