#include "BackupRestoring.h"

#include "base/Prompter.h"
#include "db/DbException.h"
#include "db/FarmSession.h"
#include "exchange/BackupRestore.h"

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

bool BackupRestoring::restore(const QString &archive)
{
    if (!m_farm.isOpen()) {
        m_prompter.error(tr("No farm database is open: there is nothing to restore into."));
        return false;
    }
    if (m_farm.isReadOnly()) {
        m_prompter.error(tr("The farm database %1 can only be read: a backup cannot replace it.")
                             .arg(native(m_farm.databasePath())));
        return false;
    }
    const QString workingDatabase = m_farm.databasePath();
    if (m_prompter.question(tr("Replace the working database %1 with the backup %2?\n\nA backup "
                               "of the working database as it is now is kept first.")
                                .arg(native(workingDatabase), native(archive))) !=
        Prompter::Answer::Yes)
        return false;

    // The file is replaced only while no connection holds it.
    m_farm.close();
    BackupRestore restoring(m_rotation);
    QString error;
    const bool restored = restoring.restore(archive, workingDatabase, &error);
    if (!restored)
        m_prompter.error(error);
    reopen(workingDatabase);
    if (restored)
        m_prompter.information(
            tr("The backup %1 is now the working database. The database it replaced is kept "
               "in %2.")
                .arg(native(archive), native(restoring.keptBackup())));
    return restored;
}

void BackupRestoring::reopen(const QString &workingDatabase)
{
    try {
        m_farm.open(workingDatabase);
    } catch (const DbException &e) {
        m_prompter.error(e.message());
    }
}
