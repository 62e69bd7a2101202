// The reading thread of the external-data transfer.
#include "ADOCellReader.h"

#include "ADOValues.h"
#include "ado/AdoError.h"
#include "ado/Recordset.h"

#include <algorithm>

namespace records {

namespace {

// Rows handed over at once, and blocks read ahead at most: enough to keep both threads busy,
// little enough that a cancelled transfer has not converted far for nothing.
constexpr long BlockRows = 256;
constexpr size_t MaxReadyBlocks = 16;

} // namespace

ADOCellReader::ADOCellReader(ado::Recordset &recordset, const QVector<int> &codes, long rows)
    : m_recordset(recordset), m_codes(codes)
{
    m_reader = std::thread([this, rows] { read(rows); });
}

ADOCellReader::~ADOCellReader()
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_reader.join();
}

void ADOCellReader::read(long rows)
{
    try {
        const ado::Fields &fields = m_recordset.Fields();
        const int columns = int(m_codes.size());
        for (long left = rows; left > 0;) {
            const long count = std::min(left, BlockRows);
            Block block;
            block.reserve(size_t(count * columns));
            for (long r = 0; r < count; ++r) {
                for (int i = 0; i < columns; ++i)
                    block.push_back(ADOCellValue(m_codes.at(i), fields.Item(i).Value()));
                m_recordset.MoveNext();
            }
            left -= count;
            if (!hand(std::move(block)))
                return;
        }
    } catch (...) {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_failure = std::current_exception();
    }
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_done = true;
    }
    m_changed.notify_all();
}

bool ADOCellReader::hand(Block block)
{
    {
        std::unique_lock<std::mutex> lock(m_lock);
        m_changed.wait(lock, [this] { return m_stopping || m_ready.size() < MaxReadyBlocks; });
        if (m_stopping)
            return false;
        m_ready.push_back(std::move(block));
    }
    m_changed.notify_all();
    return true;
}

const QVariant *ADOCellReader::nextRow()
{
    if (m_at >= m_block.size()) {
        {
            std::unique_lock<std::mutex> lock(m_lock);
            m_changed.wait(lock, [this] { return !m_ready.empty() || m_done; });
            if (m_ready.empty()) {
                if (m_failure)
                    std::rethrow_exception(m_failure);
                ado::raiseNoCurrentRecord();
            }
            m_block = std::move(m_ready.front());
            m_ready.pop_front();
        }
        m_changed.notify_all();
        m_at = 0;
    }
    const QVariant *row = m_block.data() + m_at;
    m_at += size_t(m_codes.size());
    return row;
}

} // namespace records
