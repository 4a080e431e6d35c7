#include "FarmLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const WindowKind = "window";
const char *const CommandLineKind = "command-line";

// The farm's real path: the same file reached through a link or another spelling locks the
// same. A farm that does not exist yet (a restore into a missing file) is named by its real
// folder.
QString realPath(const QString &farmPath)
{
    const QFileInfo info(farmPath);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

QString lockFileName(const QString &farmPath)
{
    const QByteArray key =
        QCryptographicHash::hash(QFile::encodeName(realPath(farmPath)), QCryptographicHash::Sha1)
            .toHex()
            .left(20);
    return QStringLiteral("verdimo-farm-%1.lock").arg(QString::fromLatin1(key));
}

} // namespace

FarmLock::FarmLock(const QString &farmPath, const QString &folder)
    : m_farmPath(farmPath), m_lockPath(QDir(folder).filePath(lockFileName(farmPath)))
{
}

FarmLock::~FarmLock()
{
    unlock();
}

bool FarmLock::tryLock(Holder holder)
{
    if (m_fd >= 0)
        return true;
    m_holderPid = 0;
    m_holderKind.clear();
    const QByteArray path = QFile::encodeName(m_lockPath);
    // Never through a link planted in the shared folder; another user's lock file can still be
    // locked when it can only be read.
    bool writable = true;
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EACCES) {
        writable = false;
        fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    }
    // Without a lock folder there is no one to share the farm with either.
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        readHolder(fd);
        ::close(fd);
        return false;
    }
    if (writable) {
        const QByteArray text = QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
                                (holder == Holder::Window ? WindowKind : CommandLineKind) + '\n';
        // Readable by every user, whatever the umask, so that their refusal can name the holder.
        ::fchmod(fd, 0644);
        // Without the holder's name the lock still holds; a refusal then names no process.
        const bool named = ::ftruncate(fd, 0) == 0 &&
                           ::pwrite(fd, text.constData(), size_t(text.size()), 0) == text.size();
        Q_UNUSED(named);
    }
    m_fd = fd;
    return true;
}

void FarmLock::unlock()
{
    if (m_fd < 0)
        return;
    // The file stays: removing it would let a waiting process lock a file no longer reachable.
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

void FarmLock::readHolder(int fd)
{
    char buffer[64] = {};
    const ssize_t read = ::pread(fd, buffer, sizeof buffer - 1, 0);
    const QList<QByteArray> words =
        QByteArray(buffer, read > 0 ? int(read) : 0).simplified().split(' ');
    m_holderPid = words.value(0).toLongLong();
    m_holderKind = QString::fromLatin1(words.value(1));
}

QString FarmLock::refusal() const
{
    const QString farm = QDir::toNativeSeparators(m_farmPath);
    const QString process = m_holderPid > 0 ? QString::number(m_holderPid) : tr("unknown");
    if (m_holderKind == QLatin1String(WindowKind))
        return tr("The farm %1 is open in the Verdimo window (process %2); close it there first.")
            .arg(farm, process);
    if (m_holderKind == QLatin1String(CommandLineKind))
        return tr("The farm %1 is being changed by another verdimo-cli command (process %2); try "
                  "again when it has finished.")
            .arg(farm, process);
    return tr("The farm %1 is in use by another Verdimo program (process %2); close it first.")
        .arg(farm, process);
}

QString FarmLock::firstWritableFolder(const QStringList &folders)
{
    for (const QString &candidate : folders) {
        const QFileInfo info(candidate);
        if (info.isDir() && info.isWritable())
            return candidate;
    }
    return QStringLiteral("/tmp");
}

QStringList FarmLock::machineLockFolders()
{
    return {QStringLiteral("/run/lock"), QStringLiteral("/var/lock"), QStringLiteral("/tmp")};
}

QString FarmLock::defaultFolder()
{
    return firstWritableFolder(machineLockFolders());
}
