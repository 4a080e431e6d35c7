#include "BackupRestore.h"

#include "ArchiveDatabase.h"
#include "BackupRotation.h"
#include "CZipArchive.h"
#include "CZipException.h"
#include "CZipFileHeader.h"
#include "ExchangeTemp.h"
#include "FarmFileCheck.h"
#include "db/Database.h"
#include "db/DbException.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The one entry of the program's backup archives.
const QString BackupEntry = QStringLiteral("Backup Verdimo.mdb");
// As the import: far above any real farm, so a crafted archive cannot fill the disk.
constexpr qint64 MaxDatabase = 1024LL * 1024 * 1024;
constexpr int BufferSize = 65535;

// What an interrupted write of the engine leaves beside a database file.
const char *const LeftoverSuffixes[] = {"-journal", "-wal", "-shm"};

// The range of the engine's own file locks (its pending, reserved and shared bytes).
constexpr off_t EngineLockStart = 0x40000000;
constexpr off_t EngineLockLength = 512;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

qint64 sizeOf(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? info.size() : -1;
}

// Copies the file whole or not at all; why says the system's reason (a full disk, a missing
// folder) on failure.
bool copyFile(const QString &from, const QString &to, QString *why)
{
    QFile source(from);
    QSaveFile target(to);
    if (!source.open(QIODevice::ReadOnly)) {
        *why = source.errorString();
        return false;
    }
    if (!target.open(QIODevice::WriteOnly)) {
        *why = target.errorString();
        return false;
    }
    while (!source.atEnd()) {
        const QByteArray block = source.read(1 << 20);
        const bool written = !block.isEmpty() && target.write(block) == block.size();
        if (!written) {
            // Taken before the writing is cancelled, which puts its own text in its place.
            *why = block.isEmpty() ? source.errorString() : target.errorString();
            target.cancelWriting();
            return false;
        }
    }
    if (target.commit())
        return true;
    *why = target.errorString();
    return false;
}

} // namespace

BackupRestore::BackupRestore(BackupRotation &rotation) : m_rotation(rotation) {}

bool BackupRestore::restore(const QString &archive, const QString &workingDatabase, QString *error)
{
    m_keptBackup.clear();
    m_keptNote.clear();
    QTemporaryDir temp(ExchangeTemp::folderTemplate());
    if (!temp.isValid()) {
        *error = tr("Could not make a temporary folder to check %1.").arg(native(archive));
        return false;
    }
    QString database;
    if (!extract(archive, temp.path(), &database, error))
        return false;
    if (!check(database, error)) {
        // The extracted copy's place means nothing to the user; the archive does.
        error->replace(native(database), native(archive)).replace(database, native(archive));
        return false;
    }
    if (inUseElsewhere(workingDatabase)) {
        *error = tr("The database %1 is in use by another program; close it there and try again.")
                     .arg(native(workingDatabase));
        return false;
    }
    return keepWorking(archive, workingDatabase, error) &&
           setLeftoversAside(workingDatabase, error) && replace(database, workingDatabase, error);
}

