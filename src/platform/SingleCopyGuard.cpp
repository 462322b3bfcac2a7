#include "SingleCopyGuard.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// A lock file of ours that we may not even read (mode 000): a copy that
// holds it still holds the lock on this very file, so it is opened all the
// same, with read permission granted for the moment of the open and taken
// back after. A new file in its place would not meet that copy's lock.
int openOwnUnreadable(const QByteArray &name, int flags)
{
    struct stat status {
    };
    if (::lstat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid())
        return -1;
    const mode_t mode = status.st_mode & 07777;
    if (::chmod(name.constData(), mode | S_IRUSR) != 0)
        return -1;
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | flags);
    ::chmod(name.constData(), mode);
    return fd;
}

} // namespace

SingleCopyGuard::~SingleCopyGuard()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

SingleCopyGuard::Outcome SingleCopyGuard::unchecked(const QString &problem)
{
    m_problem = problem;
    return Outcome::Unchecked;
}

SingleCopyGuard::Outcome SingleCopyGuard::claim(const QString &path)
{
    if (m_fd >= 0)
        return Outcome::Held;
    if (path.isEmpty())
        return unchecked(QStringLiteral("there is no runtime folder to keep the lock in"));

    // Never blocks: not on a FIFO at the lock's place, not on the lock. The
    // descriptor stays out of the programs this one starts (the browser), so
    // that none of them holds the place after we are gone. The lock file is
    // never removed: a copy that removed it could let a later start lock a new
    // file while an older start still locks the old one.
    const QByteArray name = QFile::encodeName(path);
    constexpr int kFlags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | kFlags, 0600);
    const int openError = errno;
    if (fd < 0 && (openError == EACCES || openError == EPERM || openError == EROFS)) {
        // A lock file we may not write (left by a copy that ran under a strict
        // umask, or on a read-only folder) locks just as well when read.
        fd = ::open(name.constData(), O_RDONLY | kFlags);
    }
    if (fd < 0 && (openError == EACCES || openError == EPERM))
        fd = openOwnUnreadable(name, kFlags);
    if (fd < 0)
        return unchecked(path + QStringLiteral(": ") + reason(openError));

    struct stat status {
    };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return unchecked(path + QStringLiteral(": not a regular file"));
    }

    int locked;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0) {
        m_fd = fd;
        return Outcome::Held;
    }
    const int lockError = errno;
    ::close(fd);
    if (lockError == EWOULDBLOCK)
        return Outcome::Refused;
    return unchecked(path + QStringLiteral(": ") + reason(lockError));
}
