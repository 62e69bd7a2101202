// Virtual-table callbacks over a Snapshot; the rowid is the row's index in the snapshot.
#include "SnapshotVirtualTable.h"

#include "Snapshot.h"
#include "VirtualTableModule.h"

#include <QStringList>

#include <memory>

namespace dao {

namespace {

struct Table : sqlite3_vtab
{
    static constexpr double kScanCost = 1e5;
    const Snapshot *snapshot = nullptr;
};

struct Cursor : sqlite3_vtab_cursor
{
    const Snapshot *snapshot = nullptr;
    qsizetype row = 0;
};

int connect(sqlite3 *db, void *aux, int argc, const char *const *argv, sqlite3_vtab **out, char **err)
{
    const auto *lookup = static_cast<const SnapshotVirtualTable::Lookup *>(aux);
    const Snapshot *snapshot = argc >= 4 ? (*lookup)(QByteArray(argv[3]).toInt()) : nullptr;
    if (!snapshot) {
        *err = sqlite3_mprintf("snapshot: unknown recordset");
        return SQLITE_ERROR;
    }
    QStringList columns;
    for (int i = 0; i < snapshot->columns.size(); ++i) {
        const SnapshotColumn &c = snapshot->columns[i];
        QString name = c.name;
        // Two columns of one name (a join) keep the first name; the second gets a number, as Jet's "Expr" names do.
        for (int j = 0; j < i; ++j)
            if (snapshot->columns[j].name.compare(c.name, Qt::CaseInsensitive) == 0)
                name = QStringLiteral("%1_%2").arg(c.name).arg(i);
        columns << QStringLiteral("\"%1\" %2").arg(name.replace(u'"', QStringLiteral("\"\"")), c.declType);
    }
    const int rc =
        sqlite3_declare_vtab(db, QStringLiteral("CREATE TABLE x(%1)").arg(columns.join(u',')).toUtf8().constData());
    if (rc != SQLITE_OK)
        return rc;
    auto table = std::make_unique<Table>();
    table->snapshot = snapshot;
    *out = table.release();
    return SQLITE_OK;
}

int open(sqlite3_vtab *vtab, sqlite3_vtab_cursor **out)
{
    auto *c = new Cursor();
    c->snapshot = static_cast<Table *>(vtab)->snapshot;
    *out = c;
    return SQLITE_OK;
}

int filter(sqlite3_vtab_cursor *cursor, int, const char *, int, sqlite3_value **)
{
    static_cast<Cursor *>(cursor)->row = 0;
    return SQLITE_OK;
}

int next(sqlite3_vtab_cursor *cursor)
{
    ++static_cast<Cursor *>(cursor)->row;
    return SQLITE_OK;
}

int eof(sqlite3_vtab_cursor *cursor)
{
    const auto *c = static_cast<Cursor *>(cursor);
    return c->row >= c->snapshot->rowCount;
}

int column(sqlite3_vtab_cursor *cursor, sqlite3_context *ctx, int i)
{
    const auto *c = static_cast<Cursor *>(cursor);
    resultValue(ctx, c->snapshot->at(c->row, i));
    return SQLITE_OK;
}

const sqlite3_module kModule = scanModule<Table, Cursor>({connect, open, filter, next, eof, column});

} // namespace

int SnapshotVirtualTable::registerWith(sqlite3 *db, const Lookup *lookup)
{
    return sqlite3_create_module_v2(db, "snapshot", &kModule, const_cast<Lookup *>(lookup), nullptr);
}

} // namespace dao
