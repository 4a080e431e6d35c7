#pragma once

#include <QCoreApplication>
#include <QString>

class BackupRotation;
class FarmSession;
class Prompter;

// The program's own backups of the working database: one at the first start of each day, one
// at exit when the session changed the farm's data. A backup that fails is
// reported as a warning and never stops the program.
class AutomaticBackups
{
    Q_DECLARE_TR_FUNCTIONS(AutomaticBackups)

public:
    AutomaticBackups(BackupRotation &rotation, Prompter &prompter);

    void atStart(const FarmSession &farm);
    void atExit(FarmSession &farm);

private:
    void warnOnFailure(const QString &error);

    BackupRotation &m_rotation;
    Prompter &m_prompter;
};
