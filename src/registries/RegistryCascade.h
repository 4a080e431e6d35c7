#pragma once

#include "RegistryStatement.h"

#include <QList>

class Database;

// What deleting a registry record does to the rest of the data: works and stock movements are
// detached from the record instead of being deleted, and a crop centre takes its fields of
// every year with it.
class RegistryCascade
{
public:
    // The statements for a node kind (RegistryKey), in order. nodeCode is the code of the
    // node's key, recordCode the code of the loaded record, fieldYear the production year of a
    // field record: only that year's cards refer to it.
    static QList<RegistryStatement> statements(int kind, int nodeCode, int recordCode,
                                               int fieldYear = 0);
    // Runs them; a failing statement raises DbException and the later ones do not run.
    static void run(Database &db, int kind, int nodeCode, int recordCode, int fieldYear = 0);
};
