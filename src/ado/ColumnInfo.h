// What a result column reports about itself: name, ADO type, scale and size.
#pragma once

#include "ado/ColumnData.h"
#include "ado/DataTypeEnum.h"

#include <QString>

namespace ado {

struct ColumnInfo
{
    QString name;
    int sqlType = 0; // the ODBC SQL type the driver reported
    bool isUnsigned = false;
    qint64 columnSize = 0; // characters, digits or bytes; 0 when the driver does not know
    int decimalDigits = 0;
    DataTypeEnum type = adVariant;
    int numericScale = kScaleNotApplicable;
    int precision = 255;
    ColumnData::Kind kind = ColumnData::Kind::Text;
};

// Fills type, numericScale, precision and kind from sqlType, isUnsigned, columnSize and decimalDigits.
void mapOdbcType(ColumnInfo *column);

} // namespace ado
