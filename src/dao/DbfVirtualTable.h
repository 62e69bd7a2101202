// The SQLite virtual-table module "dbf": one dBase file as a table. Each scan opens the file afresh,
// so a query sees the file as it is now; deleted records are left out, as the FoxPro ISAM does.
#pragma once

#include "dbf/DbfField.h"

#include <QString>

struct sqlite3;

namespace dao {

class DbfVirtualTable
{
public:
    static int registerWith(sqlite3 *db);
    // The SQL type a column is declared with: TEXT(n), NUMERIC(n,d), DATE, BOOLEAN, MEMO, INTEGER, BLOB.
    static QString declType(const dbf::DbfField &field);
    // CREATE TABLE text the module declares for these fields.
    static QString schema(const dbf::DbfFieldList &fields);
};

} // namespace dao
