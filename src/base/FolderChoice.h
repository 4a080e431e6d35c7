#pragma once

#include <QString>

// The folder a dialog that saves a file (export, backup, PDF, CSV) starts in: the folder the
// user last chose, else the Directory setting, else the user's documents folder, else the home
// folder; never one the user cannot write, so accepting what is proposed always works.
class FolderChoice
{
public:
    static QString startFolder();
    // Remembers the folder of a file the user chose to write.
    static void remember(const QString &chosenFile);
    // startFolder() joined with a proposed file name.
    static QString proposedPath(const QString &fileName);
    static bool isWritableFolder(const QString &folder);
};
