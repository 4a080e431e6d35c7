#pragma once

#include "base/WorkingPeriod.h"

#include <QCoreApplication>

#include <map>
#include <optional>

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
    // Per code, the figures of the period that ProcessTotals wrote to Riepilogo, as it keeps
    // them: what the warnings about wages and machine hours read, so that they need not run the
    // same queries again.
    struct SummaryFigures
    {
        std::map<int, double> workerHours;
        std::map<int, double> machineHours;
        // What the machines' own maintenance labour and their stock movements cost.
        std::map<int, double> machineCosts;
    };

    DataProcessing(Database &db, const WorkingPeriod &period);

    // Rebuilds Riepilogo, Totali and [Totali Campi], reporting its phases on the upper line of
    // progress.
    void ProcessTotals(Progress &progress);
    // The figures the last ProcessTotals of this object wrote; none before it ran.
    const std::optional<SummaryFigures> &summaryFigures() const { return m_summary; }
    // Rebuilds [Appoggio Articoli].
    void PrepareFieldNotebook();

private:
    SummaryFigures readSummary();

    Database &m_db;
    WorkingPeriod m_period;
    std::optional<SummaryFigures> m_summary;
};
