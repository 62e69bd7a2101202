// The background reader of a table's next stretch of records.
#include "ChunkPrefetcher.h"

namespace dbf {

ChunkPrefetcher::ChunkPrefetcher(const LockedFile &file)
{
    m_file.openSame(file);
    m_thread = std::thread([this] { run(); });
}

ChunkPrefetcher::~ChunkPrefetcher()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void ChunkPrefetcher::request(qint64 pos, qint64 len)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_generation;
        m_pos = pos;
        m_len = len;
        m_pending = true;
        m_ready = false;
    }
    m_changed.notify_all();
}

bool ChunkPrefetcher::take(qint64 pos, qint64 len, QByteArray &out)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (pos != m_pos || len != m_len)
        return false;
    m_changed.wait(lock, [this] { return !m_pending && !m_busy; });
    if (!m_ready)
        return false;
    m_ready = false;
    // A writer of this process does not wait for the lock of our read; its stamp tells of it instead.
    if (m_file.exclusiveStamp() != m_stamp)
        return false;
    out.swap(m_bytes);
    return true;
}

void ChunkPrefetcher::drop()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_generation;
    m_pending = false;
    m_ready = false;
}

void ChunkPrefetcher::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stop || m_pending; });
        if (m_stop)
            return;
        m_pending = false;
        m_busy = true;
        const qint64 pos = m_pos, len = m_len;
        const quint64 generation = m_generation;
        QByteArray buffer;
        buffer.swap(m_bytes);
        lock.unlock();
        const qint64 stamp = readRequested(pos, len, buffer);
        lock.lock();
        m_busy = false;
        m_bytes.swap(buffer);
        m_stamp = stamp;
        m_ready = stamp >= 0 && generation == m_generation;
        m_changed.notify_all();
    }
}

// Never waits for the lock: the thread that asked may itself hold the file's exclusive lock through
// a writer and wait for this read. It reads itself then, as it does when anything goes wrong here.
qint64 ChunkPrefetcher::readRequested(qint64 pos, qint64 len, QByteArray &buffer)
{
    qint64 stamp = -1;
    try {
        if (!m_file.tryLockShared())
            return -1;
        // While this process writes the file, the lock does not keep its writer out.
        stamp = m_file.exclusiveStamp();
        if (stamp >= 0) {
            buffer.resize(qsizetype(len));
            if (m_file.readAt(pos, buffer.data(), len) != len)
                stamp = -1;
        }
    } catch (...) {
        stamp = -1;
    }
    m_file.unlock();
    return stamp;
}

} // namespace dbf
