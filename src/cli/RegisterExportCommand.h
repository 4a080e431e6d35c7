#pragma once

#include <QStringList>
#include <QTextStream>

class CommandLine;

// verdimo-cli register-export --format csv|json|geojson --out FILE [--strict] [--db FILE]
// [--from --to]
CommandLine registerExportCommandLine();
int runRegisterExportCommand(const QStringList &args, QTextStream &out, QTextStream &err);
