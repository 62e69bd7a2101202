// Reads the next stretch of a table file in a thread of its own while the caller works through the
// current one, so that a sequential scan does not wait for the copying out of the file.
#pragma once

#include "LockedFile.h"

#include <QByteArray>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace dbf {

class ChunkPrefetcher
{
public:
    // Reads through another description of the file that file has open, under a shared lock of its
    // own. Throws DbfError when that description cannot be opened.
    explicit ChunkPrefetcher(const LockedFile &file);
    ~ChunkPrefetcher();
    ChunkPrefetcher(const ChunkPrefetcher &) = delete;
    ChunkPrefetcher &operator=(const ChunkPrefetcher &) = delete;

    // Starts reading len bytes at pos; a read not taken by then is dropped.
    void request(qint64 pos, qint64 len);
    // Hands over the bytes of the last request, if it was for exactly pos and len, read them all, and
    // no writer of this process has taken the file since (waits for the read if it is still running).
    // out is swapped with the read bytes. False (out unchanged) when the caller has to read itself.
    bool take(qint64 pos, qint64 len, QByteArray &out);
    // Drops a request and whatever it has read, so that nothing read before now is handed over.
    void drop();

private:
    void run();
    // The exclusive stamp under which buffer was filled, -1 when it was not (or not whole).
    qint64 readRequested(qint64 pos, qint64 len, QByteArray &buffer);

    LockedFile m_file;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_stop = false;
    bool m_pending = false; // requested, not yet read
    bool m_busy = false;    // being read
    bool m_ready = false;   // read whole and not dropped
    quint64 m_generation = 0; // counts requests and drops, so that a read overtaken by one is not handed over
    qint64 m_pos = 0;
    qint64 m_len = 0;
    qint64 m_stamp = -1; // the file's exclusive stamp when it was read
    QByteArray m_bytes;
    std::thread m_thread;
};

} // namespace dbf
