// Reads the result of an executed ODBC statement into column stores, block by block.
#pragma once

#include "ado/ColumnData.h"
#include "ado/ColumnInfo.h"

#include <sql.h>
#include <vector>

namespace ado {

// Short columns are bound and fetched in blocks of rows where the driver lets SQLGetData work
// beside a block cursor; long columns, and cells longer than their bound buffer, come through
// SQLGetData. Drivers that allow less are read row by row with SQLGetData alone.
class OdbcResultReader final
{
public:
    OdbcResultReader(SQLHSTMT statement, SQLUINTEGER getDataExtensions);
    ~OdbcResultReader();
    OdbcResultReader(const OdbcResultReader &) = delete;
    OdbcResultReader &operator=(const OdbcResultReader &) = delete;

    // Throws VbError on a driver error.
    std::vector<ColumnInfo> describe();
    // Empty stores for the described columns.
    std::vector<ColumnData> emptyColumns() const;
    // Appends the next `rows` rows to data (one store per column), fewer only at the end of the
    // result; false once the result is used up.
    bool read(std::vector<ColumnData> &data, qsizetype rows);

    // Rows fetched in one call; 1 means the row-by-row way.
    SQLULEN rowsetSize() const { return m_rowsetSize; }

private:
    struct Binding;

    void planBindings();
    void bindColumns();
    bool fetchRowset();
    void storeRow(SQLULEN row, std::vector<ColumnData> &data);
    void storeBound(const Binding &binding, const ColumnInfo &info, SQLULEN row, ColumnData &data);
    void storeWithGetData(SQLUSMALLINT column, const ColumnInfo &info, SQLULEN row, ColumnData &data);
    void positionOn(SQLULEN row);
    void check(SQLRETURN rc);

    SQLHSTMT m_statement;
    SQLUINTEGER m_getDataExtensions;
    SQLULEN m_rowsetSize = 1;
    SQLULEN m_positionedRow = 0;
    bool m_bound = false;
    bool m_ended = false;
    SQLULEN m_fetched = 0; // rows in the current rowset, written by the driver
    SQLULEN m_nextInRowset = 0;
    std::vector<SQLUSMALLINT> m_rowStatus;
    std::vector<ColumnInfo> m_columns;
    std::vector<Binding> m_bindings;
    std::vector<char> m_longValue; // one cell read with SQLGetData
};

} // namespace ado
