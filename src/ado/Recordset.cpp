// Executes a query over ODBC and keeps every row of its result.
#include "ado/Recordset.h"

#include "ado/AdoError.h"
#include "ado/BackgroundFetch.h"
#include "ado/Connection.h"
#include "ado/OdbcDiagnostics.h"
#include "ado/OdbcEnvironment.h"
#include "ado/OdbcResultReader.h"
#include "ado/OdbcStatement.h"
#include "ado/RecordsetData.h"

#include <limits>

namespace ado {
namespace {

SQLUINTEGER getDataExtensions(SQLHDBC dbc)
{
    SQLUINTEGER extensions = 0;
    if (!odbcSucceeded(SQLGetInfo(dbc, SQL_GETDATA_EXTENSIONS, &extensions, sizeof extensions, nullptr)))
        extensions = 0;
    return extensions;
}

// SQLite gives a column of an expression no type of its own: its driver describes such a column by
// the value in the current row, so a prepared statement's description would call it text.
bool typesColumnsByValue(SQLHDBC dbc)
{
    SQLWCHAR name[64] = {};
    SQLSMALLINT length = 0;
    if (!odbcSucceeded(SQLGetInfoW(dbc, SQL_DBMS_NAME, name, sizeof name, &length)))
        return false;
    return fromOdbcText(name, qMin<qsizetype>(length / qsizetype(sizeof(SQLWCHAR)), 63)) == QLatin1String("SQLite");
}

void execute(SQLHSTMT statement, const QString &source)
{
    const SQLRETURN rc = SQLExecDirectW(statement, odbcText(source), SQLINTEGER(source.size()));
    if (!odbcSucceeded(rc) && rc != SQL_NO_DATA)
        raiseOdbcError(SQL_HANDLE_STMT, statement);
}

// The columns of source without its rows. Most drivers describe a prepared statement as the server
// will answer it, so nothing runs; SQL_ATTR_MAX_ROWS cannot stand in, as drivers that take the whole
// result at once (PostgreSQL's) ignore it. Where the columns take their types from the rows (SQLite,
// whose driver steps one row at a time and so stops after the first), where the driver describes
// nothing before the statement runs, and for a command, the statement runs with one row at most.
std::vector<ColumnInfo> describeColumns(SQLHDBC dbc, SQLHSTMT statement, const QString &source)
{
    OdbcResultReader reader(statement, getDataExtensions(dbc));
    if (!typesColumnsByValue(dbc)) {
        if (!odbcSucceeded(SQLPrepareW(statement, odbcText(source), SQLINTEGER(source.size()))))
            raiseOdbcError(SQL_HANDLE_STMT, statement);
        SQLSMALLINT count = 0;
        if (odbcSucceeded(SQLNumResultCols(statement, &count)) && count > 0)
            return reader.describe();
        SQLFreeStmt(statement, SQL_CLOSE);
    }
    SQLSetStmtAttr(statement, SQL_ATTR_MAX_ROWS, reinterpret_cast<SQLPOINTER>(SQLULEN(1)), 0);
    execute(statement, source);
    return reader.describe();
}

// The rows of a static cursor, as the driver counted them when the statement ran; -1 where it
// gave another cursor or does not know the count yet (a driver that reads the rows as they are
// fetched).
qsizetype countedRows(SQLHSTMT statement)
{
    SQLULEN cursorType = SQL_CURSOR_FORWARD_ONLY;
    if (!odbcSucceeded(SQLGetStmtAttr(statement, SQL_ATTR_CURSOR_TYPE, &cursorType, 0, nullptr)) ||
        cursorType != SQL_CURSOR_STATIC)
        return -1;
    SQLLEN count = -1;
    if (!odbcSucceeded(SQLGetDiagField(SQL_HANDLE_STMT, statement, 0, SQL_DIAG_CURSOR_ROW_COUNT, &count, 0, nullptr)))
        return -1;
    return count >= 0 ? qsizetype(count) : -1;
}

} // namespace

Recordset::Recordset() = default;

Recordset::~Recordset()
{
    m_fetch.reset();
}

void Recordset::Open(const QString &source, Connection *activeConnection, int, int, long)
{
    open(source, activeConnection, true);
}

void Recordset::OpenColumns(const QString &source, Connection *activeConnection)
{
    open(source, activeConnection, false);
}

void Recordset::open(const QString &source, Connection *activeConnection, bool fetchRows)
{
    if (isOpen())
        raise(kErrObjectOpen, QStringLiteral("Der Vorgang ist bei geöffnetem Objekt nicht zulässig."));
    if (activeConnection)
        m_connection = activeConnection;
    if (!m_connection || !m_connection->isOpen()) {
        raise(kErrInvalidConnection, QStringLiteral("Die Verbindung kann nicht für diesen Vorgang verwendet werden. "
                                                    "Sie ist entweder geschlossen oder in diesem Zusammenhang "
                                                    "ungültig."));
    }
    m_connection->finishFetches();
    auto dbc = static_cast<SQLHDBC>(m_connection->handle());
    auto statement = std::make_unique<OdbcStatement>(dbc);
    std::unique_ptr<RecordsetData> data;
    if (fetchRows) {
        SQLSetStmtAttr(statement->get(), SQL_ATTR_CURSOR_TYPE, reinterpret_cast<SQLPOINTER>(SQL_CURSOR_STATIC), 0);
        execute(statement->get(), source);
        auto reader = std::make_unique<OdbcResultReader>(statement->get(), getDataExtensions(dbc));
        std::vector<ColumnInfo> columns = reader->describe();
        const qsizetype counted = columns.empty() ? 0 : countedRows(statement->get());
        data = std::make_unique<RecordsetData>(std::move(columns), counted);
        if (counted > 0) {
            m_fetch = std::make_unique<BackgroundFetch>(*m_connection, std::move(statement), std::move(reader),
                                                        data->rows, counted);
        } else if (counted < 0) {
            BackgroundFetch::readRows(*reader, data->rows, std::numeric_limits<qsizetype>::max());
            data->recordCount = data->rows.count();
        }
    } else {
        data = std::make_unique<RecordsetData>(describeColumns(dbc, statement->get(), source), 0);
    }
    if (!m_fetch)
        data->rows.finish();
    m_data = std::move(data);
    m_fields.m_fields.clear();
    for (int i = 0; i < int(m_data->columns.size()); ++i)
        m_fields.m_fields.emplace_back(m_data.get(), i);
}

void Recordset::Close()
{
    requireOpen();
    m_fetch.reset();
    m_fields.m_fields.clear();
    m_data.reset();
}

void Recordset::requireOpen() const
{
    if (!isOpen())
        raise(kErrObjectClosed, QStringLiteral("Der Vorgang ist bei geschlossenem Objekt nicht zulässig."));
}

const Fields &Recordset::Fields() const
{
    requireOpen();
    return m_fields;
}

long Recordset::RecordCount() const
{
    requireOpen();
    return long(m_data->recordCount);
}

bool Recordset::Eof() const
{
    requireOpen();
    return m_data->position >= m_data->recordCount;
}

bool Recordset::Bof() const
{
    requireOpen();
    return m_data->recordCount == 0;
}

void Recordset::MoveFirst()
{
    requireOpen();
    m_data->position = 0;
}

void Recordset::MoveNext()
{
    requireOpen();
    if (m_data->position >= m_data->recordCount)
        raiseNoCurrentRecord();
    ++m_data->position;
}

} // namespace ado
