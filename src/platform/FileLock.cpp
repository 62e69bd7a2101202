// The lock is flock on the lock file: the system frees it when its holder ends, even by a crash.
#include "FileLock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The file at path is still the one open under fd: a holder that released its lock removed the file,
// and a lock on a removed file keeps nobody out.
bool stillThere(int fd, const QByteArray &path)
{
    struct stat open;
    struct stat named;
    return ::fstat(fd, &open) == 0 && ::stat(path.constData(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

} // namespace

bool FileLock::acquire(const QString &path, int waitMs)
{
    release();
    m_busy = false;
    const QByteArray name = QFile::encodeName(path);
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) {
            m_reason = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (stillThere(fd, name)) {
                m_fd = fd;
                m_path = path;
                return true;
            }
        } else if (errno != EWOULDBLOCK) {
            m_reason = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            return false;
        } else if (waited.elapsed() >= waitMs) {
            m_busy = true;
            ::close(fd);
            return false;
        } else {
            QThread::msleep(50);
        }
        ::close(fd);
    }
}

void FileLock::release()
{
    if (m_fd < 0)
        return;
    // Removed while still held, so that whoever opened it meanwhile sees that it is gone.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
    m_fd = -1;
}

} // namespace platform
