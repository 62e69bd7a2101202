// Reads a transfer source ahead on a thread of its own.
#include "ReadAheadSource.h"

#include <algorithm>
#include <utility>

namespace records {

namespace {

// Records handed over at once, and batches read ahead at most: enough to keep both threads busy,
// little enough that a cancelled transfer has not read far for nothing.
constexpr size_t BatchRecords = 256;
constexpr size_t MaxReadyBatches = 16;

} // namespace

ReadAheadSource::ReadAheadSource(RecordSource &source, long count) : m_source(source), m_count(count) {}

ReadAheadSource::~ReadAheadSource()
{
    stop();
}

long ReadAheadSource::RecordCount()
{
    return m_count;
}

void ReadAheadSource::MoveFirst()
{
    goDirect();
    m_source.MoveFirst();
}

void ReadAheadSource::start(const QVector<qint16> &ids)
{
    m_started = true;
    m_finished = false;
    m_stopping = false;
    m_batch.clear();
    m_at = 0;
    m_reader = std::thread([this, ids] { read(ids, m_count); });
}

void ReadAheadSource::stop()
{
    if (!m_reader.joinable())
        return;
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_reader.join();
    m_ready.clear();
}

void ReadAheadSource::read(QVector<qint16> ids, long count)
{
    long left = count;
    bool more = left > 0;
    while (more) {
        Batch batch;
        {
            std::unique_lock<std::mutex> lock(m_lock);
            m_changed.wait(lock, [this] { return m_stopping || m_ready.size() < MaxReadyBatches; });
            if (m_stopping)
                break;
            if (!m_spare.empty()) {
                batch = std::move(m_spare.back());
                m_spare.pop_back();
            }
        }
        more = readBatch(ids, batch, left);
        {
            const std::lock_guard<std::mutex> lock(m_lock);
            m_ready.push_back(std::move(batch));
        }
        m_changed.notify_all();
    }
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_finished = true;
    }
    m_changed.notify_all();
}

// Reads up to a batch of records; false when the reading is over (all read, or a call failed: the
// transfer meets that failure where it would have met it, and reads no further).
bool ReadAheadSource::readBatch(const QVector<qint16> &ids, Batch &batch, long &left)
{
    const size_t n = size_t(std::min<long>(left, long(BatchRecords)));
    batch.resize(n);
    for (size_t k = 0; k < n; ++k) {
        Record &record = batch[k];
        record.readFailure = nullptr;
        record.moveFailure = nullptr;
        --left;
        try {
            record.code = m_source.GetDataEx(ids, record.values);
        } catch (...) {
            record.readFailure = std::current_exception();
            batch.resize(k + 1);
            return false;
        }
        try {
            m_source.MoveNext();
        } catch (...) {
            record.moveFailure = std::current_exception();
            batch.resize(k + 1);
            return false;
        }
    }
    return left > 0;
}

ReadAheadSource::Record *ReadAheadSource::current()
{
    if (m_at < m_batch.size())
        return &m_batch[m_at];
    std::unique_lock<std::mutex> lock(m_lock);
    if (!m_batch.empty())
        m_spare.push_back(std::move(m_batch));
    m_batch.clear();
    m_at = 0;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return !m_ready.empty() || m_finished; });
    if (m_ready.empty())
        return nullptr;
    m_batch = std::move(m_ready.front());
    m_ready.pop_front();
    m_changed.notify_all();
    return m_batch.empty() ? nullptr : &m_batch[0];
}

long ReadAheadSource::GetDataEx(const QVector<qint16> &ids, QStringList &values)
{
    if (m_direct)
        return m_source.GetDataEx(ids, values);
    if (!m_started)
        start(ids);
    Record *record = current();
    if (!record) {
        // Read to the end: the source's cursor stands where the transfer's would, so it answers.
        goDirect();
        return m_source.GetDataEx(ids, values);
    }
    if (record->readFailure) {
        // The reader stopped on this record without moving on; a retry reads it again.
        const std::exception_ptr failure = record->readFailure;
        goDirect();
        std::rethrow_exception(failure);
    }
    values.swap(record->values); // the strings go back to the reader with the batch
    return record->code;
}

void ReadAheadSource::MoveNext()
{
    Record *record = m_direct || !m_started ? nullptr : current();
    if (!record) {
        goDirect();
        m_source.MoveNext();
        return;
    }
    ++m_at;
    if (record->moveFailure) {
        const std::exception_ptr failure = record->moveFailure;
        goDirect();
        std::rethrow_exception(failure);
    }
}

// From here on the source is asked directly, on the calling thread.
void ReadAheadSource::goDirect()
{
    stop();
    m_batch.clear();
    m_at = 0;
    m_direct = true;
}

} // namespace records