bool BackupRestore::inUseElsewhere(const QString &database)
{
    const int fd = ::open(QFile::encodeName(database).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock probe = {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    probe.l_start = EngineLockStart;
    probe.l_len = EngineLockLength;
    const bool held = ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

bool BackupRestore::extract(const QString &archive, const QString &folder, QString *database,
                            QString *error) const
{
    const QString notBackup = tr("%1 is not a backup of Verdimo.").arg(native(archive));
    CZipArchive zip;
    zip.setExtractLimit(MaxDatabase);
    try {
        zip.Open(archive, CZipArchive::OpenExisting, 0);
        const int found = FarmFileCheck::singleEntry(zip, BackupEntry, native(archive));
        if (!zip.SetPassword() || !zip.ExtractEntry(found, folder, false, BufferSize)) {
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
    } catch (const DbException &e) {
        zip.Close(true);
        *error = e.message();
        return false;
    }
    return true;
}

bool BackupRestore::check(const QString &database, QString *error) const
{
    try {
        // Opened as an archive is: defensively, read-only, and refused when damaged.
        {
            ArchiveDatabase archive;
            archive.open(database);
            FarmFileCheck::verify(archive.database());
        }
        // Hour sums are never taken from a file that comes in: they are summed again from its
        // works when a list asks for them.
        Database copy;
        copy.open(database, Database::Access::ReadWrite);
        FarmFileCheck::forgetKeptSums(copy);
    } catch (const DbException &e) {
        *error = tr("The backup's database cannot be used: %1").arg(e.message());
        return false;
    }
    return true;
}

bool BackupRestore::keepWorking(const QString &archive, const QString &workingDatabase,
                                QString *error)
{
    const QFileInfo info(workingDatabase);
    bool leftovers = false;
    for (const char *suffix : LeftoverSuffixes)
        leftovers = leftovers || sizeOf(workingDatabase + QString::fromLatin1(suffix)) > 0;
    if (info.exists() && !info.isFile()) {
        *error = tr("%1 is not a database file: the backup cannot replace it.")
                     .arg(native(workingDatabase));
        return false;
    }
    if (!leftovers && !info.exists()) {
        m_keptNote = tr("There was no database at %1, so nothing of it was kept.")
                         .arg(native(workingDatabase));
        return true;
    }
    if (!leftovers && info.size() == 0) {
        m_keptNote = tr("The database %1 was empty, so nothing of it was kept.")
                         .arg(native(workingDatabase));
        return true;
    }
    // What an interrupted write left beside the file is kept exactly as it is: the engine
    // would play it back, or throw it away, as soon as the file is opened for the backup.
    if (leftovers)
        return keepPlainCopy(workingDatabase, error);
    // The archive being put back is never the one the rotation removes to make room. Whatever
    // stops the backup, a plain copy keeps all there was.
    const QString kept =
        info.size() > 0 ? m_rotation.backUp(workingDatabase, nullptr, archive) : QString();
    if (kept.isEmpty())
        return keepPlainCopy(workingDatabase, error);
    m_keptBackup = kept;
    m_keptNote = tr("The database it replaced is kept in %1.").arg(native(kept));
    return true;
}

// A file that cannot be read as a database (damaged, cut short, another program's) is kept as
// it is, with what its last write left beside it, where the backups are.
bool BackupRestore::keepPlainCopy(const QString &workingDatabase, QString *error)
{
    const QFileInfo info(workingDatabase);
    const QString folder = m_rotation.farmFolder(workingDatabase);
    if (!QDir().mkpath(folder)) {
        *error = tr("Could not make the backup folder %1 to keep a copy of %2.")
                     .arg(native(folder), native(workingDatabase));
        return false;
    }
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString copy = m_rotation.keptFilePath(
        workingDatabase, QStringLiteral("Unreadable ") + info.completeBaseName(), suffix);
    QStringList copied;
    for (const QString &leftover :
         {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const QString from = workingDatabase + leftover;
        if (!QFileInfo::exists(from))
            continue;
        QString why;
        if (!copyFile(from, copy + leftover, &why)) {
            for (const QString &done : std::as_const(copied))
                QFile::remove(done);
            *error = tr("Could not keep a copy of %1 in %2: %3")
                         .arg(native(from), native(copy + leftover), why);
            return false;
        }
        copied << copy + leftover;
    }
    m_keptBackup = copy;
    m_keptNote = tr("The database it replaced could not be read as a database, so it is kept "
                    "as it was in %1.")
                     .arg(native(copy));
    return true;
}

// What the last write of the replaced database left beside it would be played back into the
// restored one. By now it is kept, or was empty.
bool BackupRestore::setLeftoversAside(const QString &workingDatabase, QString *error)
{
    for (const char *suffix : LeftoverSuffixes) {
        QFile leftover(workingDatabase + QString::fromLatin1(suffix));
        if (leftover.exists() && !leftover.remove()) {
            *error = tr("Could not remove %1, left by the last write of the database: %2")
                         .arg(native(leftover.fileName()), leftover.errorString());
            return false;
        }
    }
    return true;
}

bool BackupRestore::replace(const QString &database, const QString &workingDatabase,
                            QString *error) const
{
    QString why;
    const QString folder = QFileInfo(workingDatabase).absolutePath();
    if (!QDir().mkpath(folder))
        why = tr("the folder %1 cannot be made").arg(native(folder));
    else if (copyFile(database, workingDatabase, &why))
        return true;
    *error = tr("Could not replace the database %1: %2").arg(native(workingDatabase), why);
    return false;
}
