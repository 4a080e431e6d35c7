#include "AutomaticBackups.h"

#include "base/Prompter.h"
#include "db/FarmSession.h"
#include "exchange/BackupRotation.h"

AutomaticBackups::AutomaticBackups(BackupRotation &rotation, Prompter &prompter)
    : m_rotation(rotation), m_prompter(prompter)
{
}

void AutomaticBackups::atStart(const FarmSession &farm)
{
    if (!farm.isOpen())
        return;
    QString error;
    if (m_rotation.backUpAtStart(farm.databasePath(), &error).isEmpty())
        warnOnFailure(error);
}

void AutomaticBackups::atExit(FarmSession &farm)
{
    // A database that can only be read was not changed by this session.
    if (!farm.isOpen() || farm.isReadOnly())
        return;
    QString error;
    if (m_rotation.backUpAtExit(farm.databasePath(), farm.changedInSession(), &error).isEmpty())
        warnOnFailure(error);
}

void AutomaticBackups::warnOnFailure(const QString &error)
{
    // No error: no backup was due.
    if (error.isEmpty())
        return;
    m_prompter.warning(tr("The automatic backup of the farm database failed; the program goes "
                          "on without it.\n%1")
                           .arg(error));
}
