// An ADO-style connection over ODBC: takes an ODBC connection string, opens and closes the link.
#pragma once

#include <QString>
#include <vector>

namespace ado {

class BackgroundFetch;
class Recordset;

// Errors of Open and Close are platform::VbError: the number and a description built from the
// driver manager's and the driver's diagnostics. An OLE DB string ("Provider=...") is not an ODBC
// string; the driver manager answers it with its "data source name not found" error.
class Connection final
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QString ConnectionString() const { return m_connectionString; }
    // Refused (error 3705) while the connection is open.
    void setConnectionString(const QString &connectionString);

    // Seconds to wait for the server while opening; 0 waits as long as the driver does.
    int ConnectionTimeout() const { return m_timeout; }
    void setConnectionTimeout(int seconds) { m_timeout = seconds; }

    // Opens with connectionString when given, else with ConnectionString. A user and a password
    // given here are added as UID and PWD. options is accepted for ADO's signature (-1: none).
    void Open(const QString &connectionString = QString(), const QString &userId = QString(),
              const QString &password = QString(), long options = -1);
    // Error 3704 when not open.
    void Close();
    bool isOpen() const { return m_dbc != nullptr; }

    // The ODBC connection handle (SQLHDBC) while open, for the recordset.
    void *handle() const { return m_dbc; }
    // Waits until the rows that recordsets of this connection still read are all read: one
    // statement at a time uses the link. Close does this first.
    void finishFetches();

private:
    friend class BackgroundFetch;

    void releaseHandle();

    QString m_connectionString;
    int m_timeout = 15;
    void *m_dbc = nullptr;
    std::vector<BackgroundFetch *> m_fetches;
};

} // namespace ado
