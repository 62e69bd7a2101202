// The rows of an opened recordset and its current position, shared by the recordset and its fields.
#pragma once

#include "ado/ColumnInfo.h"
#include "ado/FetchedRows.h"

#include <vector>

namespace ado {

struct RecordsetData
{
    // announcedRows: as for FetchedRows; the record count until the rows are counted otherwise.
    RecordsetData(std::vector<ColumnInfo> described, qsizetype announcedRows)
        : columns(std::move(described)), rows(announcedRows), recordCount(qMax<qsizetype>(announcedRows, 0))
    {
    }

    std::vector<ColumnInfo> columns;
    FetchedRows rows;
    qsizetype recordCount = 0;
    qsizetype position = 0; // 0-based; recordCount means EOF
};

} // namespace ado
