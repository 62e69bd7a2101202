// Virtual-table callbacks over dbf::DbfTable. Values: texts at full width, numbers as integers or
// reals, dates as ISO text, logicals as 1/0; empty numbers, dates, logicals and memos are NULL.
#include "DbfVirtualTable.h"

#include "VirtualTableModule.h"
#include "dbf/DbfError.h"
#include "dbf/DbfTable.h"

#include <memory>

namespace dao {

namespace {

struct Table : sqlite3_vtab
{
    static constexpr double kScanCost = 1e6;
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

int open(sqlite3_vtab *, sqlite3_vtab_cursor **out)
{
    *out = new Cursor();
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

void column(Cursor *c, sqlite3_context *ctx, int i)
{
    const dbf::DbfRecord record = c->table.record(c->row);
    const dbf::DbfField &f = c->table.fields()[i];
    if (f.type == dbf::DbfField::Character) {
        record.text(i, c->buffer);
        resultText(ctx, c->buffer);
        return;
    }
    resultValue(ctx, record.value(i));
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

const sqlite3_module kModule = scanModule<Table, Cursor>({connect, open, filter, next, eof, columnCallback});

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
