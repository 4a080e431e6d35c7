#pragma once

#include <QString>
#include <QStringList>

// Where the files that come with the programs lie relative to the folder of the executables:
// beside them in the build's stage folder (Database/Tellan.mdb), or under share/verdimo of an
// installed prefix whose bin/ holds the programs.
namespace InstallPaths {

// The places the template database may be, in the order they are tried.
QStringList templateDatabaseCandidates(const QString &appDir);
// The first of those candidates that is a file; empty when there is none.
QString templateDatabasePath(const QString &appDir);

} // namespace InstallPaths
