#include "BackupRestoring.h"

#include "base/Prompter.h"
#include "base/SettingsKeys.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"
#include "db/FarmSession.h"
#include "exchange/BackupRestore.h"
#include "exchange/BackupRotation.h"

#include <QDir>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

BackupRestoring::BackupRestoring(FarmSession &farm, BackupRotation &rotation, Prompter &prompter)
    : m_farm(farm), m_rotation(rotation), m_prompter(prompter)
{
}

// The farm open, or the one the settings name when it could not be opened: a damaged or
// missing farm is exactly the one that needs its backup back.
QString BackupRestoring::workingDatabase() const
{
    return m_farm.isOpen() ? m_farm.databasePath() : SettingsKeys::Database.read();
}

bool BackupRestoring::restore(const QString &archive)
{
    const QString workingDatabase = this->workingDatabase();
    if (workingDatabase.isEmpty()) {
        m_prompter.error(tr("No farm database is named in the settings: there is nothing to "
                            "restore into."));
        return false;
    }
    if (m_farm.isReadOnly()) {
        m_prompter.error(tr("The farm database %1 can only be read: a backup cannot replace it.")
                             .arg(native(workingDatabase)));
        return false;
    }
    if (m_prompter.question(question(archive, workingDatabase)) != Prompter::Answer::Yes)
        return false;

    // The file is replaced only while no connection holds it.
    const bool wasOpen = m_farm.isOpen();
    m_farm.close();
    BackupRestore restoring(m_rotation);
    QString error;
    const bool restored = restoring.restore(archive, workingDatabase, &error);
    if (!restored)
        m_prompter.error(error);
    // A farm that could not be opened before is not opened again only to fail again.
    if (restored || wasOpen)
        reopen(workingDatabase);
    if (restored)
        m_prompter.information(tr("The backup %1 is now the working database. %2")
                                   .arg(native(archive), restoring.keptNote()));
    return restored;
}

QString BackupRestoring::question(const QString &archive, const QString &workingDatabase)
{
    // A backup of another farm put over this one replaces one farm's data with another's: the
    // question names both.
    const QString farm = BackupRotation::farmOf(archive);
    if (!farm.isEmpty() && !BackupRotation::sameFarm(farm, workingDatabase))
        return tr("The backup %1 was made of another farm, %2, not of the working farm %3.\n\n"
                  "Replace the working farm %3 with the backup of %2?\n\nWhat it replaces is "
                  "kept first.")
            .arg(native(archive), native(farm), native(workingDatabase));
    return tr("Replace the working database %1 with the backup %2?\n\nWhat it replaces is kept "
              "first.")
        .arg(native(workingDatabase), native(archive));
}

QString BackupRestoring::unusable(FarmSession &farm)
{
    if (!farm.isOpen())
        return tr("it could not be opened");
    return farm.database().pageDamage();
}

bool BackupRestoring::offerRestore(const QString &problem,
                                   const std::function<QString()> &chooseArchive)
{
    if (m_prompter.question(tr("The farm database %1 cannot be used: %2\n\nRestore one of its "
                               "backups now?")
                                .arg(native(workingDatabase()), problem)) != Prompter::Answer::Yes)
        return false;
    const QString archive = chooseArchive();
    return !archive.isEmpty() && restore(archive);
}

void BackupRestoring::reopen(const QString &workingDatabase)
{
    try {
        m_farm.open(workingDatabase);
    } catch (const DbException &e) {
        m_prompter.error(DbErrorText::describe(e, workingDatabase));
    }
}
