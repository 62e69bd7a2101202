// A transfer source that reads another one ahead on a thread of its own, so that reading the table
// file and converting and storing what was read run side by side. The records, their error codes and
// any failure come out exactly as the source gives them, in the same order and at the same call.
#pragma once

#include "RecordSource.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace records {

class ReadAheadSource final : public RecordSource
{
public:
    // Reads `count` records of `source` (its cursor on the first of them). From the first GetDataEx
    // until this object is gone the source is used by the reading thread alone, so it must use
    // nothing bound to the calling thread.
    ReadAheadSource(RecordSource &source, long count);
    ~ReadAheadSource() override;
    ReadAheadSource(const ReadAheadSource &) = delete;
    ReadAheadSource &operator=(const ReadAheadSource &) = delete;

    long RecordCount() override;
    void MoveFirst() override;
    // The ids must be the same on every call of one transfer.
    long GetDataEx(const QVector<qint16> &ids, QStringList &values) override;
    void MoveNext() override;

private:
    // One record as the reading thread met it: the read's outcome, then the move to the next one.
    struct Record
    {
        long code = 0;
        QStringList values;
        std::exception_ptr readFailure;
        std::exception_ptr moveFailure;
    };
    using Batch = std::vector<Record>;

    void start(const QVector<qint16> &ids);
    void read(QVector<qint16> ids, long count);
    bool readBatch(const QVector<qint16> &ids, Batch &batch, long &left);
    void stop();
    void goDirect();
    // The record the cursor stands on; null once everything read ahead is used up.
    Record *current();

    RecordSource &m_source;
    long m_count;
    bool m_started = false;
    bool m_direct = false; // past what was read ahead, or after a failure: the source answers itself

    std::mutex m_lock;
    std::condition_variable m_changed;
    std::deque<Batch> m_ready;   // read, waiting for the transfer
    std::vector<Batch> m_spare;  // used up; their strings' capacity is read into again
    bool m_finished = false;     // the reading thread has nothing more to give
    bool m_stopping = false;
    std::thread m_reader;

    Batch m_batch; // the one the transfer is walking
    size_t m_at = 0;
};

} // namespace records
