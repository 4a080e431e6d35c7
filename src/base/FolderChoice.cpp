#include "FolderChoice.h"

#include "SettingsKeys.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString FolderChoice::startFolder()
{
    const QString candidates[] = {
        SettingsKeys::LastFolder.read(),
        SettingsKeys::Directory.read(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QDir::homePath(),
    };
    for (const QString &folder : candidates) {
        if (isWritableFolder(folder))
            return QDir::cleanPath(folder);
    }
    return QDir::tempPath();
}

void FolderChoice::remember(const QString &chosenFile)
{
    if (chosenFile.isEmpty())
        return;
    SettingsKeys::LastFolder.write(QFileInfo(chosenFile).absolutePath());
}

QString FolderChoice::proposedPath(const QString &fileName)
{
    return QDir(startFolder()).filePath(fileName);
}

bool FolderChoice::isWritableFolder(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}
