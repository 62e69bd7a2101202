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
    end();
    if (m_connection) {
        std::vector<BackgroundFetch *> &fetches = m_connection->m_fetches;
        fetches.erase(std::remove(fetches.begin(), fetches.end(), this), fetches.end());
    }
}

void BackgroundFetch::finish()
{
    end();
}

void BackgroundFetch::end()
{
    if (m_thread.joinable())
        m_thread.join();
    // The reader unbinds its buffers from the statement, so it goes first.
    m_reader.reset();
    m_statement.reset();
}

void BackgroundFetch::read(qsizetype count)
{
    try {
        for (qsizetype left = count; left > 0 && !m_stopping;) {
            std::vector<ColumnData> block = m_reader->emptyColumns();
            const bool more = m_reader->read(block, std::min(left, FetchedRows::kBlockRows));
            const qsizetype rows = block.front().size();
            if (rows > 0)
                m_rows.add(std::move(block));
            left -= rows;
            if (!more)
                break;
        }
        m_rows.finish();
    } catch (...) {
        m_rows.finish(std::current_exception());
    }
}

} // namespace ado
