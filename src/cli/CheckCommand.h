#pragma once

#include <QStringList>
#include <QTextStream>

class CommandLine;

// verdimo-cli check FILE
CommandLine checkCommandLine();
int runCheckCommand(const QStringList &args, QTextStream &out, QTextStream &err);
