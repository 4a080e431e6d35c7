#pragma once

#include "base/WorkingPeriod.h"

#include <QCoreApplication>

class Database;
class Progress;

// Turns the cards of a working period into the working tables the reports print: the cost and
// revenue totals per centre and per field (ProcessTotals) and the rows of the treatment
// register (PrepareFieldNotebook). Each run empties its tables and refills them inside one
// transaction, so a failure leaves the previous contents in place and raises DbException.
class DataProcessing
{
    Q_DECLARE_TR_FUNCTIONS(DataProcessing)

public:
    DataProcessing(Database &db, const WorkingPeriod &period);

    // Rebuilds Riepilogo, Totali and [Totali Campi], reporting its phases on the upper line of
    // progress.
    void ProcessTotals(Progress &progress);
    // Rebuilds [Appoggio Articoli].
    void PrepareFieldNotebook();

private:
    Database &m_db;
    WorkingPeriod m_period;
};
