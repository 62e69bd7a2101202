// A POSIX file descriptor with positioned reads and writes and an advisory whole-file lock (flock),
// so that readers and writers in several processes never see a half-written record or header.
#pragma once

#include <QString>

namespace dbf {

class LockedFile
{
public:
    enum class Mode { Read, ReadWrite };
    enum class Lock { Shared, Exclusive };

    LockedFile() = default;
    ~LockedFile();
    LockedFile(const LockedFile &) = delete;
    LockedFile &operator=(const LockedFile &) = delete;

    // Throws DbfError (CannotOpen) naming the file and the system's reason.
    void open(const QString &path, Mode mode);
    // Creates or truncates the file for writing.
    void create(const QString &path);
    // Opens, for reading, another description of the file that other has open: the same file even when
    // its path names another one by now, with a lock of its own. Throws DbfError (CannotOpen).
    void openSame(const LockedFile &other);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    QString path() const { return m_path; }

    // Blocks until granted. flock locks belong to the open file, so two LockedFile objects on
    // one file exclude each other even within one process. One exception keeps a thread from
    // waiting for itself: a shared lock on a file that this process already holds exclusively
    // (a writer's batch still open while the same code reads the table) is granted at once.
    void lock(Lock kind);
    // Like lock(Lock::Shared), but false at once where that would wait for a writer.
    bool tryLockShared();
    void unlock();

    // A number that changes whenever this process takes an exclusive lock on the file, through any
    // LockedFile; -1 while this process holds one. Equal numbers at two moments mean that no writer of
    // this process can have changed the file in between.
    qint64 exclusiveStamp() const;

    qint64 size() const;
    // Reads up to len bytes at pos; returns how many were read (fewer only at the end of the file).
    qint64 readAt(qint64 pos, char *buffer, qint64 len) const;
    // Reads exactly len bytes or throws DbfError (Damaged) with the given problem text.
    void readExactly(qint64 pos, char *buffer, qint64 len, const QString &problemIfShort) const;
    void writeAt(qint64 pos, const char *data, qint64 len);
    void sync();

    // RAII lock holder.
    class Guard
    {
    public:
        Guard(LockedFile &file, Lock kind) : m_file(file) { m_file.lock(kind); }
        ~Guard() { m_file.unlock(); }
        Guard(const Guard &) = delete;
        Guard &operator=(const Guard &) = delete;

    private:
        LockedFile &m_file;
    };

private:
    [[noreturn]] void fail(const QString &what, int err) const;

    int m_fd = -1;
    QString m_path;
    enum class Held { None, Shared, SharedWithinOwnExclusive, Exclusive };
    Held m_held = Held::None;
};

} // namespace dbf
