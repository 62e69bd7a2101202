// POSIX implementation of the locked file: pread/pwrite loops that survive signals and short transfers.
#include "LockedFile.h"

#include "DbfError.h"

#include <QFile>

#include <cerrno>
#include <map>
#include <mutex>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dbf {

namespace {

// Files this process holds an exclusive lock on, by device and inode, with the number of holders.
std::mutex g_mutex;
std::map<std::pair<dev_t, ino_t>, int> g_exclusive;
// How many exclusive locks this process has taken on each file.
std::map<std::pair<dev_t, ino_t>, qint64> g_exclusiveTaken;

bool identify(int fd, std::pair<dev_t, ino_t> *key)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return false;
    *key = {st.st_dev, st.st_ino};
    return true;
}

} // namespace

LockedFile::~LockedFile()
{
    close();
}

void LockedFile::open(const QString &path, Mode mode)
{
    close();
    m_path = path;
    const int flags = (mode == Mode::Read ? O_RDONLY : O_RDWR) | O_CLOEXEC;
    m_fd = ::open(QFile::encodeName(path).constData(), flags);
    if (m_fd < 0) {
        const int err = errno;
        throw DbfError(DbfError::Kind::CannotOpen, path, QString::fromLocal8Bit(std::strerror(err)));
    }
    struct stat st;
    if (::fstat(m_fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        close();
        throw DbfError(DbfError::Kind::CannotOpen, path, QStringLiteral("es ist ein Ordner"));
    }
}

void LockedFile::create(const QString &path)
{
    close();
    m_path = path;
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        const int err = errno;
        throw DbfError(DbfError::Kind::CannotOpen, path, QString::fromLocal8Bit(std::strerror(err)));
    }
}

void LockedFile::openSame(const LockedFile &other)
{
    close();
    m_path = other.m_path;
    std::pair<dev_t, ino_t> want, got;
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(other.m_fd);
    m_fd = identify(other.m_fd, &want) ? ::open(link.constData(), O_RDONLY | O_CLOEXEC) : -1;
    if (m_fd < 0 || !identify(m_fd, &got) || got != want) {
        close();
        throw DbfError(DbfError::Kind::CannotOpen, m_path, QStringLiteral("die Datei lässt sich kein zweites Mal öffnen"));
    }
}

void LockedFile::close()
{
    unlock();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void LockedFile::lock(Lock kind)
{
    std::pair<dev_t, ino_t> key;
    const bool known = identify(m_fd, &key);
    if (kind == Lock::Shared && known) {
        std::lock_guard<std::mutex> guard(g_mutex);
        if (g_exclusive.count(key)) {
            m_held = Held::SharedWithinOwnExclusive;
            return;
        }
    }
    const int op = kind == Lock::Shared ? LOCK_SH : LOCK_EX;
    while (::flock(m_fd, op) != 0) {
        if (errno != EINTR)
            fail(QStringLiteral("Sperren"), errno);
    }
    m_held = kind == Lock::Shared ? Held::Shared : Held::Exclusive;
    if (kind == Lock::Exclusive && known) {
        std::lock_guard<std::mutex> guard(g_mutex);
        ++g_exclusive[key];
        ++g_exclusiveTaken[key];
    }
}

bool LockedFile::tryLockShared()
{
    std::pair<dev_t, ino_t> key;
    if (identify(m_fd, &key)) {
        std::lock_guard<std::mutex> guard(g_mutex);
        if (g_exclusive.count(key)) {
            m_held = Held::SharedWithinOwnExclusive;
            return true;
        }
    }
    while (::flock(m_fd, LOCK_SH | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return false;
        if (errno != EINTR)
            fail(QStringLiteral("Sperren"), errno);
    }
    m_held = Held::Shared;
    return true;
}

void LockedFile::unlock()
{
    const Held held = m_held;
    m_held = Held::None;
    if (m_fd < 0 || held == Held::None || held == Held::SharedWithinOwnExclusive)
        return;
    if (held == Held::Exclusive) {
        std::pair<dev_t, ino_t> key;
        if (identify(m_fd, &key)) {
            std::lock_guard<std::mutex> guard(g_mutex);
            const auto it = g_exclusive.find(key);
            if (it != g_exclusive.end() && --it->second == 0)
                g_exclusive.erase(it);
        }
    }
    ::flock(m_fd, LOCK_UN);
}

qint64 LockedFile::exclusiveStamp() const
{
    std::pair<dev_t, ino_t> key;
    if (!identify(m_fd, &key))
        return -1;
    std::lock_guard<std::mutex> guard(g_mutex);
    if (g_exclusive.count(key))
        return -1;
    const auto it = g_exclusiveTaken.find(key);
    return it == g_exclusiveTaken.end() ? 0 : it->second;
}

qint64 LockedFile::size() const
{
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        fail(QStringLiteral("Größe ermitteln"), errno);
    return st.st_size;
}

qint64 LockedFile::readAt(qint64 pos, char *buffer, qint64 len) const
{
    qint64 done = 0;
    while (done < len) {
        const ssize_t n = ::pread(m_fd, buffer + done, size_t(len - done), off_t(pos + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(QStringLiteral("Lesen"), errno);
        }
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

void LockedFile::readExactly(qint64 pos, char *buffer, qint64 len, const QString &problemIfShort) const
{
    if (readAt(pos, buffer, len) != len)
        throw DbfError(DbfError::Kind::Damaged, m_path, problemIfShort);
}

void LockedFile::writeAt(qint64 pos, const char *data, qint64 len)
{
    qint64 done = 0;
    while (done < len) {
        const ssize_t n = ::pwrite(m_fd, data + done, size_t(len - done), off_t(pos + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(QStringLiteral("Schreiben"), errno);
        }
        done += n;
    }
}

void LockedFile::sync()
{
    if (::fdatasync(m_fd) != 0)
        fail(QStringLiteral("Speichern"), errno);
}

void LockedFile::fail(const QString &what, int err) const
{
    throw DbfError(DbfError::Kind::Io, m_path,
                   QStringLiteral("%1 fehlgeschlagen (%2)").arg(what, QString::fromLocal8Bit(std::strerror(err))));
}

} // namespace dbf
