#pragma once

#include "base/WorkingPeriod.h"
#include "reports/ProcessingWarnings.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class Database;
class Prompter;

// What the window tells after processing: the warnings of the totals just made, in one
// message, or nothing when there are none. Processing is never stopped by them.
class ProcessingNotice
{
    Q_DECLARE_TR_FUNCTIONS(ProcessingNotice)

public:
    // The most warnings named in the message; the rest are counted.
    static constexpr int MaxListed = 20;

    // Empty when there is no warning.
    static QString text(const QList<ProcessingWarnings::Warning> &warnings);
    // Raises DbException on an engine failure.
    static void show(Database &db, const WorkingPeriod &period, Prompter &prompter);
};
