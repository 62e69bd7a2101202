// The program's one ODBC 3 environment handle, and conversions between QString and ODBC wide texts.
#pragma once

#include <QString>
#include <sql.h>
#include <sqlext.h>

namespace ado {

// The shared environment (ODBC 3 behaviour: dates are SQL types 91, 92, 93). Created on first use;
// throws VbError when the driver manager cannot give one.
SQLHENV odbcEnvironment();

// unixODBC's SQLWCHAR is UTF-16, the same as QString's storage.
inline SQLWCHAR *odbcText(const QString &text)
{
    return const_cast<SQLWCHAR *>(reinterpret_cast<const SQLWCHAR *>(text.utf16()));
}

inline QString fromOdbcText(const SQLWCHAR *text, qsizetype length)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(text), length);
}

inline bool odbcSucceeded(SQLRETURN rc)
{
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

} // namespace ado
