// Reads the cells of a recordset's rows and converts them for the table on a thread of its own,
// some rows ahead of the row the table takes, so that converting and filling run side by side.
#pragma once

#include <QVariant>
#include <QVector>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace ado {
class Recordset;
}

namespace records {

class ADOCellReader final
{
public:
    // Reads `rows` rows from the current one on, each cell converted by ADOCellValue with the
    // FieldTypeCode of its column. Until this object is gone the recordset is used by the reading
    // thread alone.
    ADOCellReader(ado::Recordset &recordset, const QVector<int> &codes, long rows);
    // Stops the reading thread.
    ~ADOCellReader();
    ADOCellReader(const ADOCellReader &) = delete;
    ADOCellReader &operator=(const ADOCellReader &) = delete;

    // The converted cells of the next row, one per column, valid until the next call; waits for
    // them. Rethrows what reading that row met.
    const QVariant *nextRow();

private:
    using Block = std::vector<QVariant>; // rows one after another, a cell per column

    void read(long rows);
    bool hand(Block block);

    ado::Recordset &m_recordset;
    const QVector<int> m_codes;

    std::mutex m_lock;
    std::condition_variable m_changed;
    std::deque<Block> m_ready;
    bool m_done = false;
    bool m_stopping = false;
    std::exception_ptr m_failure;
    std::thread m_reader;

    Block m_block; // the one the table takes from
    size_t m_at = 0;
};

} // namespace records
