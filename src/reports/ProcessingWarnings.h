#pragma once

#include "base/WorkingPeriod.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class Database;

// What the cost and revenue totals of a period leave out or cannot allocate, for the user to
// complete the registries: workers with hours and no hourly wage (their hours cost 0),
// machines with costs and no running hours (their costs reach no centre), works booked on codes
// that are in no registry, movements with a value and no item, and treatments that lack an
// element of the record of treatments. Reads the same stored queries as the processing and
// writes nothing.
class ProcessingWarnings
{
    Q_DECLARE_TR_FUNCTIONS(ProcessingWarnings)

public:
    enum class Kind {
        WorkerWithoutWage,
        MachineWithoutHours,
        UnknownWorker,
        UnknownOperation,
        UnknownCentre,
        UnknownField,
        UnknownMachine,
        MovementWithoutItem,
        IncompleteTreatment,
    };

    struct Warning
    {
        Kind kind;
        int code = 0;
        QString name;
        // Hours of a worker; costs of a machine; value of the movements.
        double amount = 0;
        // Works or movements concerned.
        int count = 0;
        // The card of an incomplete treatment, where it is completed.
        qint64 cardId = 0;

        QString text() const;
    };

    // Raises DbException on an engine failure.
    static QList<Warning> find(Database &db, const WorkingPeriod &period);
};
