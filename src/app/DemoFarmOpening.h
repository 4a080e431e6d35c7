#pragma once

#include "base/WorkingPeriod.h"

#include <QCoreApplication>
#include <QString>

class Clock;
class Prompter;

// "Open demo farm": writes a fresh demo farm, with its cards ending today, into the user's data
// folder beside the working database, for the main frame to open as the working database. The
// user's own working database is never touched: the demo farm has a file of its own, which is
// replaced each time the demo farm is opened again.
class DemoFarmOpening
{
    Q_DECLARE_TR_FUNCTIONS(DemoFarmOpening)

public:
    DemoFarmOpening(Prompter &prompter, const Clock &clock);

    static QString fileName() { return QStringLiteral("Demo.mdb"); }

    // The demo farm's path in the user's data folder; empty (after telling the user why) when
    // the folder, the template or the file cannot be had.
    QString create();
    // The same in the given folder from the given template.
    QString create(const QString &userFolder, const QString &templatePath);
    // The working period to show the demo farm in: this year, whose cards end today.
    WorkingPeriod period() const;

private:
    Prompter &m_prompter;
    const Clock &m_clock;
};
