#include "BackupRestore.h"

#include "ArchiveDatabase.h"
#include "BackupRotation.h"
#include "CZipArchive.h"
#include "CZipException.h"
#include "CZipFileHeader.h"
#include "ExchangeTemp.h"
#include "db/DbException.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

// The one entry of the program's backup archives.
const QString BackupEntry = QStringLiteral("Backup Verdimo.mdb");
// As the import: far above any real farm, so a crafted archive cannot fill the disk.
constexpr qint64 MaxDatabase = 1024LL * 1024 * 1024;
constexpr int BufferSize = 65535;

// The tables every database of the program has; a file without one of them is another
// program's.
const char *const RequiredTables[] = {"Scheda", "Opere",  "Magazzino",  "Articoli", "Centri",
                                      "Campi",  "Operai", "Operazioni", "QueryDefs"};

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

BackupRestore::BackupRestore(BackupRotation &rotation) : m_rotation(rotation) {}

bool BackupRestore::restore(const QString &archive, const QString &workingDatabase, QString *error)
{
    QTemporaryDir temp(ExchangeTemp::folderTemplate());
    if (!temp.isValid()) {
        *error = tr("Could not make a temporary folder to check %1.").arg(native(archive));
        return false;
    }
    QString database;
    if (!extract(archive, temp.path(), &database, error) || !check(database, error))
        return false;
    const QString kept = m_rotation.backUp(workingDatabase, error);
    if (kept.isEmpty())
        return false;
    if (!replace(database, workingDatabase, error))
        return false;
    m_keptBackup = kept;
    return true;
}

bool BackupRestore::extract(const QString &archive, const QString &folder, QString *database,
                            QString *error) const
{
    const QString notBackup = tr("%1 is not a backup of Verdimo.").arg(native(archive));
    CZipArchive zip;
    zip.setExtractLimit(MaxDatabase);
    try {
        zip.Open(archive, CZipArchive::OpenExisting, 0);
        int found = -1;
        for (int i = 0; i < zip.entryCount(); ++i) {
            if (QFileInfo(zip.entry(i).name())
                    .fileName()
                    .compare(BackupEntry, Qt::CaseInsensitive) == 0)
                found = i;
        }
        if (found < 0 || !zip.SetPassword() ||
            !zip.ExtractEntry(found, folder, false, BufferSize)) {
            zip.Close(true);
            *error = notBackup;
            return false;
        }
        *database = QDir(folder).filePath(QFileInfo(zip.entry(found).name()).fileName());
        zip.Close(false);
    } catch (const CZipException &e) {
        zip.Close(true);
        *error = tr("Could not read the backup %1: %2").arg(native(archive), e.message());
        return false;
    }
    return true;
}

bool BackupRestore::check(const QString &database, QString *error) const
{
    try {
        // Opened as an archive is: defensively, read-only, and refused when damaged.
        ArchiveDatabase archive;
        archive.open(database);
        for (const char *table : RequiredTables) {
            if (!archive.database().tableExists(QString::fromLatin1(table))) {
                *error = tr("The backup does not hold a database of Verdimo (no table %1).")
                             .arg(QString::fromLatin1(table));
                return false;
            }
        }
    } catch (const DbException &e) {
        *error = tr("The backup's database cannot be used: %1").arg(e.message());
        return false;
    }
    return true;
}

bool BackupRestore::replace(const QString &database, const QString &workingDatabase,
                            QString *error) const
{
    // A journal left beside the working database would be played back into the restored one.
    for (const char *suffix : {"-journal", "-wal"}) {
        if (QFileInfo::exists(workingDatabase + QString::fromLatin1(suffix))) {
            *error = tr("The database %1 is still in use; close it and try again.")
                         .arg(native(workingDatabase));
            return false;
        }
    }
    QFile source(database);
    QSaveFile target(workingDatabase);
    bool ok = source.open(QIODevice::ReadOnly) && target.open(QIODevice::WriteOnly);
    while (ok && !source.atEnd()) {
        const QByteArray block = source.read(1 << 20);
        ok = !block.isEmpty() && target.write(block) == block.size();
    }
    if (ok && target.commit())
        return true;
    target.cancelWriting();
    *error = tr("Could not replace the database %1: %2")
                 .arg(native(workingDatabase), target.error() != QFileDevice::NoError
                                                   ? target.errorString()
                                                   : source.errorString());
    return false;
}
