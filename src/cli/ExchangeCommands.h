#pragma once

#include <QStringList>
#include <QTextStream>

// verdimo-cli export ARCHIVE [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--db FILE]
int runExportCommand(const QStringList &args, QTextStream &out, QTextStream &err);
// verdimo-cli import ARCHIVE --overwrite|--keep [--db FILE]
int runImportCommand(const QStringList &args, QTextStream &out, QTextStream &err);
// verdimo-cli backup ARCHIVE [--db FILE]
int runBackupCommand(const QStringList &args, QTextStream &out, QTextStream &err);
