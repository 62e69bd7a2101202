// The rows of an opened recordset and its current position, shared by the recordset and its fields.
#pragma once

#include "ado/ColumnData.h"
#include "ado/ColumnInfo.h"

#include <vector>

namespace ado {

struct RecordsetData
{
    std::vector<ColumnInfo> columns;
    std::vector<ColumnData> values;
    qsizetype recordCount = 0;
    qsizetype position = 0; // 0-based; recordCount means EOF
};

} // namespace ado
