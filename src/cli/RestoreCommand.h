#pragma once

#include <QStringList>
#include <QTextStream>

class Clock;
class CommandLine;

// verdimo-cli restore ARCHIVE [--db FILE]
CommandLine restoreCommandLine();
int runRestoreCommand(const QStringList &args, QTextStream &out, QTextStream &err);
// The same with the backups' folder and clock given (tests).
int runRestoreCommand(const QStringList &args, QTextStream &out, QTextStream &err,
                      const QString &backupFolder, const Clock &clock);
