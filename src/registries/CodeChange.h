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

    // SQL expression for the year of the card an Opere row is on: a field row is one year's,
    // so only that year's works and movements refer to it.
    static QString workCardYear();

    static QList<RegistryStatement> statements(int kind, int oldCode, int newCode,
                                               const Field &field = {});
    static void run(Database &db, int kind, int oldCode, int newCode, const Field &field = {});
};
