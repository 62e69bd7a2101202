// Replacing files together: new files beside the targets, written with every byte checked and
// flushed, then renamed over the targets, with hard links (or copies) of the old files as the way
// back. The journal names every file of a commit before the first rename and goes only after the
// last backup, so no crash leaves a file that no journal accounts for.
#include "FileTransaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QMutex>
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
const QString kStagedTag = QStringLiteral(".neu~");
const QByteArray kJournalHead = "datolux-journal 1";
const QByteArray kJournalEnd = "ende";
const QByteArray kJournalDone = "fertig";

QByteArray native(const QString &path) { return QFile::encodeName(path); }

QString systemText(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

QString quoted(const QString &path) { return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"'); }

std::function<bool(FileTransaction::Step, int)> &testHook()
{
    static std::function<bool(FileTransaction::Step, int)> hook;
    return hook;
}

bool allowed(FileTransaction::Step step, int index) { return !testHook() || testHook()(step, index); }

// The files that transactions of this process have staged and not yet given up.
struct StagedFiles
{
    QMutex mutex;
    QSet<QString> paths;
};

StagedFiles &stagedFiles()
{
    static StagedFiles files;
    return files;
}

void setStaged(const QString &path, bool staged)
{
    StagedFiles &files = stagedFiles();
    const QMutexLocker locker(&files.mutex);
    if (staged)
        files.paths.insert(path);
    else
        files.paths.remove(path);
}

bool isStaged(const QString &path)
{
    StagedFiles &files = stagedFiles();
    const QMutexLocker locker(&files.mutex);
    return files.paths.contains(path);
}

// A target that is a symbolic link is replaced where the link points, so the link stays a link.
QString resolved(const QString &target)
{
    const QFileInfo info(target);
    if (!info.isSymLink())
        return target;
    const QString pointed = info.symLinkTarget();
    return pointed.isEmpty() ? target : pointed;
}

// Short, so that a long file name still has room for it.
QString besideName(const QString &path, const char *tag)
{
    return QStringLiteral("%1.%2~%3")
        .arg(path, QLatin1String(tag))
        .arg(QRandomGenerator::global()->generate() & 0xffff, 4, 16, QLatin1Char('0'));
}

bool isStagedTag(QStringView tag)
{
    return !tag.isEmpty() && tag.size() <= 8 &&
           std::all_of(tag.begin(), tag.end(), [](QChar c) { return QStringLiteral("0123456789abcdef").contains(c); });
}

// A new file of that name, with the permissions of model when it exists.
int createNew(const QString &name, const QString &model, int *err)
{
    const int fd = ::open(native(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        *err = errno;
        return -1;
    }
    struct stat st;
    if (::stat(native(model).constData(), &st) == 0 && S_ISREG(st.st_mode))
        ::fchmod(fd, st.st_mode & 07777);
    return fd;
}

int createBeside(const QString &path, const char *tag, QString *created, int *err)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = besideName(path, tag);
        const int fd = createNew(candidate, path, err);
        if (fd >= 0) {
            *created = candidate;
            return fd;
        }
        if (*err != EEXIST)
            return -1;
    }
    return -1;
}

// A name beside path that no file has yet; "" when none was found.
QString freeName(const QString &path, const char *tag)
{
    struct stat st;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = besideName(path, tag);
        if (::lstat(native(candidate).constData(), &st) != 0 && errno == ENOENT)
            return candidate;
    }
    return {};
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

// Writes bytes into the open file fd, flushes and closes it; 0, or the error (*flushFailed, where
// asked, tells that the bytes were written but did not reach the disk).
int writeOut(int fd, const QByteArray &bytes, bool *flushFailed = nullptr)
{
    int err = 0;
    if (!writeAll(fd, bytes.constData(), bytes.size(), &err)) {
        ::close(fd);
        return err;
    }
    const bool flushed = finish(fd, &err);
    if (flushFailed)
        *flushFailed = !flushed;
    return err;
}

// Writes bytes into the existing file at path and flushes it; 0, or the error as writeOut says it.
int fill(const QString &path, const QByteArray &bytes, bool *flushFailed = nullptr)
{
    const int fd = ::open(native(path).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    return fd < 0 ? errno : writeOut(fd, bytes, flushFailed);
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
// A hard link costs nothing; where the file system has none, a checked copy does the same. 0 or
// the error.
int keepOld(const QString &path, const QString &backup)
{
    if (::link(native(path).constData(), native(backup).constData()) == 0)
        return 0;
    const int from = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (from < 0)
        return errno;
    int err = 0;
    const int to = createNew(backup, path, &err);
    bool readFailed = false;
    const bool copied = to >= 0 && copyContent(from, to, &err, &readFailed) && finish(to, &err);
    if (to >= 0 && !copied) {
        ::close(to);
        ::unlink(native(backup).constData());
    }
    ::close(from);
    return copied ? 0 : err;
}

int syncFolder(const QString &folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int err = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    // A file system that cannot sync a folder has nothing of it to lose.
    return err == EINVAL || err == ENOTSUP ? 0 : err;
}

bool exists(const QString &path)
{
    struct stat st;
    return ::lstat(native(path).constData(), &st) == 0;
}

int unlinkIfThere(const QString &path)
{
    return ::unlink(native(path).constData()) == 0 || errno == ENOENT ? 0 : errno;
}

int renamed(const QString &from, const QString &to)
{
    return ::rename(native(from).constData(), native(to).constData()) == 0 ? 0 : errno;
}

// The file at path is the new file of that inode and size.
bool isFile(const QString &path, quint64 inode, qint64 size)
{
    struct stat st;
    return inode != 0 && ::stat(native(path).constData(), &st) == 0 && st.st_ino == inode && st.st_size == size;
}

QByteArray field(const QString &path) { return path.isEmpty() ? "-" : native(path).toPercentEncoding(); }

QString unfield(const QByteArray &text)
{
    return text == "-" ? QString() : QFile::decodeName(QByteArray::fromPercentEncoding(text));
}

} // namespace

FileTransaction::FileTransaction(const QString &journal) : m_journal(journal) {}

FileTransaction::~FileTransaction() { discard(); }

void FileTransaction::setTestHook(std::function<bool(Step, int)> hook) { testHook() = std::move(hook); }

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
        if (!old->temp.isEmpty()) {
            ::unlink(native(old->temp).constData());
            setStaged(old->temp, false);
        }
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
    setStaged(temp, true);
    m_entries.append({real, temp});
    return temp;
}

void FileTransaction::remove(const QString &target)
{
    drop(target);
    m_entries.append({target, QString()});
}

bool FileTransaction::write(const QString &target, const QByteArray &bytes)
{
    const QString temp = stage(target);
    if (temp.isEmpty())
        return false;
    const QString real = m_entries.last().target;
    bool flushFailed = false;
    const int err = fill(temp, bytes, &flushFailed);
    if (err == 0)
        return true;
    drop(real);
    return fail(real, flushFailed ? "auf den Datenträger geschrieben" : "geschrieben", systemText(err));
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

bool FileTransaction::commit()
{
    m_error.clear();
    bool done = prepare() && (m_journal.isEmpty() || writeJournal());
    for (int i = 0; done && i < m_entries.size(); ++i)
        done = replace(m_entries[i], i);
    if (!done || !syncFolders(1)) {
        rollBack();
        return false;
    }
    removeBackups();
    return true;
}

// Finds which targets have an old file, and names the backups and the new files, before anything
// is replaced: the journal has to tell every step of the commit apart.
bool FileTransaction::prepare()
{
    // A single file needs no way back without a journal: its rename replaces it whole or not at all.
    const bool single = m_journal.isEmpty() && m_entries.size() == 1 && !m_entries.first().temp.isEmpty();
    for (Entry &e : m_entries) {
        struct stat st;
        if (::lstat(native(e.target).constData(), &st) == 0) {
            if (!S_ISREG(st.st_mode) && !(e.temp.isEmpty() && S_ISLNK(st.st_mode)))
                return fail(e.target, "ersetzt", QStringLiteral("an ihrer Stelle steht keine gewöhnliche Datei"));
            e.hadOld = true;
        } else if (errno != ENOENT) {
            return fail(e.target, "ersetzt", systemText(errno));
        }
        if (e.hadOld && !single) {
            e.backup = freeName(e.target, "alt");
            if (e.backup.isEmpty())
                return fail(e.target, "ersetzt", systemText(EEXIST));
        }
        if (!e.temp.isEmpty()) {
            if (::stat(native(e.temp).constData(), &st) != 0)
                return fail(e.target, "ersetzt", systemText(errno));
            e.inode = st.st_ino;
            e.size = st.st_size;
        }
    }
    return true;
}

// One line per file: target, new file, backup, the new file's inode and size; the end line tells
// that the journal is whole. Synced with the folder before anything is renamed.
bool FileTransaction::writeJournal()
{
    QByteArray text = kJournalHead + '\n';
    for (const Entry &e : std::as_const(m_entries))
        text += field(e.target) + ' ' + field(e.temp) + ' ' + field(e.backup) + ' ' + QByteArray::number(e.inode) +
                ' ' + QByteArray::number(e.size) + '\n';
    text += kJournalEnd + '\n';
    int err = allowed(Step::Journal, 0) ? 0 : EIO;
    const int fd = err ? -1 : ::open(native(m_journal).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (!err && fd < 0)
        err = errno;
    if (fd >= 0) {
        m_journalWritten = true;
        err = writeOut(fd, text);
    }
    return err ? fail(m_journal, "geschrieben", systemText(err)) : syncFolders(0);
}

bool FileTransaction::replace(Entry &e, int index)
{
    const bool removal = e.temp.isEmpty();
    if (removal && !e.hadOld)
        return true;
    int err = removal || e.backup.isEmpty() ? 0 : keepOld(e.target, e.backup);
    if (err == 0 && !allowed(Step::Rename, index))
        err = EIO;
    if (err == 0)
        err = removal ? renamed(e.target, e.backup) : renamed(e.temp, e.target);
    return err == 0 || fail(e.target, removal ? "entfernt" : "ersetzt", systemText(err));
}

bool FileTransaction::syncFolders(int index)
{
    QStringList folders;
    if (!m_journal.isEmpty())
        folders << QFileInfo(m_journal).path();
    for (const Entry &e : std::as_const(m_entries))
        folders << QFileInfo(e.target).path();
    folders.removeDuplicates();
    for (const QString &folder : std::as_const(folders)) {
        const int err = allowed(Step::Sync, index) ? syncFolder(folder) : EIO;
        if (err != 0) {
            m_reason = systemText(err);
            m_error = QStringLiteral("Der Ordner %1 kann nicht auf den Datenträger geschrieben werden: %2")
                          .arg(quoted(folder), m_reason);
            return false;
        }
    }
    return true;
}

// Every new file is in place and on the disk: the journal says so, then the old files go, and the
// journal only after them, so that no old file is ever left without the journal that names it. One
// that stays is named in errorString, and so is a journal that stays with it for the next recover().
void FileTransaction::removeBackups()
{
    QStringList left;
    if (!markDone()) {
        discard();
        return;
    }
    for (int i = 0; i < m_entries.size(); ++i) {
        const Entry &e = m_entries.at(i);
        const int err = e.backup.isEmpty() ? 0 : allowed(Step::RemoveBackup, i) ? unlinkIfThere(e.backup) : EIO;
        if (err != 0)
            left << QStringLiteral("Die alte Fassung von %1 unter %2 kann nicht gelöscht werden: %3")
                        .arg(quoted(e.target), quoted(e.backup), systemText(err));
    }
    if (left.isEmpty() && !closeJournal())
        left << m_error;
    m_error = left.join(QLatin1Char(' '));
    discard();
}

// Puts back the old file of an entry, whatever step the commit reached before it was marked done;
// false when the old file stays under its backup name (or is gone, for a single file replaced
// without one). The new file's own name tells whether it was renamed: it goes in that one step.
bool FileTransaction::undo(const Entry &e, int index)
{
    if (!allowed(Step::Undo, index))
        return false;
    if (e.temp.isEmpty()) {
        const int err = e.backup.isEmpty() ? 0 : renamed(e.backup, e.target);
        return err == 0 || err == ENOENT;
    }
    if (exists(e.temp)) {
        // Never renamed: the old file is still in place. The backup goes first, so that no state
        // between shows a backup without its new file, as a renamed entry would.
        unlinkIfThere(e.backup);
        ::unlink(native(e.temp).constData());
        return true;
    }
    if (e.backup.isEmpty())
        return !e.hadOld && unlinkIfThere(e.target) == 0;
    const int err = renamed(e.backup, e.target);
    // The backup stays under its name only when it named the target's own file (a rename of two
    // names of one file does nothing): the new file never replaced it.
    ::unlink(native(e.backup).constData());
    return err == 0 || err == ENOENT;
}

void FileTransaction::rollBack()
{
    const QString error = m_error;
    const QString reason = m_reason;
    QStringList kept;
    for (qsizetype i = m_entries.size() - 1; i >= 0; --i) {
        const Entry &e = m_entries.at(i);
        if (!undo(e, int(i)))
            kept << (e.backup.isEmpty() ? QStringLiteral("%1 hat schon den neuen Inhalt.").arg(quoted(e.target))
                                        : QStringLiteral("Die alte Fassung von %1 liegt unter %2.")
                                              .arg(quoted(e.target), quoted(e.backup)));
    }
    // A journal stays while an old file is not back, so that recover() can still bring it back.
    if (kept.isEmpty())
        closeJournal();
    m_error = error;
    m_reason = reason;
    if (!kept.isEmpty())
        m_error += QLatin1Char(' ') + kept.join(QLatin1Char(' '));
    else
        m_error += m_entries.size() == 1 ? QStringLiteral(" Die alte Datei ist unverändert.")
                                         : QStringLiteral(" Alle alten Dateien sind unverändert.");
    discard();
}

// Removes the journal once the state it leaves is on the disk; false (the journal stays) when
// that cannot be made sure.
bool FileTransaction::closeJournal()
{
    if (!m_journalWritten)
        return true;
    if (!syncFolders(2))
        return false;
    if (const int err = unlinkIfThere(m_journal))
        return fail(m_journal, "gelöscht", systemText(err));
    m_journalWritten = false;
    syncFolders(3);
    return true;
}

// Appends the mark that every new file is in place and on the disk: from here on a commit only goes
// forward, even where the old files are partly gone already.
bool FileTransaction::markDone()
{
    if (!m_journalWritten || m_done)
        return true;
    const int fd = ::open(native(m_journal).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    const int err = fd < 0 ? errno : writeOut(fd, kJournalDone + '\n');
    m_done = err == 0;
    return m_done || fail(m_journal, "geschrieben", systemText(err));
}

bool FileTransaction::complete() const
{
    return std::all_of(m_entries.begin(), m_entries.end(), [](const Entry &e) {
        return e.temp.isEmpty() || isFile(e.temp, e.inode, e.size) || isFile(e.target, e.inode, e.size);
    });
}

bool FileTransaction::rollForward(QStringList *problems)
{
    for (const Entry &e : std::as_const(m_entries)) {
        int err = 0;
        if (e.temp.isEmpty())
            err = unlinkIfThere(e.target);
        else if (exists(e.temp))
            err = renamed(e.temp, e.target);
        if (err != 0) {
            *problems << QStringLiteral("Die Datei %1 kann nicht ersetzt werden: %2")
                             .arg(quoted(e.target), systemText(err));
            return false;
        }
    }
    return syncFolders(1);
}

// Only lines that end in a line break count: a line cut off by a crash could name a file that
// is no file of the commit.
bool FileTransaction::parseJournal(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    lines.removeLast();
    if (lines.isEmpty() || lines.takeFirst() != kJournalHead)
        return false;
    for (const QByteArray &line : std::as_const(lines)) {
        if (line == kJournalEnd) {
            m_done = lines.last() == kJournalDone;
            return true;
        }
        const QList<QByteArray> f = line.split(' ');
        if (f.size() != 5)
            return false;
        Entry e{unfield(f[0]), unfield(f[1]), unfield(f[2])};
        e.hadOld = !e.backup.isEmpty();
        e.inode = f[3].toULongLong();
        e.size = f[4].toLongLong();
        m_entries.append(e);
    }
    return false;
}

bool FileTransaction::recover(const QString &journal, QString *error)
{
    struct stat st;
    if (::lstat(native(journal).constData(), &st) != 0 && errno == ENOENT)
        return true;
    FileTransaction t(journal);
    t.m_journalWritten = true;
    QFile file(journal);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2").arg(quoted(journal), file.errorString());
        return false;
    }
    // A journal that is not whole was cut off before the first rename: nothing was replaced.
    if (!t.parseJournal(file.readAll()))
        t.m_entries.clear();
    QStringList problems;
    if (!t.m_entries.isEmpty() && (t.m_done || t.complete()) && t.rollForward(&problems))
        t.removeBackups();
    else if (!t.m_done)
        t.rollBack();
    else
        t.discard(); // marked done, so old files may be gone: only going forward is left, another time
    if (!t.m_journalWritten)
        return true;
    *error = (problems + QStringList{t.m_error.trimmed()}).join(QLatin1Char(' '));
    return false;
}

void FileTransaction::removeStaged(const QStringList &targets)
{
    QMap<QString, QStringList> prefixes;
    for (const QString &target : targets) {
        const QFileInfo info(resolved(target));
        prefixes[info.path()] << info.fileName() + kStagedTag;
    }
    for (auto it = prefixes.cbegin(); it != prefixes.cend(); ++it) {
        const QDir folder(it.key());
        for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
            for (const QString &prefix : it.value())
                if (name.startsWith(prefix) && isStagedTag(QStringView(name).mid(prefix.size())))
                    ::unlink(native(folder.filePath(name)).constData());
    }
}

// Forgets every entry, removing the new files that no commit took.
void FileTransaction::discard()
{
    for (const Entry &e : std::as_const(m_entries)) {
        if (e.temp.isEmpty())
            continue;
        ::unlink(native(e.temp).constData());
        setStaged(e.temp, false);
    }
    m_entries.clear();
}

bool FileTransaction::writeFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    // A file staged by a transaction is nobody's content yet: it is written in place, so that its
    // name does not grow by a second staging suffix.
    if (isStaged(path)) {
        const int err = fill(path, bytes);
        if (err != 0 && reason)
            *reason = systemText(err);
        return err == 0;
    }
    FileTransaction transaction;
    if (transaction.write(path, bytes) && transaction.commit())
        return true;
    if (reason)
        *reason = transaction.reason();
    return false;
}

} // namespace platform
