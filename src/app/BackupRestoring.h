#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class BackupRotation;
class FarmSession;
class Prompter;

// Program › Restore… once the archive is chosen: the user confirms, the farm lets go of the
// working database, the archive is checked and put in its place (what it replaces is kept
// first), and the farm opens the working database again, restored or as it was. A farm that
// could not be opened is restored all the same, into the file the settings name; at start such
// a farm, or one that fails the engine's quick check, gets the offer to restore.
class BackupRestoring
{
    Q_DECLARE_TR_FUNCTIONS(BackupRestoring)

public:
    BackupRestoring(FarmSession &farm, BackupRotation &rotation, Prompter &prompter);

    // True when the working database was replaced; the user was told either way.
    bool restore(const QString &archive);
    // Why the farm cannot be worked on (not open, or damaged as the engine's quick check
    // finds); empty when it is sound.
    static QString unusable(FarmSession &farm);
    // Tells why the farm cannot be used and offers to restore a backup of it; chooseArchive
    // shows the backups and gives the one chosen (empty: none). True when one was restored.
    bool offerRestore(const QString &problem, const std::function<QString()> &chooseArchive);

private:
    QString workingDatabase() const;
    static QString question(const QString &archive, const QString &workingDatabase);
    void reopen(const QString &workingDatabase);

    FarmSession &m_farm;
    BackupRotation &m_rotation;
    Prompter &m_prompter;
};
