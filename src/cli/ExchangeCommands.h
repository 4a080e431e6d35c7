#pragma once

#include <QStringList>
#include <QTextStream>

class CommandLine;

// verdimo-cli export ARCHIVE [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--db FILE]
CommandLine exportCommandLine();
int runExportCommand(const QStringList &args, QTextStream &out, QTextStream &err);
// verdimo-cli import ARCHIVE --overwrite|--keep [--db FILE]
CommandLine importCommandLine();
int runImportCommand(const QStringList &args, QTextStream &out, QTextStream &err);
// verdimo-cli backup ARCHIVE [--db FILE]
CommandLine backupCommandLine();
int runBackupCommand(const QStringList &args, QTextStream &out, QTextStream &err);
