// Opens ODBC connections with SQLDriverConnect, never prompting.
#include "ado/Connection.h"

#include "ado/AdoError.h"
#include "ado/BackgroundFetch.h"
#include "ado/OdbcConnectionString.h"
#include "ado/OdbcDiagnostics.h"
#include "ado/OdbcEnvironment.h"

namespace ado {

Connection::Connection() = default;

Connection::~Connection()
{
    finishFetches();
    for (BackgroundFetch *fetch : m_fetches)
        fetch->m_connection = nullptr;
    if (isOpen()) {
        SQLDisconnect(static_cast<SQLHDBC>(m_dbc));
        releaseHandle();
    }
}

void Connection::setConnectionString(const QString &connectionString)
{
    if (isOpen())
        raise(kErrObjectOpen, QStringLiteral("Der Vorgang ist bei geöffnetem Objekt nicht zulässig."));
    m_connectionString = connectionString;
}

void Connection::Open(const QString &connectionString, const QString &userId, const QString &password, long)
{
    if (isOpen())
        raise(kErrObjectOpen, QStringLiteral("Der Vorgang ist bei geöffnetem Objekt nicht zulässig."));
    if (!connectionString.isEmpty())
        m_connectionString = connectionString;
    QString text = m_connectionString;
    if (!userId.isEmpty() || !password.isEmpty()) {
        OdbcConnectionString parsed(m_connectionString);
        if (!userId.isEmpty())
            parsed.setValue(QStringLiteral("UID"), userId);
        if (!password.isEmpty())
            parsed.setValue(QStringLiteral("PWD"), password);
        text = parsed.toString();
    }

    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLHENV env = odbcEnvironment();
    if (!odbcSucceeded(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc)))
        raiseOdbcError(SQL_HANDLE_ENV, env);
    if (m_timeout > 0)
        SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(m_timeout)), 0);
    SQLSMALLINT outLength = 0;
    SQLRETURN rc = SQLDriverConnectW(dbc, nullptr, odbcText(text), SQLSMALLINT(text.size()), nullptr, 0, &outLength,
                                     SQL_DRIVER_NOPROMPT);
    if (!odbcSucceeded(rc)) {
        const QString description = diagnosticText(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        raise(kErrProviderFailure, description);
    }
    m_dbc = dbc;
}

void Connection::Close()
{
    if (!isOpen())
        raise(kErrObjectClosed, QStringLiteral("Der Vorgang ist bei geschlossenem Objekt nicht zulässig."));
    finishFetches();
    SQLDisconnect(static_cast<SQLHDBC>(m_dbc));
    releaseHandle();
}

void Connection::finishFetches()
{
    for (BackgroundFetch *fetch : m_fetches)
        fetch->finish();
}

void Connection::releaseHandle()
{
    SQLFreeHandle(SQL_HANDLE_DBC, static_cast<SQLHDBC>(m_dbc));
    m_dbc = nullptr;
}

} // namespace ado
