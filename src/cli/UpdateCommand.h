#pragma once

#include "online/UpdateServers.h"
#include "online/UpdateTransport.h"

#include <QByteArray>
#include <QStringList>
#include <QTextStream>

// What the update command works with; by default the servers of the settings, the built-in
// key, this program's version and the usual transfer limits.
struct UpdateCommandSetup
{
    UpdateServers servers;
    QByteArray publicKey;
    QString currentVersion;
    TransferLimits limits;

    static UpdateCommandSetup fromSettings();
};

// verdimo-cli update [--check | --download DIR]
int runUpdateCommand(const QStringList &args, QTextStream &out, QTextStream &err);
int runUpdateCommandWith(const QStringList &args, QTextStream &out, QTextStream &err,
                         const UpdateCommandSetup &setup);
