// An ODBC statement handle, freed with the object.
#pragma once

#include "ado/OdbcDiagnostics.h"
#include "ado/OdbcEnvironment.h"

namespace ado {

class OdbcStatement final
{
public:
    // Throws VbError when the connection gives no statement.
    explicit OdbcStatement(SQLHDBC dbc)
    {
        if (!odbcSucceeded(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &m_handle)))
            raiseOdbcError(SQL_HANDLE_DBC, dbc);
    }
    ~OdbcStatement()
    {
        SQLFreeStmt(m_handle, SQL_CLOSE);
        SQLFreeHandle(SQL_HANDLE_STMT, m_handle);
    }
    OdbcStatement(const OdbcStatement &) = delete;
    OdbcStatement &operator=(const OdbcStatement &) = delete;
    SQLHSTMT get() const { return m_handle; }

private:
    SQLHSTMT m_handle = SQL_NULL_HSTMT;
};

} // namespace ado
