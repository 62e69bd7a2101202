// Virtual-table callbacks over dbf::DbfTable. Values: texts at full width, numbers as integers or
// reals, dates as ISO text, logicals as 1/0; empty numbers, dates, logicals and memos are NULL.
#include "DbfVirtualTable.h"

#include "dbf/DbfError.h"
#include "dbf/DbfTable.h"

#include <sqlite3.h>

#include <memory>

namespace dao {

namespace {

struct Table : sqlite3_vtab
{
    QString path;
    dbf::DbfFieldList fields;
};

struct Cursor : sqlite3_vtab_cursor
{
    dbf::DbfTable table;
    qint64 row = 0;
    QString buffer;
};

void setError(sqlite3_vtab *vtab, const QString &message)
{
    sqlite3_free(vtab->zErrMsg);
    vtab->zErrMsg = sqlite3_mprintf("%s", message.toUtf8().constData());
}

QString dequote(const char *arg)
{
    QString s = QString::fromUtf8(arg);
    if (s.size() >= 2 && (s.front() == u'\'' || s.front() == u'"') && s.back() == s.front())
        s = s.mid(1, s.size() - 2).replace(QString(2, s.front()), QString(1, s.front()));
    return s;
}

int connect(sqlite3 *db, void *, int argc, const char *const *argv, sqlite3_vtab **out, char **err)
{
    if (argc < 4) {
        *err = sqlite3_mprintf("dbf: file name missing");
        return SQLITE_ERROR;
    }
    auto table = std::make_unique<Table>();
    table->path = dequote(argv[3]);
    try {
        dbf::DbfTable file(table->path);
        table->fields = file.fields();
    } catch (const dbf::DbfError &e) {
        *err = sqlite3_mprintf("%s", e.message().toUtf8().constData());
        return SQLITE_ERROR;
    }
    const int rc = sqlite3_declare_vtab(db, DbfVirtualTable::schema(table->fields).toUtf8().constData());
    if (rc != SQLITE_OK)
        return rc;
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
    info->estimatedCost = 1e6;
    return SQLITE_OK;
}

int open(sqlite3_vtab *, sqlite3_vtab_cursor **out)
{
    *out = new Cursor();
    return SQLITE_OK;
}

int close(sqlite3_vtab_cursor *cursor)
{
    delete static_cast<Cursor *>(cursor);
    return SQLITE_OK;
}

void skipDeleted(Cursor *c)
{
    while (c->row < c->table.recordCount() && c->table.record(c->row).isDeleted())
        ++c->row;
}

int filter(sqlite3_vtab_cursor *cursor, int, const char *, int, sqlite3_value **)
{
    auto *c = static_cast<Cursor *>(cursor);
    try {
        c->table.open(static_cast<Table *>(cursor->pVtab)->path);
        c->row = 0;
        skipDeleted(c);
    } catch (const dbf::DbfError &e) {
        setError(cursor->pVtab, e.message());
        return SQLITE_ERROR;
    }
    return SQLITE_OK;
}

int next(sqlite3_vtab_cursor *cursor)
{
    auto *c = static_cast<Cursor *>(cursor);
    try {
        ++c->row;
        skipDeleted(c);
    } catch (const dbf::DbfError &e) {
        setError(cursor->pVtab, e.message());
        return SQLITE_ERROR;
    }
    return SQLITE_OK;
}

int eof(sqlite3_vtab_cursor *cursor)
{
    auto *c = static_cast<Cursor *>(cursor);
    return !c->table.isOpen() || c->row >= c->table.recordCount();
}

void resultText(sqlite3_context *ctx, const QString &s)
{
    sqlite3_result_text16(ctx, s.utf16(), int(s.size() * 2), SQLITE_TRANSIENT);
}

void column(Cursor *c, sqlite3_context *ctx, int i)
{
    const dbf::DbfRecord record = c->table.record(c->row);
    const dbf::DbfField &f = c->table.fields()[i];
    if (f.type == dbf::DbfField::Character) {
        record.text(i, c->buffer);
        resultText(ctx, c->buffer);
        return;
    }
    const QVariant v = record.value(i);
    if (v.isNull()) {
        sqlite3_result_null(ctx);
        return;
    }
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        sqlite3_result_int64(ctx, v.toLongLong());
        return;
    case QMetaType::Double:
        sqlite3_result_double(ctx, v.toDouble());
        return;
    case QMetaType::Bool:
        sqlite3_result_int(ctx, v.toBool() ? 1 : 0);
        return;
    case QMetaType::QDate:
        resultText(ctx, v.toDate().toString(Qt::ISODate));
        return;
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        sqlite3_result_blob(ctx, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        return;
    }
    default:
        resultText(ctx, v.toString());
    }
}

int columnCallback(sqlite3_vtab_cursor *cursor, sqlite3_context *ctx, int i)
{
    try {
        column(static_cast<Cursor *>(cursor), ctx, i);
    } catch (const dbf::DbfError &e) {
        const QString m = e.message();
        sqlite3_result_error16(ctx, m.utf16(), int(m.size() * 2));
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
    m.xColumn = columnCallback;
    m.xRowid = rowid;
    return m;
}

const sqlite3_module kModule = makeModule();

} // namespace

int DbfVirtualTable::registerWith(sqlite3 *db)
{
    return sqlite3_create_module_v2(db, "dbf", &kModule, nullptr, nullptr);
}

QString DbfVirtualTable::declType(const dbf::DbfField &f)
{
    switch (f.type) {
    case dbf::DbfField::Character:
        return QStringLiteral("TEXT(%1)").arg(f.length);
    case dbf::DbfField::Numeric:
    case dbf::DbfField::Float:
        return QStringLiteral("NUMERIC(%1,%2)").arg(f.length).arg(f.decimals);
    case dbf::DbfField::Date:
        return QStringLiteral("DATE");
    case dbf::DbfField::Logical:
        return QStringLiteral("BOOLEAN");
    case dbf::DbfField::Memo:
        return QStringLiteral("MEMO");
    case dbf::DbfField::Integer:
        return QStringLiteral("INTEGER");
    default:
        return QStringLiteral("BLOB");
    }
}

QString DbfVirtualTable::schema(const dbf::DbfFieldList &fields)
{
    QStringList columns;
    for (const dbf::DbfField &f : fields) {
        QString name = f.name;
        columns << QStringLiteral("\"%1\" %2").arg(name.replace(u'"', QStringLiteral("\"\"")), declType(f));
    }
    return QStringLiteral("CREATE TABLE x(%1)").arg(columns.join(QStringLiteral(", ")));
}

} // namespace dao
