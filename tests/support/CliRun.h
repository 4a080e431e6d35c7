#pragma once

#include <QString>
#include <QStringList>

// verdimo-cli (the program named by VERDIMO_CLI) run as a user's shell would run it: no runtime
// folder, no platform chosen, the language of LANG.
struct CliRun
{
    int status;
    QString out;
    QString err;

    static CliRun of(const QStringList &args, const QString &lang = QStringLiteral("C"));
};
