#pragma once

#include "exchange/BackgroundBackup.h"

#include <QCoreApplication>
#include <QString>

class BackupRotation;
class FarmSession;
class Prompter;

// The program's own backups of the working database: one at the first start of each day,
// written on a thread of its own while the window is in use, and one at exit when the session
// changed the farm's data. A backup that fails is reported as a warning and never stops the
// program.
class AutomaticBackups
{
    Q_DECLARE_TR_FUNCTIONS(AutomaticBackups)

public:
    AutomaticBackups(BackupRotation &rotation, Prompter &prompter);

    // The start's check and backup as startAtStart runs them, done before returning; a failed
    // backup is warned of.
    void atStart(const FarmSession &farm);
    // The start's check of the farm's pages and, when it is sound and none was made today,
    // its backup, run on job's thread (both read every page of a farm of many years); false
    // when the farm is not open. The farm's own connection is not used: the file is read on a
    // connection of the thread's own.
    bool startAtStart(const FarmSession &farm, BackgroundBackup &job);
    // Whether the exit backup will be made: the session changed a farm it could write.
    static bool dueAtExit(FarmSession &farm);
    void atExit(FarmSession &farm);

    // What a finished backup tells: a warning when it failed; otherwise the quiet note for the
    // status bar (empty when none was due or the farm is damaged, which the caller handles).
    QString finished(const BackgroundBackup::Outcome &outcome);

private:
    void warnOnFailure(const QString &error);

    BackupRotation &m_rotation;
    Prompter &m_prompter;
};
