// Maps ODBC SQL types to ADO DataTypeEnum numbers, as the OLE DB provider for ODBC did.
#include "ado/ColumnInfo.h"

#include <sql.h>
#include <sqlext.h>

namespace ado {
namespace {

using Kind = ColumnData::Kind;

struct TypeRule
{
    int sqlType;
    DataTypeEnum signedType;
    DataTypeEnum unsignedType;
    Kind kind;
};

// Types absent here (intervals, a driver's own types) are read as text and reported as adVariant.
constexpr TypeRule kRules[] = {
    {SQL_CHAR, adChar, adChar, Kind::Text},
    {SQL_VARCHAR, adVarChar, adVarChar, Kind::Text},
    {SQL_LONGVARCHAR, adLongVarChar, adLongVarChar, Kind::Text},
    {SQL_WCHAR, adWChar, adWChar, Kind::Text},
    {SQL_WVARCHAR, adVarWChar, adVarWChar, Kind::Text},
    {SQL_WLONGVARCHAR, adLongVarWChar, adLongVarWChar, Kind::Text},
    {SQL_DECIMAL, adDecimal, adDecimal, Kind::Decimal},
    {SQL_NUMERIC, adNumeric, adNumeric, Kind::Decimal},
    {SQL_TINYINT, adTinyInt, adUnsignedTinyInt, Kind::Int},
    {SQL_SMALLINT, adSmallInt, adUnsignedSmallInt, Kind::Int},
    {SQL_INTEGER, adInteger, adUnsignedInt, Kind::Int},
    {SQL_BIGINT, adBigInt, adUnsignedBigInt, Kind::Int},
    {SQL_REAL, adSingle, adSingle, Kind::Double},
    {SQL_FLOAT, adDouble, adDouble, Kind::Double},
    {SQL_DOUBLE, adDouble, adDouble, Kind::Double},
    {SQL_BIT, adBoolean, adBoolean, Kind::Bool},
    {SQL_TYPE_DATE, adDBDate, adDBDate, Kind::Date},
    {SQL_DATE, adDBDate, adDBDate, Kind::Date},
    {SQL_TYPE_TIME, adDBTime, adDBTime, Kind::Time},
    {SQL_TIME, adDBTime, adDBTime, Kind::Time},
    {SQL_TYPE_TIMESTAMP, adDBTimeStamp, adDBTimeStamp, Kind::DateTime},
    {SQL_TIMESTAMP, adDBTimeStamp, adDBTimeStamp, Kind::DateTime},
    {SQL_GUID, adGUID, adGUID, Kind::Text},
    {SQL_BINARY, adBinary, adBinary, Kind::Bytes},
    {SQL_VARBINARY, adVarBinary, adVarBinary, Kind::Bytes},
    {SQL_LONGVARBINARY, adLongVarBinary, adLongVarBinary, Kind::Bytes},
};

int integerPrecision(DataTypeEnum type)
{
    switch (type) {
    case adTinyInt:
    case adUnsignedTinyInt:
        return 3;
    case adSmallInt:
    case adUnsignedSmallInt:
        return 5;
    case adInteger:
    case adUnsignedInt:
        return 10;
    case adBigInt:
        return 19;
    default:
        return 20;
    }
}

} // namespace

void mapOdbcType(ColumnInfo *column)
{
    column->type = adVariant;
    column->kind = Kind::Text;
    for (const TypeRule &rule : kRules) {
        if (rule.sqlType == column->sqlType) {
            column->type = column->isUnsigned ? rule.unsignedType : rule.signedType;
            column->kind = rule.kind;
            break;
        }
    }
    // An unsigned 64-bit value does not fit the signed store.
    if (column->type == adUnsignedBigInt)
        column->kind = Kind::UInt;
    switch (column->kind) {
    case Kind::Int:
    case Kind::UInt:
        column->numericScale = 0;
        column->precision = integerPrecision(column->type);
        break;
    case Kind::Decimal:
        // Decimal columns are the only ones whose scale is the driver's decimal digits; floating
        // point keeps "not applicable", so that a price never counts as a whole number.
        column->numericScale = qBound(0, column->decimalDigits, 254);
        column->precision = column->columnSize > 0 ? int(qMin<qint64>(column->columnSize, 255)) : 255;
        break;
    case Kind::Double:
        column->numericScale = kScaleNotApplicable;
        column->precision = column->type == adSingle ? 7 : 15;
        break;
    default:
        column->numericScale = kScaleNotApplicable;
        column->precision = 255;
        break;
    }
}

} // namespace ado
