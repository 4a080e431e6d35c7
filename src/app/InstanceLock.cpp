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

int InstanceLock::openFile() const
{
    const QByteArray path = QFile::encodeName(m_path);
    // An existing file is opened without O_CREAT: in a sticky folder such as /run/lock the
    // kernel refuses O_CREAT on a file of another user (fs.protected_regular). Links planted
    // in the shared folder are never followed.
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = ::open(path.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0)
            return fd;
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
    const int fd = openFile();
    if (fd < 0)
        return Result::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? Result::HeldElsewhere : Result::Unavailable;
    }
    m_fd = fd;
    return Result::Taken;
}
