#pragma once

#include <QString>
#include <QUrl>

// Where the update check reads the version text and where the new package lies. The values
// come from the section Settings of the installation's machine-wide file (set by the farm's
// administrator or the package); the user's own file may override each of them.
struct UpdateServers
{
    QString webServer;  // base address; the version text's path is added to it
    QString fileServer; // the folder holding the package: ftp://host[:port]/folder or http(s)
    QString fileUser;   // empty for anonymous access
    QString filePassword;

    static UpdateServers fromSettings();

    static QString packageName();

    // Invalid when the matching server is not configured.
    QUrl versionUrl() const;
    QUrl packageUrl() const;
    QUrl signatureUrl() const;
};
