#include "InstanceLock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t EveryoneReadsAndWrites = 0666;

} // namespace

InstanceLock::InstanceLock(QString path) : m_path(std::move(path)) {}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the last descriptor releases the flock
}

int InstanceLock::openFile(bool *writable) const
{
    *writable = false;
    const QByteArray path = QFile::encodeName(m_path);
    // An existing file is opened without O_CREAT: in a sticky folder such as /run/lock the
    // kernel refuses O_CREAT on a file of another user (fs.protected_regular). Links planted
    // in the shared folder are never followed.
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = ::open(path.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0) {
            *writable = true;
            return fd;
        }
        if (errno == EACCES || errno == EPERM)
            return ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (errno != ENOENT)
            return -1;
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    EveryoneReadsAndWrites);
        if (fd >= 0) {
            // The umask narrowed the mode given to open; every user's copy must be able to
            // open the file for writing after this one has ended.
            ::fchmod(fd, EveryoneReadsAndWrites);
            *writable = true;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
        // Another copy created it meanwhile: open that one.
    }
    return -1;
}

InstanceLock::Result InstanceLock::tryLock()
{
    if (m_fd >= 0)
        return Result::Taken;
    bool writable = false;
    const int fd = openFile(&writable);
    if (fd < 0)
        return Result::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? Result::HeldElsewhere : Result::Unavailable;
    }
    m_fd = fd;
    m_writable = writable;
    // What a copy that ended while writing its note left there is not true of this one.
    if (m_writable && ::ftruncate(m_fd, 0) != 0)
        m_writable = false;
    return Result::Taken;
}

bool InstanceLock::markEnding(Ending::Stage stage, const QString &farm)
{
    if (m_fd < 0 || !m_writable)
        return false;
    const QByteArray word = stage == Ending::Stage::BackingUp ? "backup" : "closing";
    const QByteArray note = word + '\n' + farm.toUtf8() + '\n';
    // Written over the start and cut to its length, so that a reader sees a whole note.
    return ::pwrite(m_fd, note.constData(), size_t(note.size()), 0) == note.size() &&
           ::ftruncate(m_fd, note.size()) == 0;
}

InstanceLock::Ending InstanceLock::ending(const QString &path)
{
    Ending found;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return found;
    const QList<QByteArray> lines = file.read(8192).split('\n');
    if (lines.size() < 2)
        return found;
    if (lines.at(0) == "closing")
        found.stage = Ending::Stage::Closing;
    else if (lines.at(0) == "backup")
        found.stage = Ending::Stage::BackingUp;
    else
        return found;
    found.farm = QString::fromUtf8(lines.at(1));
    return found;
}
