#pragma once

#include <QStringList>
#include <QTextStream>

// verdimo-cli check FILE
int runCheckCommand(const QStringList &args, QTextStream &out, QTextStream &err);
