// Reads the diagnostic records of an ODBC handle into the description and number of an error.
#pragma once

#include <QString>
#include <QStringList>
#include <sql.h>

namespace ado {

struct OdbcDiagnostic
{
    QString sqlState;
    QString message;
    SQLINTEGER nativeError = 0;
};

QList<OdbcDiagnostic> diagnostics(SQLSMALLINT handleType, SQLHANDLE handle);

// Every record as "message (SQLSTATE xxxxx)", records joined by CR LF; a fallback text when the
// handle holds none.
QString diagnosticText(SQLSMALLINT handleType, SQLHANDLE handle);
QString diagnosticText(const QList<OdbcDiagnostic> &records);

// Throws the VbError for a failed call on the handle. Statement errors in the command (SQLSTATE
// class 42) get the OLE DB "errors in command" number, a missing table its own; all else E_FAIL.
[[noreturn]] void raiseOdbcError(SQLSMALLINT handleType, SQLHANDLE handle);

} // namespace ado
