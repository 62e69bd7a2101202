// Error numbers of the ODBC layer (the HRESULTs ADO reports for the same faults) and the throw helper.
#pragma once

#include "platform/VbError.h"

namespace ado {

// Provider failures: E_FAIL, and the OLE DB codes for a bad command and a missing table.
constexpr long kErrProviderFailure = -2147467259; // 0x80004005
constexpr long kErrErrorsInCommand = -2147217900; // 0x80040E14
constexpr long kErrNoTable = -2147217865;         // 0x80040E37
// ADO's own errors (0x800A0000 + ADO number).
constexpr long kErrNoCurrentRecord = -2146825267;   // 3021: BOF or EOF is True
constexpr long kErrItemNotFound = -2146825023;      // 3265: no item at that ordinal
constexpr long kErrObjectClosed = -2146824584;      // 3704: object is closed
constexpr long kErrObjectOpen = -2146824583;        // 3705: object is open
constexpr long kErrInvalidConnection = -2146824579; // 3709: connection closed or invalid

[[noreturn]] void raise(long number, const QString &description);
// Error 3021: the recordset stands at EOF.
[[noreturn]] void raiseNoCurrentRecord();

} // namespace ado
