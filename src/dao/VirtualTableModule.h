// What the read-only SQLite virtual-table modules share: handing a value to SQLite, and a module of
// full scans built around a table type and a cursor type.
#pragma once

#include <QString>
#include <QVariant>
#include <sqlite3.h>

namespace dao {

void resultText(sqlite3_context *ctx, const QString &text);
// NULL for a null value; whole numbers and reals as such, Booleans as 1/0, dates as ISO text, bytes
// as a blob, everything else as text.
void resultValue(sqlite3_context *ctx, const QVariant &value);

// The callbacks a module brings of its own; the rest are the same for every module below.
struct ScanCallbacks
{
    decltype(sqlite3_module::xConnect) connect;
    decltype(sqlite3_module::xOpen) open;
    decltype(sqlite3_module::xFilter) filter;
    decltype(sqlite3_module::xNext) next;
    decltype(sqlite3_module::xEof) eof;
    decltype(sqlite3_module::xColumn) column;
};

// A module whose tables are always scanned whole. Table derives from sqlite3_vtab and names the
// planner's cost of a scan in kScanCost; Cursor derives from sqlite3_vtab_cursor and keeps its
// position, the rowid, in `row`. Both are made with new by connect and open.
template <typename Table, typename Cursor> sqlite3_module scanModule(const ScanCallbacks &own)
{
    sqlite3_module m{};
    m.iVersion = 1;
    m.xCreate = own.connect;
    m.xConnect = own.connect;
    m.xBestIndex = [](sqlite3_vtab *, sqlite3_index_info *info) {
        info->estimatedCost = Table::kScanCost;
        return SQLITE_OK;
    };
    m.xDisconnect = [](sqlite3_vtab *vtab) {
        delete static_cast<Table *>(vtab);
        return SQLITE_OK;
    };
    m.xDestroy = m.xDisconnect;
    m.xOpen = own.open;
    m.xClose = [](sqlite3_vtab_cursor *cursor) {
        delete static_cast<Cursor *>(cursor);
        return SQLITE_OK;
    };
    m.xFilter = own.filter;
    m.xNext = own.next;
    m.xEof = own.eof;
    m.xColumn = own.column;
    m.xRowid = [](sqlite3_vtab_cursor *cursor, sqlite3_int64 *out) {
        *out = static_cast<Cursor *>(cursor)->row;
        return SQLITE_OK;
    };
    return m;
}

} // namespace dao
