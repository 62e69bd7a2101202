// Virtual-table callbacks over a Snapshot; the rowid is the row's index in the snapshot.
#include "SnapshotVirtualTable.h"

#include "Snapshot.h"

#include <QDate>
#include <QStringList>
#include <sqlite3.h>

#include <memory>

namespace dao {

namespace {

struct Table : sqlite3_vtab
{
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
    const int rc = sqlite3_declare_vtab(db, QStringLiteral("CREATE TABLE x(%1)").arg(columns.join(u',')).toUtf8().constData());
    if (rc != SQLITE_OK)
        return rc;
    auto table = std::make_unique<Table>();
    table->snapshot = snapshot;
    *out = table.release();
    return SQLITE_OK;
}

int disconnect(sqlite3_vtab *vtab)
{
    delete static_cast<Table *>(vtab);
    return SQLITE_OK;
}

int bestIndex(sqlite3_vtab *, sqlite3_index_info *info)
{
    info->estimatedCost = 1e5;
    return SQLITE_OK;
}

int open(sqlite3_vtab *vtab, sqlite3_vtab_cursor **out)
{
    auto *c = new Cursor();
    c->snapshot = static_cast<Table *>(vtab)->snapshot;
    *out = c;
    return SQLITE_OK;
}

int close(sqlite3_vtab_cursor *cursor)
{
    delete static_cast<Cursor *>(cursor);
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

void resultText(sqlite3_context *ctx, const QString &s)
{
    sqlite3_result_text16(ctx, s.utf16(), int(s.size() * 2), SQLITE_TRANSIENT);
}

int column(sqlite3_vtab_cursor *cursor, sqlite3_context *ctx, int i)
{
    const auto *c = static_cast<Cursor *>(cursor);
    const QVariant &v = c->snapshot->at(c->row, i);
    if (v.isNull()) {
        sqlite3_result_null(ctx);
        return SQLITE_OK;
    }
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        sqlite3_result_int64(ctx, v.toLongLong());
        break;
    case QMetaType::Double:
        sqlite3_result_double(ctx, v.toDouble());
        break;
    case QMetaType::Bool:
        sqlite3_result_int(ctx, v.toBool() ? 1 : 0);
        break;
    case QMetaType::QDate:
        resultText(ctx, v.toDate().toString(Qt::ISODate));
        break;
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        sqlite3_result_blob(ctx, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        break;
    }
    default:
        resultText(ctx, v.toString());
    }
    return SQLITE_OK;
}

int rowid(sqlite3_vtab_cursor *cursor, sqlite3_int64 *out)
{
    *out = static_cast<Cursor *>(cursor)->row;
    return SQLITE_OK;
}

sqlite3_module makeModule()
{
    sqlite3_module m{};
    m.iVersion = 1;
    m.xCreate = connect;
    m.xConnect = connect;
    m.xBestIndex = bestIndex;
    m.xDisconnect = disconnect;
    m.xDestroy = disconnect;
    m.xOpen = open;
    m.xClose = close;
    m.xFilter = filter;
    m.xNext = next;
    m.xEof = eof;
    m.xColumn = column;
    m.xRowid = rowid;
    return m;
}

const sqlite3_module kModule = makeModule();

} // namespace

int SnapshotVirtualTable::registerWith(sqlite3 *db, const Lookup *lookup)
{
    return sqlite3_create_module_v2(db, "snapshot", &kModule, const_cast<Lookup *>(lookup), nullptr);
}

} // namespace dao
