// An exclusive lock on a lock file, so that two programs never write the same files at once.
#pragma once

#include <QString>

namespace platform {

class FileLock final
{
public:
    FileLock() = default;
    ~FileLock() { release(); }
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Takes the lock on path (created when missing), trying again for up to waitMs while another
    // holds it. False with busy() when another still holds it, else with the system's reason.
    bool acquire(const QString &path, int waitMs = 2000);
    // Removes the lock file and frees the lock; the destructor does the same.
    void release();

    bool held() const { return m_fd >= 0; }
    bool busy() const { return m_busy; }
    QString reason() const { return m_reason; }

private:
    int m_fd = -1;
    QString m_path;
    bool m_busy = false;
    QString m_reason;
};

} // namespace platform
