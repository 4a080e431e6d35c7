#pragma once

#include <QStringList>
#include <QTextStream>

class Clock;
class CommandLine;

// verdimo-cli demo FILE [--years N] [--overwrite]
CommandLine demoCommandLine();
int runDemoCommand(const QStringList &args, QTextStream &out, QTextStream &err);
// The same, with the last day of the farm taken from clock.
int runDemoCommandAt(const QStringList &args, QTextStream &out, QTextStream &err,
                     const Clock &clock);
