// Reads the rows of an executed statement on a thread of its own, so that the rows already read
// can be taken while the rest arrive.
#pragma once

#include <atomic>
#include <memory>
#include <thread>

#include <QtGlobal>

namespace ado {

class Connection;
class FetchedRows;
class OdbcResultReader;
class OdbcStatement;

// The statement is used by the reading thread alone until the reading ends; its connection waits
// for that before it runs another statement or closes (Connection::finishFetches).
class BackgroundFetch final
{
public:
    // Reads `count` rows through reader (described, on statement) into rows, and finishes rows
    // with what the reading met.
    BackgroundFetch(Connection &connection, std::unique_ptr<OdbcStatement> statement,
                    std::unique_ptr<OdbcResultReader> reader, FetchedRows &rows, qsizetype count);
    // Breaks the reading off.
    ~BackgroundFetch();
    BackgroundFetch(const BackgroundFetch &) = delete;
    BackgroundFetch &operator=(const BackgroundFetch &) = delete;

    // Waits until every row is read, then frees the statement.
    void finish();

    // Reads up to count rows through reader into rows, block by block, until the result ends or
    // *stopping is set; rows is not finished here.
    static void readRows(OdbcResultReader &reader, FetchedRows &rows, qsizetype count,
                         const std::atomic<bool> *stopping = nullptr);

private:
    friend class Connection;

    void read(qsizetype count);

    Connection *m_connection;
    std::unique_ptr<OdbcStatement> m_statement;
    std::unique_ptr<OdbcResultReader> m_reader;
    FetchedRows &m_rows;
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
};

} // namespace ado
