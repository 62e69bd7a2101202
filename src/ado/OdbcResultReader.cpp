// Fetches the rows of a statement: bound block fetches for short columns, SQLGetData for the rest.
#include "ado/OdbcResultReader.h"

#include "ado/OdbcDiagnostics.h"
#include "ado/OdbcEnvironment.h"

#include <QUuid>
#include <cstring>
#include <sqlext.h>

namespace ado {
namespace {

using Kind = ColumnData::Kind;

constexpr SQLULEN kBlockRows = 256;
constexpr qint64 kLongestBoundText = 2000; // characters; longer columns come through SQLGetData
constexpr qint64 kLongestBoundBinary = 8000;
constexpr SQLLEN kChunkBytes = 16384;

template <typename T> T readAs(const char *p)
{
    T value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// ADO shows GUIDs in braces and capitals; drivers send them in many spellings.
QString guidText(const QString &text)
{
    const QUuid uuid(text);
    return uuid.isNull() ? text : uuid.toString(QUuid::WithBraces).toUpper();
}

// How a column travels from the driver: its C type and the size of one element.
SQLSMALLINT cTypeFor(const ColumnInfo &info, SQLLEN *elementBytes, bool *bindable)
{
    *bindable = true;
    switch (info.kind) {
    case Kind::Int:
    case Kind::UInt:
        *elementBytes = 32;
        return SQL_C_CHAR;
    case Kind::Double:
        *elementBytes = 40;
        return SQL_C_CHAR;
    case Kind::Decimal:
        *elementBytes = SQLLEN(info.columnSize > 0 && info.columnSize < 120 ? info.columnSize + 8 : 128);
        return SQL_C_CHAR;
    case Kind::Bool:
        *elementBytes = sizeof(SQLCHAR);
        return SQL_C_BIT;
    case Kind::Date:
        *elementBytes = sizeof(SQL_DATE_STRUCT);
        return SQL_C_TYPE_DATE;
    case Kind::Time:
        *elementBytes = sizeof(SQL_TIME_STRUCT);
        return SQL_C_TYPE_TIME;
    case Kind::DateTime:
        *elementBytes = sizeof(SQL_TIMESTAMP_STRUCT);
        return SQL_C_TYPE_TIMESTAMP;
    case Kind::Bytes:
        *bindable = info.columnSize > 0 && info.columnSize <= kLongestBoundBinary;
        *elementBytes = *bindable ? SQLLEN(info.columnSize) : 0;
        return SQL_C_BINARY;
    case Kind::Text:
        break;
    }
    const qint64 chars = info.sqlType == SQL_GUID ? 40 : info.columnSize;
    *bindable = chars > 0 && chars <= kLongestBoundText;
    *elementBytes = *bindable ? SQLLEN((chars + 1) * sizeof(SQLWCHAR)) : 0;
    return SQL_C_WCHAR;
}

} // namespace

struct OdbcResultReader::Binding
{
    SQLUSMALLINT column = 0;
    SQLSMALLINT cType = SQL_C_WCHAR;
    SQLLEN elementBytes = 0;
    bool bound = false;
    std::vector<char> buffer;
    std::vector<SQLLEN> indicators;
};

OdbcResultReader::OdbcResultReader(SQLHSTMT statement, SQLUINTEGER getDataExtensions)
    : m_statement(statement), m_getDataExtensions(getDataExtensions)
{
}

OdbcResultReader::~OdbcResultReader()
{
    // The buffers die with the reader: the driver must not write to them any more.
    if (!m_bindings.empty()) {
        SQLFreeStmt(m_statement, SQL_UNBIND);
        SQLSetStmtAttr(m_statement, SQL_ATTR_ROWS_FETCHED_PTR, nullptr, 0);
        SQLSetStmtAttr(m_statement, SQL_ATTR_ROW_STATUS_PTR, nullptr, 0);
    }
}

void OdbcResultReader::check(SQLRETURN rc)
{
    if (!odbcSucceeded(rc))
        raiseOdbcError(SQL_HANDLE_STMT, m_statement);
}

std::vector<ColumnInfo> OdbcResultReader::describe()
{
    SQLSMALLINT count = 0;
    check(SQLNumResultCols(m_statement, &count));
    m_columns.clear();
    for (SQLUSMALLINT i = 1; i <= SQLUSMALLINT(count); ++i) {
        QList<SQLWCHAR> name(256, 0);
        SQLSMALLINT nameLength = 0, dataType = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        check(SQLDescribeColW(m_statement, i, name.data(), SQLSMALLINT(name.size()), &nameLength, &dataType, &size,
                              &digits, &nullable));
        if (nameLength >= name.size()) {
            name.resize(nameLength + 1);
            check(SQLDescribeColW(m_statement, i, name.data(), SQLSMALLINT(name.size()), &nameLength, &dataType, &size,
                                  &digits, &nullable));
        }
        SQLLEN isUnsigned = SQL_FALSE;
        SQLColAttributeW(m_statement, i, SQL_DESC_UNSIGNED, nullptr, 0, nullptr, &isUnsigned);
        ColumnInfo info;
        info.name = fromOdbcText(name.data(), qMin<qsizetype>(nameLength, name.size() - 1));
        info.sqlType = dataType;
        info.isUnsigned = isUnsigned == SQL_TRUE;
        info.columnSize = qint64(size);
        info.decimalDigits = digits;
        mapOdbcType(&info);
        m_columns.push_back(info);
    }
    return m_columns;
}

void OdbcResultReader::planBindings()
{
    // Bound and unbound columns can be mixed only where SQLGetData may read any column, bound
    // ones included; positioning inside a block of rows needs SQL_GD_BLOCK on top.
    const bool canMix = (m_getDataExtensions & SQL_GD_ANY_COLUMN) && (m_getDataExtensions & SQL_GD_BOUND);
    m_rowsetSize = canMix && (m_getDataExtensions & SQL_GD_BLOCK) ? kBlockRows : 1;
    m_bindings.clear();
    m_bindings.resize(m_columns.size());
    for (size_t i = 0; i < m_columns.size(); ++i) {
        Binding &binding = m_bindings[i];
        binding.column = SQLUSMALLINT(i + 1);
        bool bindable = false;
        binding.cType = cTypeFor(m_columns[i], &binding.elementBytes, &bindable);
        binding.bound = canMix && bindable;
    }
}

void OdbcResultReader::bindColumns()
{
    if (m_rowsetSize > 1) {
        SQLSetStmtAttr(m_statement, SQL_ATTR_ROW_BIND_TYPE, reinterpret_cast<SQLPOINTER>(SQL_BIND_BY_COLUMN), 0);
        SQLRETURN rc =
            SQLSetStmtAttr(m_statement, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(m_rowsetSize), 0);
        SQLULEN actual = 1;
        if (!odbcSucceeded(rc) ||
            !odbcSucceeded(SQLGetStmtAttr(m_statement, SQL_ATTR_ROW_ARRAY_SIZE, &actual, 0, nullptr)))
            actual = 1;
        m_rowsetSize = qMax<SQLULEN>(actual, 1);
    }
    for (Binding &binding : m_bindings) {
        if (!binding.bound)
            continue;
        binding.buffer.assign(size_t(binding.elementBytes) * m_rowsetSize, 0);
        binding.indicators.assign(m_rowsetSize, 0);
        check(SQLBindCol(m_statement, binding.column, binding.cType, binding.buffer.data(), binding.elementBytes,
                         binding.indicators.data()));
    }
}

std::vector<ColumnData> OdbcResultReader::emptyColumns() const
{
    std::vector<ColumnData> data;
    data.reserve(m_columns.size());
    for (const ColumnInfo &info : m_columns)
        data.emplace_back(info.kind);
    return data;
}

bool OdbcResultReader::read(std::vector<ColumnData> &data, qsizetype rows)
{
    if (!m_bound) {
        planBindings();
        bindColumns();
        m_rowStatus.assign(m_rowsetSize, SQL_ROW_SUCCESS);
        if (m_rowsetSize > 1) {
            SQLSetStmtAttr(m_statement, SQL_ATTR_ROWS_FETCHED_PTR, &m_fetched, 0);
            SQLSetStmtAttr(m_statement, SQL_ATTR_ROW_STATUS_PTR, m_rowStatus.data(), 0);
        }
        m_bound = true;
    }
    for (qsizetype stored = 0; stored < rows; ++stored) {
        if (m_nextInRowset == m_fetched && !fetchRowset())
            return false;
        storeRow(m_nextInRowset++, data);
    }
    return true;
}

bool OdbcResultReader::fetchRowset()
{
    if (m_ended || m_columns.empty())
        return false;
    const SQLRETURN rc = SQLFetch(m_statement);
    if (rc == SQL_NO_DATA) {
        m_ended = true;
        return false;
    }
    check(rc);
    if (m_rowsetSize > 1) {
        for (SQLULEN r = 0; r < m_fetched; ++r) {
            if (m_rowStatus[r] == SQL_ROW_ERROR)
                raiseOdbcError(SQL_HANDLE_STMT, m_statement);
        }
    } else {
        m_fetched = 1;
    }
    m_nextInRowset = 0;
    m_positionedRow = 0;
    m_ended = m_fetched == 0;
    return !m_ended;
}

void OdbcResultReader::storeRow(SQLULEN r, std::vector<ColumnData> &data)
{
    for (size_t c = 0; c < m_bindings.size(); ++c) {
        const Binding &binding = m_bindings[c];
        if (binding.bound) {
            const SQLLEN indicator = binding.indicators[r];
            const SQLLEN room = binding.cType == SQL_C_WCHAR  ? binding.elementBytes - SQLLEN(sizeof(SQLWCHAR))
                                : binding.cType == SQL_C_CHAR ? binding.elementBytes - 1
                                                              : binding.elementBytes;
            const bool truncated = indicator == SQL_NO_TOTAL || indicator > room;
            if (!truncated) {
                storeBound(binding, m_columns[c], r, data[c]);
                continue;
            }
        }
        storeWithGetData(binding.column, m_columns[c], r, data[c]);
    }
}

void OdbcResultReader::storeBound(const Binding &binding, const ColumnInfo &info, SQLULEN row, ColumnData &data)
{
    const SQLLEN indicator = binding.indicators[row];
    if (indicator == SQL_NULL_DATA)
        return data.appendNull();
    const char *p = binding.buffer.data() + size_t(binding.elementBytes) * row;
    switch (binding.cType) {
    case SQL_C_BIT:
        return data.appendInt(*p != 0 ? 1 : 0);
    case SQL_C_TYPE_DATE: {
        const auto d = readAs<SQL_DATE_STRUCT>(p);
        return data.appendDate(d.year, d.month, d.day);
    }
    case SQL_C_TYPE_TIME: {
        const auto t = readAs<SQL_TIME_STRUCT>(p);
        return data.appendTime(t.hour, t.minute, t.second);
    }
    case SQL_C_TYPE_TIMESTAMP: {
        const auto s = readAs<SQL_TIMESTAMP_STRUCT>(p);
        return data.appendDateTime(s.year, s.month, s.day, s.hour, s.minute, s.second, int(s.fraction / 1000000));
    }
    case SQL_C_CHAR:
        return data.appendNumberText(p, qsizetype(indicator));
    case SQL_C_BINARY:
        return data.appendBytes(QByteArray(p, qsizetype(indicator)));
    default:
        break;
    }
    const auto *text = reinterpret_cast<const ushort *>(p);
    if (info.sqlType != SQL_GUID)
        return data.appendText(text, qsizetype(indicator / 2));
    data.appendText(guidText(fromOdbcText(text, qsizetype(indicator / 2))));
}

void OdbcResultReader::positionOn(SQLULEN row)
{
    if (m_rowsetSize <= 1 || m_positionedRow == row + 1)
        return;
    check(SQLSetPos(m_statement, SQLSETPOSIROW(row + 1), SQL_POSITION, SQL_LOCK_NO_CHANGE));
    m_positionedRow = row + 1;
}

namespace {

// Reads a value of variable length in pieces into *out (reused between cells); false for Null.
bool getLongData(SQLHSTMT statement, SQLUSMALLINT column, SQLSMALLINT cType, std::vector<char> *out)
{
    const SQLLEN terminator = cType == SQL_C_WCHAR ? SQLLEN(sizeof(SQLWCHAR)) : cType == SQL_C_CHAR ? 1 : 0;
    out->clear();
    size_t used = 0;
    for (;;) {
        out->resize(used + size_t(kChunkBytes));
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(statement, column, cType, out->data() + used, kChunkBytes, &indicator);
        if (rc == SQL_NO_DATA)
            break;
        if (!odbcSucceeded(rc))
            raiseOdbcError(SQL_HANDLE_STMT, statement);
        if (indicator == SQL_NULL_DATA)
            return false;
        const bool partial = indicator == SQL_NO_TOTAL || indicator > kChunkBytes - terminator;
        if (!partial) {
            used += size_t(indicator);
            break;
        }
        used += size_t(kChunkBytes - terminator);
    }
    out->resize(used);
    return true;
}

template <typename T> bool getFixed(SQLHSTMT statement, SQLUSMALLINT column, SQLSMALLINT cType, T *value)
{
    SQLLEN indicator = 0;
    const SQLRETURN rc = SQLGetData(statement, column, cType, value, sizeof(T), &indicator);
    if (!odbcSucceeded(rc))
        raiseOdbcError(SQL_HANDLE_STMT, statement);
    return indicator != SQL_NULL_DATA;
}

} // namespace

void OdbcResultReader::storeWithGetData(SQLUSMALLINT column, const ColumnInfo &info, SQLULEN row, ColumnData &data)
{
    positionOn(row);
    const Binding &binding = m_bindings[column - 1];
    switch (binding.cType) {
    case SQL_C_BIT: {
        SQLCHAR v = 0;
        return getFixed(m_statement, column, binding.cType, &v) ? data.appendInt(v != 0) : data.appendNull();
    }
    case SQL_C_TYPE_DATE: {
        SQL_DATE_STRUCT d{};
        return getFixed(m_statement, column, binding.cType, &d) ? data.appendDate(d.year, d.month, d.day)
                                                                : data.appendNull();
    }
    case SQL_C_TYPE_TIME: {
        SQL_TIME_STRUCT t{};
        return getFixed(m_statement, column, binding.cType, &t) ? data.appendTime(t.hour, t.minute, t.second)
                                                                : data.appendNull();
    }
    case SQL_C_TYPE_TIMESTAMP: {
        SQL_TIMESTAMP_STRUCT s{};
        if (!getFixed(m_statement, column, binding.cType, &s))
            return data.appendNull();
        return data.appendDateTime(s.year, s.month, s.day, s.hour, s.minute, s.second, int(s.fraction / 1000000));
    }
    default:
        break;
    }
    if (!getLongData(m_statement, column, binding.cType, &m_longValue))
        return data.appendNull();
    const auto size = qsizetype(m_longValue.size());
    if (binding.cType == SQL_C_CHAR)
        return data.appendNumberText(m_longValue.data(), size);
    if (binding.cType == SQL_C_BINARY)
        return data.appendBytes(QByteArray(m_longValue.data(), size));
    const auto *text = reinterpret_cast<const ushort *>(m_longValue.data());
    if (info.sqlType != SQL_GUID)
        return data.appendText(text, size / 2);
    data.appendText(guidText(fromOdbcText(text, size / 2)));
}

} // namespace ado
