// A static, read-only ADO-style recordset: the query's rows are all fetched once, from when it opens.
#pragma once

#include "ado/DataTypeEnum.h"
#include "ado/Fields.h"

#include <QString>
#include <memory>

namespace ado {

class BackgroundFetch;
class Connection;
struct RecordsetData;

// Where the driver counts the rows when the query runs, a thread of its own reads them while the
// first ones are already taken; a row not read yet is waited for, and a failure met while reading
// is raised where the rows after it are asked for. The rows stay readable after the connection
// closes (closing waits for the reading). A statement that returns no rows (a command) opens a
// recordset without fields and records.
class Recordset final
{
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset &) = delete;
    Recordset &operator=(const Recordset &) = delete;

    Connection *ActiveConnection() const { return m_connection; }
    void setActiveConnection(Connection *connection) { m_connection = connection; }

    // Runs source on activeConnection (or ActiveConnection) and reads every row. Every cursor and
    // lock type opens the static read-only cursor. Errors: 3705 when already open, 3709 without an
    // open connection, and the driver's error for a query it refuses.
    void Open(const QString &source, Connection *activeConnection = nullptr, int cursorType = adOpenStatic,
              int lockType = adLockReadOnly, long options = -1);
    // Learns the columns of source without fetching its rows: Fields are known, the recordset holds
    // no records. Errors as Open.
    void OpenColumns(const QString &source, Connection *activeConnection = nullptr);
    // Error 3704 when not open.
    void Close();
    bool isOpen() const { return m_data != nullptr; }

    // The members below raise error 3704 when the recordset is closed.
    const ado::Fields &Fields() const;
    long RecordCount() const;
    // EOF is a macro of the C library; Eof stands for ADO's EOF.
    bool Eof() const;
    bool Bof() const;
    void MoveFirst();
    // Error 3021 at EOF.
    void MoveNext();

private:
    void open(const QString &source, Connection *activeConnection, bool fetchRows);
    void requireOpen() const;

    Connection *m_connection = nullptr;
    std::unique_ptr<RecordsetData> m_data;
    std::unique_ptr<BackgroundFetch> m_fetch; // while rows are read behind the reader
    ado::Fields m_fields;
};

} // namespace ado
