// The reading thread of a recordset's rows.
#include "ado/BackgroundFetch.h"

#include "ado/Connection.h"
#include "ado/FetchedRows.h"
#include "ado/OdbcResultReader.h"
#include "ado/OdbcStatement.h"

#include <algorithm>

namespace ado {

BackgroundFetch::BackgroundFetch(Connection &connection, std::unique_ptr<OdbcStatement> statement,
                                 std::unique_ptr<OdbcResultReader> reader, FetchedRows &rows, qsizetype count)
    : m_connection(&connection), m_statement(std::move(statement)), m_reader(std::move(reader)), m_rows(rows)
{
    m_connection->m_fetches.push_back(this);
    m_thread = std::thread([this, count] { read(count); });
}

BackgroundFetch::~BackgroundFetch()
{
    m_stopping = true;
    finish();
    if (m_connection) {
        std::vector<BackgroundFetch *> &fetches = m_connection->m_fetches;
        fetches.erase(std::remove(fetches.begin(), fetches.end(), this), fetches.end());
    }
}

void BackgroundFetch::finish()
{
    if (m_thread.joinable())
        m_thread.join();
    // The reader unbinds its buffers from the statement, so it goes first.
    m_reader.reset();
    m_statement.reset();
}

void BackgroundFetch::readRows(OdbcResultReader &reader, FetchedRows &rows, qsizetype count,
                               const std::atomic<bool> *stopping)
{
    for (qsizetype left = count; left > 0 && !(stopping && *stopping);) {
        std::vector<ColumnData> block = reader.emptyColumns();
        const bool more = reader.read(block, std::min(left, FetchedRows::kBlockRows));
        const qsizetype read = block.front().size();
        if (read > 0)
            rows.add(std::move(block));
        left -= read;
        if (!more)
            break;
    }
}

void BackgroundFetch::read(qsizetype count)
{
    try {
        readRows(*m_reader, m_rows, count, &m_stopping);
        m_rows.finish();
    } catch (...) {
        m_rows.finish(std::current_exception());
    }
}

} // namespace ado
