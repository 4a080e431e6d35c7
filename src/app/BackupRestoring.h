#pragma once

#include <QCoreApplication>
#include <QString>

class BackupRotation;
class FarmSession;
class Prompter;

// Program › Restore… once the archive is chosen: the user confirms, the farm lets go of the
// working database, the archive is checked and put in its place (a backup of the database it
// replaces is made first), and the farm opens the working database again, restored or as it
// was.
class BackupRestoring
{
    Q_DECLARE_TR_FUNCTIONS(BackupRestoring)

public:
    BackupRestoring(FarmSession &farm, BackupRotation &rotation, Prompter &prompter);

    // True when the working database was replaced; the user was told either way.
    bool restore(const QString &archive);

private:
    void reopen(const QString &workingDatabase);

    FarmSession &m_farm;
    BackupRotation &m_rotation;
    Prompter &m_prompter;
};
