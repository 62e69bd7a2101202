// Builds error descriptions from ODBC diagnostic records.
#include "ado/OdbcDiagnostics.h"

#include "ado/AdoError.h"
#include "ado/OdbcEnvironment.h"

#include <sqlext.h>

namespace ado {

QList<OdbcDiagnostic> diagnostics(SQLSMALLINT handleType, SQLHANDLE handle)
{
    QList<OdbcDiagnostic> records;
    if (handle == SQL_NULL_HANDLE)
        return records;
    for (SQLSMALLINT i = 1; i <= 20; ++i) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        SQLRETURN rc = SQLGetDiagRecW(handleType, handle, i, state, &native, nullptr, 0, &length);
        if (rc == SQL_NO_DATA || !odbcSucceeded(rc))
            break;
        QList<SQLWCHAR> text(length + 1, 0);
        rc = SQLGetDiagRecW(handleType, handle, i, state, &native, text.data(), SQLSMALLINT(text.size()), &length);
        if (!odbcSucceeded(rc))
            break;
        OdbcDiagnostic record;
        record.sqlState = fromOdbcText(state, 5);
        // Some drivers break their messages over lines or add an empty record; one line each reads
        // better in a message box and in the test list.
        record.message = fromOdbcText(text.data(), qMin<qsizetype>(length, text.size() - 1)).simplified();
        record.nativeError = native;
        records.append(record);
    }
    return records;
}

QString diagnosticText(const QList<OdbcDiagnostic> &records)
{
    QStringList lines;
    for (const OdbcDiagnostic &record : records) {
        if (record.message.isEmpty())
            continue;
        QString line = QStringLiteral("%1 (SQLSTATE %2)").arg(record.message, record.sqlState);
        if (!lines.contains(line))
            lines.append(line);
    }
    if (lines.isEmpty())
        return QStringLiteral("Der ODBC-Treiber hat einen Fehler ohne nähere Angaben gemeldet.");
    return lines.join(QStringLiteral("\r\n"));
}

QString diagnosticText(SQLSMALLINT handleType, SQLHANDLE handle)
{
    return diagnosticText(diagnostics(handleType, handle));
}

void raiseOdbcError(SQLSMALLINT handleType, SQLHANDLE handle)
{
    const QList<OdbcDiagnostic> records = diagnostics(handleType, handle);
    long number = kErrProviderFailure;
    if (handleType == SQL_HANDLE_STMT && !records.isEmpty()) {
        const QString &state = records.first().sqlState;
        if (state == QLatin1String("42S02"))
            number = kErrNoTable;
        else if (state.startsWith(QLatin1String("42")))
            number = kErrErrorsInCommand;
    }
    raise(number, diagnosticText(records));
}

} // namespace ado
