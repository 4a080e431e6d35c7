#include "InstallPaths.h"

#include <QDir>
#include <QFileInfo>

namespace InstallPaths {

QStringList templateDatabaseCandidates(const QString &appDir)
{
    const QDir dir(appDir);
    return {QDir::cleanPath(dir.filePath(QStringLiteral("Database/Tellan.mdb"))),
            QDir::cleanPath(dir.filePath(QStringLiteral("../share/verdimo/Database/Tellan.mdb")))};
}

QString templateDatabasePath(const QString &appDir)
{
    if (appDir.isEmpty())
        return {};
    const QStringList candidates = templateDatabaseCandidates(appDir);
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

} // namespace InstallPaths
