// Hands rows from the reading thread to the reader of a recordset.
#include "ado/FetchedRows.h"

#include "ado/AdoError.h"

namespace ado {

FetchedRows::FetchedRows(qsizetype announcedRows) : m_announced(announcedRows >= 0)
{
    if (m_announced)
        m_blocks.resize(size_t((announcedRows + kBlockRows - 1) / kBlockRows));
}

void FetchedRows::add(std::vector<ColumnData> block)
{
    const qsizetype rows = block.empty() ? 0 : block.front().size();
    Q_ASSERT(!m_announced || m_added < m_blocks.size());
    if (m_announced)
        m_blocks[m_added] = std::move(block);
    else
        m_blocks.push_back(std::move(block));
    ++m_added;
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_ready.store(m_ready.load(std::memory_order_relaxed) + rows, std::memory_order_release);
    }
    m_changed.notify_all();
}

void FetchedRows::finish(std::exception_ptr failure)
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_finished = true;
        m_failure = failure;
    }
    m_changed.notify_all();
}

void FetchedRows::waitFor(qsizetype row) const
{
    std::unique_lock<std::mutex> lock(m_lock);
    m_changed.wait(lock, [&] { return row < m_ready.load(std::memory_order_relaxed) || m_finished; });
    if (row < m_ready.load(std::memory_order_relaxed))
        return;
    if (m_failure)
        std::rethrow_exception(m_failure);
    raiseNoCurrentRecord();
}

} // namespace ado
