#pragma once

#include "RegistryStatement.h"

#include <QCoreApplication>
#include <QList>

class Database;

// What deleting a registry record does to the rest of the data: works and stock movements are
// detached from the record instead of being deleted, and a crop centre takes its fields of
// every year with it.
class RegistryCascade
{
    Q_DECLARE_TR_FUNCTIONS(RegistryCascade)

public:
    // The rows that refer to a record, which deleting it changes.
    struct Usage
    {
        int works = 0;  // works (or, for an item, stock movements) that refer to it
        int cards = 0;  // the cards those are on
        int fields = 0; // fields of every year a crop centre deletes with it
        bool isEmpty() const { return works == 0 && fields == 0; }
    };

    // The statements for a node kind (RegistryKey), in order. nodeCode is the code of the
    // node's key, recordCode the code of the loaded record, fieldYear the production year of a
    // field record: only that year's cards refer to it.
    static QList<RegistryStatement> statements(int kind, int nodeCode, int recordCode,
                                               int fieldYear = 0);
    // Runs them; a failing statement raises DbException and the later ones do not run.
    static void run(Database &db, int kind, int nodeCode, int recordCode, int fieldYear = 0);

    // Counts the rows the statements change; raises DbException when the engine fails.
    static Usage usage(Database &db, int kind, int nodeCode, int recordCode, int fieldYear = 0);
    // The question asked before deleting the record named name: how many works and cards use
    // it and what becomes of them.
    static QString deleteQuestion(int kind, const QString &name, const Usage &usage);
};
