// The rows of a result in blocks of column stores, readable while a reading thread still adds
// blocks behind them.
#pragma once

#include "ado/ColumnData.h"

#include <QVariant>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <vector>

namespace ado {

class FetchedRows final
{
public:
    // Every block but the last holds this many rows, so a row's block is found by division.
    static constexpr qsizetype kBlockRows = 4096;

    // announcedRows >= 0: that many rows will come while they are read (at most that many blocks
    // are added, one thread adds them). -1: every block is added before any row is read.
    explicit FetchedRows(qsizetype announcedRows = -1);
    FetchedRows(const FetchedRows &) = delete;
    FetchedRows &operator=(const FetchedRows &) = delete;

    // Adds a block: kBlockRows rows, or fewer in the last one.
    void add(std::vector<ColumnData> block);
    // No block follows; failure, when set, is what reading the rest met.
    void finish(std::exception_ptr failure = nullptr);

    // The rows added so far.
    qsizetype count() const { return m_ready.load(std::memory_order_acquire); }
    // A cell, waiting for its block while it is still being read. Rethrows what reading met before
    // the row; error 3021 when the rows ended before it.
    QVariant value(int column, qsizetype row) const
    {
        if (row >= count())
            waitFor(row);
        return m_blocks[size_t(row / kBlockRows)][size_t(column)].value(row % kBlockRows);
    }

private:
    void waitFor(qsizetype row) const;

    // Sized once for the announced rows, so that adding a block writes one element and never
    // moves the others under a reader.
    std::vector<std::vector<ColumnData>> m_blocks;
    bool m_announced;
    size_t m_added = 0;
    std::atomic<qsizetype> m_ready{0};

    mutable std::mutex m_lock;
    mutable std::condition_variable m_changed;
    bool m_finished = false;
    std::exception_ptr m_failure;
};

} // namespace ado
