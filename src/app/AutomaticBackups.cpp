#include "AutomaticBackups.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "db/FarmSession.h"
#include "exchange/BackupRotation.h"

#include <QDir>

AutomaticBackups::AutomaticBackups(BackupRotation &rotation, Prompter &prompter)
    : m_rotation(rotation), m_prompter(prompter)
{
}

void AutomaticBackups::atStart(const FarmSession &farm)
{
    BackgroundBackup job;
    if (startAtStart(farm, job))
        finished(job.wait());
}

bool AutomaticBackups::startAtStart(const FarmSession &farm, BackgroundBackup &job)
{
    if (!farm.isOpen())
        return false;
    BackupRotation &rotation = m_rotation;
    return job.start([&rotation, path = farm.databasePath()] {
        BackgroundBackup::Outcome outcome;
        try {
            Database check;
            check.open(path, Database::Access::ReadOnly);
            outcome.damage = check.pageDamage();
        } catch (const DbException &e) {
            outcome.damage = e.message();
        }
        if (outcome.damage.isEmpty() && rotation.dueAtStart(path))
            outcome.archive = rotation.backUp(path, &outcome.error);
        return outcome;
    });
}

bool AutomaticBackups::dueAtExit(FarmSession &farm)
{
    // A database that can only be read was not changed by this session.
    return farm.isOpen() && !farm.isReadOnly() && farm.changedInSession();
}

void AutomaticBackups::atExit(FarmSession &farm)
{
    if (!dueAtExit(farm))
        return;
    QString error;
    if (m_rotation.backUpAtExit(farm.databasePath(), true, &error).isEmpty())
        warnOnFailure(error);
}

QString AutomaticBackups::finished(const BackgroundBackup::Outcome &outcome)
{
    if (!outcome.damage.isEmpty())
        return {};
    if (outcome.archive.isEmpty()) {
        warnOnFailure(outcome.error);
        return {};
    }
    return tr("The farm was backed up into %1.").arg(QDir::toNativeSeparators(outcome.archive));
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
