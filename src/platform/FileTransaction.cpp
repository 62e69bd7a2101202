// Replacing files together: new files beside the targets, written with every byte checked and
// flushed, then renamed over the targets, with hard links (or copies) of the old files as the way back.
#include "FileTransaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr qint64 kChunk = 1 << 20;

QByteArray native(const QString &path) { return QFile::encodeName(path); }

QString systemText(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

QString quoted(const QString &path) { return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"'); }

// A target that is a symbolic link is replaced where the link points, so the link stays a link.
QString resolved(const QString &target)
{
    const QFileInfo info(target);
    if (!info.isSymLink())
        return target;
    const QString pointed = info.symLinkTarget();
    return pointed.isEmpty() ? target : pointed;
}

QString besideName(const QString &path, const char *tag)
{
    return path + QLatin1Char('.') + QLatin1String(tag) + QLatin1Char('~') +
           QString::number(QRandomGenerator::global()->generate(), 16);
}

// Creates a file of a new name beside path, with the permissions of path when it exists.
int createBeside(const QString &path, const char *tag, QString *created, int *err)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = besideName(path, tag);
        const int fd = ::open(native(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            struct stat st;
            if (::stat(native(path).constData(), &st) == 0 && S_ISREG(st.st_mode))
                ::fchmod(fd, st.st_mode & 07777);
            *created = candidate;
            return fd;
        }
        if (errno != EEXIST) {
            *err = errno;
            return -1;
        }
    }
    *err = EEXIST;
    return -1;
}

bool writeAll(int fd, const char *data, qint64 size, int *err)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(std::min(size, kChunk)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *err = n < 0 ? errno : ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// Flushes the file to the disk and closes it; a file system that reports a failed write only
// here (a full disk, a network share) is caught before the file replaces anything.
bool finish(int fd, int *err)
{
    if (::fsync(fd) != 0) {
        *err = errno;
        ::close(fd);
        return false;
    }
    if (::close(fd) != 0 && errno != EINTR) {
        *err = errno;
        return false;
    }
    return true;
}

// Copies the open file `from` into `to`; *readFailed tells which side failed.
bool copyContent(int from, int to, int *err, bool *readFailed)
{
    QByteArray buffer(kChunk, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), size_t(buffer.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *err = errno;
            *readFailed = true;
            return false;
        }
        if (n == 0)
            return true;
        if (!writeAll(to, buffer.constData(), n, err))
            return false;
    }
}

// A second name for the old file at path, through which it comes back if the transaction fails.
// A hard link costs nothing; where the file system has none, a checked copy does the same.
bool keepOld(const QString &path, QString *backup, int *err)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = besideName(path, "alt");
        if (::link(native(path).constData(), native(candidate).constData()) == 0) {
            *backup = candidate;
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    const int from = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (from < 0) {
        *err = errno;
        return false;
    }
    QString candidate;
    const int to = createBeside(path, "alt", &candidate, err);
    bool readFailed = false;
    const bool copied = to >= 0 && copyContent(from, to, err, &readFailed) && finish(to, err);
    if (to >= 0 && !copied) {
        ::close(to);
        ::unlink(native(candidate).constData());
    }
    ::close(from);
    if (copied)
        *backup = candidate;
    return copied;
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

FileTransaction::~FileTransaction() { discard(); }

FileTransaction::Entry *FileTransaction::entryFor(const QString &target)
{
    for (Entry &e : m_entries)
        if (e.target == target)
            return &e;
    return nullptr;
}

bool FileTransaction::fail(const QString &path, const char *what, const QString &reason)
{
    m_reason = reason;
    m_error =
        QStringLiteral("Die Datei %1 kann nicht %2 werden: %3").arg(quoted(path), QString::fromUtf8(what), reason);
    return false;
}

void FileTransaction::drop(const QString &target)
{
    if (Entry *old = entryFor(target)) {
        ::unlink(native(old->temp).constData());
        m_entries.removeAt(old - m_entries.data());
    }
}

QString FileTransaction::stage(const QString &target)
{
    const QString real = resolved(target);
    drop(real);
    QString temp;
    int err = 0;
    const int fd = createBeside(real, "neu", &temp, &err);
    if (fd < 0) {
        fail(real, "angelegt", systemText(err));
        return {};
    }
    ::close(fd);
    m_entries.append({real, temp, QString(), false});
    return temp;
}

bool FileTransaction::write(const QString &target, const QByteArray &bytes)
{
    const QString temp = stage(target);
    if (temp.isEmpty())
        return false;
    const QString real = m_entries.last().target;
    int err = 0;
    const int fd = ::open(native(temp).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0 || !writeAll(fd, bytes.constData(), bytes.size(), &err)) {
        if (fd < 0)
            err = errno;
        else
            ::close(fd);
        drop(real);
        return fail(real, "geschrieben", systemText(err));
    }
    if (!finish(fd, &err)) {
        drop(real);
        return fail(real, "auf den Datenträger geschrieben", systemText(err));
    }
    return true;
}

bool FileTransaction::copy(const QString &source, const QString &target)
{
    const int from = ::open(native(source).constData(), O_RDONLY | O_CLOEXEC);
    if (from < 0)
        return fail(source, "gelesen", systemText(errno));
    const QString temp = stage(target);
    if (temp.isEmpty()) {
        ::close(from);
        return false;
    }
    const QString real = m_entries.last().target;
    int err = 0;
    bool readFailed = false;
    const int to = ::open(native(temp).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (to < 0)
        err = errno;
    const bool copied = to >= 0 && copyContent(from, to, &err, &readFailed);
    if (to >= 0 && !copied)
        ::close(to);
    const bool done = copied && finish(to, &err);
    ::close(from);
    if (done)
        return true;
    drop(real);
    return readFailed ? fail(source, "gelesen", systemText(err)) : fail(real, "geschrieben", systemText(err));
}

bool FileTransaction::replace(Entry &entry)
{
    const QByteArray target = native(entry.target);
    struct stat st;
    if (::lstat(target.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return fail(entry.target, "ersetzt", QStringLiteral("an ihrer Stelle steht keine gewöhnliche Datei"));
        int err = 0;
        if (!keepOld(entry.target, &entry.backup, &err))
            return fail(entry.target, "ersetzt", systemText(err));
    } else if (errno != ENOENT) {
        return fail(entry.target, "ersetzt", systemText(errno));
    }
    if (::rename(native(entry.temp).constData(), target.constData()) != 0)
        return fail(entry.target, "ersetzt", systemText(errno));
    entry.replaced = true;
    return true;
}

bool FileTransaction::commit()
{
    for (Entry &entry : m_entries) {
        if (!replace(entry)) {
            rollBack();
            discard();
            return false;
        }
    }
    QSet<QString> folders;
    for (const Entry &entry : std::as_const(m_entries))
        folders.insert(QFileInfo(entry.target).path());
    for (const QString &folder : std::as_const(folders))
        syncFolder(folder);
    for (const Entry &entry : std::as_const(m_entries))
        if (!entry.backup.isEmpty())
            ::unlink(native(entry.backup).constData());
    m_entries.clear();
    return true;
}

void FileTransaction::rollBack()
{
    QStringList kept;
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        Entry &e = *it;
        if (e.replaced && e.backup.isEmpty()) {
            ::unlink(native(e.target).constData());
        } else if (e.replaced) {
            // rename puts the old file back in one step; the target never goes missing.
            if (::rename(native(e.backup).constData(), native(e.target).constData()) != 0)
                kept << QStringLiteral("Die alte Fassung von %1 liegt unter %2.")
                            .arg(quoted(e.target), quoted(e.backup));
        } else if (!e.backup.isEmpty()) {
            ::unlink(native(e.backup).constData());
        }
        e.backup.clear();
    }
    if (!kept.isEmpty())
        m_error += QLatin1Char(' ') + kept.join(QLatin1Char(' '));
    else
        m_error += m_entries.size() == 1 ? QStringLiteral(" Die alte Datei ist unverändert.")
                                         : QStringLiteral(" Alle alten Dateien sind unverändert.");
}

void FileTransaction::discard()
{
    for (const Entry &e : std::as_const(m_entries))
        if (!e.replaced)
            ::unlink(native(e.temp).constData());
    m_entries.clear();
}

bool FileTransaction::writeFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    FileTransaction transaction;
    if (transaction.write(path, bytes) && transaction.commit())
        return true;
    if (reason)
        *reason = transaction.reason();
    return false;
}

} // namespace platform
