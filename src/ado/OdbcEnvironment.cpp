// Allocates the ODBC 3 environment once for the whole run.
#include "ado/OdbcEnvironment.h"

#include "ado/AdoError.h"
#include "ado/OdbcDiagnostics.h"

namespace ado {
namespace {

class Environment
{
public:
    Environment()
    {
        if (!odbcSucceeded(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &m_handle))) {
            m_handle = SQL_NULL_HENV;
            return;
        }
        SQLRETURN rc = SQLSetEnvAttr(m_handle, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        if (!odbcSucceeded(rc)) {
            m_error = diagnosticText(SQL_HANDLE_ENV, m_handle);
            SQLFreeHandle(SQL_HANDLE_ENV, m_handle);
            m_handle = SQL_NULL_HENV;
        }
    }
    ~Environment()
    {
        if (m_handle != SQL_NULL_HENV)
            SQLFreeHandle(SQL_HANDLE_ENV, m_handle);
    }
    Environment(const Environment &) = delete;
    Environment &operator=(const Environment &) = delete;

    SQLHENV m_handle = SQL_NULL_HENV;
    QString m_error;
};

} // namespace

SQLHENV odbcEnvironment()
{
    static Environment environment;
    if (environment.m_handle == SQL_NULL_HENV) {
        raise(kErrProviderFailure, environment.m_error.isEmpty()
                                       ? QStringLiteral("Der ODBC-Treibermanager steht nicht zur Verfügung.")
                                       : environment.m_error);
    }
    return environment.m_handle;
}

} // namespace ado
