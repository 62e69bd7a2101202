// Folder synchronisation, query execution and snapshot filtering on one SQLite connection.
#include "Connection.h"

#include "DaoErrors.h"
#include "DbfVirtualTable.h"
#include "JetLike.h"

#include "dbf/DbfError.h"
#include "dbf/DbfTable.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <sqlite3.h>

#include <memory>

namespace dao {

namespace {

QString quoteIdentifier(QString name)
{
    return QLatin1Char('"') + name.replace(u'"', QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString quoteLiteral(QString text)
{
    return QLatin1Char('\'') + text.replace(u'\'', QStringLiteral("''")) + QLatin1Char('\'');
}

QVariant columnValue(sqlite3_stmt *stmt, int i)
{
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, i);
    case SQLITE_TEXT: {
        const void *p = sqlite3_column_text16(stmt, i);
        return QString(reinterpret_cast<const QChar *>(p), sqlite3_column_bytes16(stmt, i) / 2);
    }
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt, i)), sqlite3_column_bytes(stmt, i));
    default:
        return {};
    }
}

enum class Conversion { None, Date, Boolean, Decimal };

Conversion conversionFor(const QString &declType)
{
    if (declType == QLatin1String("DATE"))
        return Conversion::Date;
    if (declType == QLatin1String("BOOLEAN"))
        return Conversion::Boolean;
    if (declType.startsWith(QLatin1String("NUMERIC(")) && !declType.endsWith(QLatin1String(",0)")))
        return Conversion::Decimal;
    return Conversion::None;
}

// Brings a value into the type of its declared column: dates, logicals and decimal numbers.
QVariant typed(QVariant v, Conversion conversion)
{
    if (v.isNull())
        return v;
    switch (conversion) {
    case Conversion::Date:
        return v.typeId() == QMetaType::QString ? QVariant(QDate::fromString(v.toString(), Qt::ISODate)) : v;
    case Conversion::Boolean:
        return v.typeId() == QMetaType::LongLong ? QVariant(v.toLongLong() != 0) : v;
    case Conversion::Decimal:
        return v.typeId() == QMetaType::LongLong ? QVariant(v.toDouble()) : v;
    case Conversion::None:
        break;
    }
    return v;
}

// One past the "]" that closes the name in brackets opening at start; "]]" inside stands for "]".
qsizetype bracketEnd(const QString &sql, qsizetype start)
{
    for (qsizetype j = start + 1; j < sql.size(); ++j) {
        if (sql[j] != u']')
            continue;
        if (j + 1 < sql.size() && sql[j + 1] == u']') {
            ++j;
            continue;
        }
        return j + 1;
    }
    return sql.size();
}

// One past the end of the quoted text opening at start: '...' or "..." with the quote doubled inside.
qsizetype quotedEnd(const QString &sql, qsizetype start)
{
    const QChar quote = sql[start];
    qsizetype j = start + 1;
    while (j < sql.size() && !(sql[j] == quote && (j + 1 >= sql.size() || sql[j + 1] != quote)))
        j += sql[j] == quote ? 2 : 1;
    return qMin(j + 1, sql.size());
}

// SQLite ends a name in brackets at its first "]", so a name that holds one ("]]" between the
// brackets, as a table named after a file "a]b.gdb") goes to it in double quotes instead.
QString escapedBracketsToQuotes(const QString &sql)
{
    if (!sql.contains(QLatin1String("]]")))
        return sql;
    QString out;
    out.reserve(sql.size());
    for (qsizetype i = 0; i < sql.size();) {
        const QChar c = sql[i];
        const qsizetype end = c == u'\'' || c == u'"' ? quotedEnd(sql, i) : c == u'[' ? bracketEnd(sql, i) : i + 1;
        const QString token = sql.mid(i, end - i);
        if (c == u'[' && token.contains(QLatin1String("]]")) && token.endsWith(u']'))
            out += quoteIdentifier(token.mid(1, token.size() - 2).replace(QLatin1String("]]"), QLatin1String("]")));
        else
            out += token;
        i = end;
    }
    return out;
}

// The first field name that occurs twice (SQL compares names without regard to case); "" for none.
QString doubledFieldName(const dbf::DbfFieldList &fields)
{
    QSet<QString> seen;
    for (const dbf::DbfField &f : fields) {
        const QString key = f.name.toUpper();
        if (seen.contains(key))
            return f.name;
        seen.insert(key);
    }
    return QString();
}

// Jet filters name fields as [table].field; over a snapshot only the field name counts.
QString stripQualifiers(const QString &filter)
{
    QString out;
    out.reserve(filter.size());
    for (qsizetype i = 0; i < filter.size();) {
        const QChar c = filter[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype end = quotedEnd(filter, i);
            out += filter.mid(i, end - i);
            i = end;
            continue;
        }
        qsizetype end = i;
        if (c == u'[') {
            end = bracketEnd(filter, i);
        } else if (c.isLetter() || c == u'_') {
            while (end < filter.size() && (filter[end].isLetterOrNumber() || filter[end] == u'_' || filter[end] == u'#'))
                ++end;
        } else {
            out += c;
            ++i;
            continue;
        }
        const bool qualifier = end < filter.size() && filter[end] == u'.' && end + 1 < filter.size() &&
                               (filter[end + 1] == u'[' || filter[end + 1].isLetter() || filter[end + 1] == u'_');
        if (!qualifier)
            out += filter.mid(i, end - i);
        i = qualifier ? end + 1 : end;
    }
    return out;
}

} // namespace

Connection::Connection(const QString &folder) : m_folder(folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir())
        raise(ErrInvalidPath, QStringLiteral("'%1' ist kein zulässiger Pfad. Stellen Sie sicher, dass der Pfad richtig "
                                             "eingegeben wurde.")
                                  .arg(folder));
    m_lookup = [this](int id) { return m_snapshots.value(id, nullptr); };
    // UTF-16 as the connection's own encoding: texts pass between the dBase decoder, SQLite and
    // QString without a conversion to UTF-8 and back.
    if (sqlite3_open16(u":memory:", &m_db) != SQLITE_OK ||
        DbfVirtualTable::registerWith(m_db) != SQLITE_OK ||
        SnapshotVirtualTable::registerWith(m_db, &m_lookup) != SQLITE_OK || JetLike::registerWith(m_db) != SQLITE_OK) {
        const QString message = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("kein Speicher");
        sqlite3_close(m_db);
        m_db = nullptr;
        raise(ErrReserved, QStringLiteral("Die Datenbank kann nicht geöffnet werden (%1).").arg(message));
    }
}

Connection::~Connection()
{
    sqlite3_close(m_db);
}

QString Connection::tableNameOf(const QString &fileName)
{
    QString name = fileName.toLower();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name[dot] = u'#';
    return name;
}

void Connection::exec(const QString &sql)
{
    char *err = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString message = QString::fromUtf8(err);
        sqlite3_free(err);
        throw platform::VbError(ErrCannotOpenFile, message, QStringLiteral("DAO"));
    }
}

void Connection::syncTables()
{
    const QFileInfoList files = QDir(m_folder).entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
    QSet<QString> seen;
    for (const QFileInfo &f : files) {
        const QString name = tableNameOf(f.fileName());
        // Two files whose names differ only in case: the first (by name) is the table.
        if (seen.contains(name))
            continue;
        seen.insert(name);
        syncFile(name, f.filePath(), f.size(), f.lastModified());
    }
    for (auto it = m_tables.begin(); it != m_tables.end();) {
        if (seen.contains(it.key())) {
            ++it;
            continue;
        }
        if (it->error.isEmpty())
            exec(QStringLiteral("DROP TABLE IF EXISTS temp.%1").arg(quoteIdentifier(it.key())));
        it = m_tables.erase(it);
    }
}

void Connection::syncFile(const QString &tableName, const QString &path, qint64 size, const QDateTime &modified)
{
    FileTable &entry = m_tables[tableName];
    if (entry.path == path && entry.size == size && entry.modified == modified)
        return;
    const bool existed = !entry.signature.isEmpty();
    entry.path = path;
    entry.size = size;
    entry.modified = modified;
    QString signature;
    try {
        dbf::DbfTable table(path);
        const QString doubled = doubledFieldName(table.fields());
        if (doubled.isEmpty()) {
            signature = DbfVirtualTable::schema(table.fields());
            entry.error.clear();
        } else {
            entry.errorNumber = ErrFieldDefinedTwice;
            entry.error =
                QStringLiteral("Der Feldname '%1' kommt in der dBase-Datei '%2' doppelt vor.").arg(doubled, path);
        }
    } catch (const dbf::DbfError &e) {
        entry.errorNumber = ErrCannotOpenFile;
        entry.error = e.message();
    }
    if (signature == entry.signature)
        return;
    if (existed)
        exec(QStringLiteral("DROP TABLE IF EXISTS temp.%1").arg(quoteIdentifier(tableName)));
    entry.signature = signature;
    if (!signature.isEmpty())
        exec(QStringLiteral("CREATE VIRTUAL TABLE temp.%1 USING dbf(%2)").arg(quoteIdentifier(tableName), quoteLiteral(path)));
}

void Connection::raiseFor(const QString &message, const QString &sql) const
{
    static const QRegularExpression noTable(QStringLiteral("^no such table: (?:\\w+\\.)?(.*)$"));
    const QRegularExpressionMatch m = noTable.match(message);
    if (m.hasMatch()) {
        const auto it = m_tables.constFind(m.captured(1).toLower());
        if (it != m_tables.constEnd() && !it->error.isEmpty())
            raise(it->errorNumber, it->error);
    }
    if (message.startsWith(QLatin1String("Die dBase-Datei")) || message.startsWith(QLatin1String("Die Memodatei")))
        raise(ErrCannotOpenFile, message);
    raiseSqlite(message, sql);
}

Snapshot Connection::query(const QString &sql)
{
    syncTables();
    const QString statement = escapedBracketsToQuotes(sql);
    sqlite3_stmt *stmt = nullptr;
    const void *tail = nullptr;
    if (sqlite3_prepare16_v2(m_db, statement.utf16(), int(statement.size() * 2), &stmt, &tail) != SQLITE_OK)
        raiseFor(QString::fromUtf8(sqlite3_errmsg(m_db)), sql);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> guard(stmt, sqlite3_finalize);
    if (!stmt)
        raise(ErrInvalidOperation, QStringLiteral("Ungültige Operation (leere Abfrage)."));
    const qsizetype used =
        tail ? static_cast<const char16_t *>(tail) - reinterpret_cast<const char16_t *>(statement.utf16())
             : statement.size();
    const QString rest = statement.mid(used).trimmed();
    if (!rest.isEmpty() && rest != QLatin1String(";"))
        raise(ErrCharactersAfterEnd, QStringLiteral("Zeichen am Ende der SQL-Anweisung gefunden."));
    if (!sqlite3_stmt_readonly(stmt))
        raise(ErrInvalidOperation, QStringLiteral("Ungültige Operation (nur Auswahlabfragen sind möglich)."));

    Snapshot s;
    const int n = sqlite3_column_count(stmt);
    for (int i = 0; i < n; ++i) {
        SnapshotColumn c;
        c.name = QString::fromUtf8(sqlite3_column_name(stmt, i));
        c.declType = QString::fromUtf8(sqlite3_column_decltype(stmt, i));
        s.columns.append(c);
    }
    QList<Conversion> conversions;
    for (const SnapshotColumn &c : s.columns)
        conversions.append(conversionFor(c.declType));
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int i = 0; i < n; ++i)
            s.values.append(typed(columnValue(stmt, i), conversions[i]));
        ++s.rowCount;
    }
    if (rc != SQLITE_DONE)
        raiseFor(QString::fromUtf8(sqlite3_errmsg(m_db)), sql);
    for (int i = 0; i < n; ++i) {
        QVariant sample;
        for (qsizetype r = 0; r < s.rowCount && sample.isNull(); ++r)
            sample = s.at(r, i);
        Snapshot::describe(s.columns[i], sample);
    }
    return s;
}

QList<qsizetype> Connection::filterRows(const Snapshot &snapshot, const QString &filter)
{
    const int id = m_nextSnapshot++;
    const QString table = QStringLiteral("temp.\"rs_%1\"").arg(id);
    m_snapshots.insert(id, &snapshot);
    QList<qsizetype> rows;
    QString message;
    try {
        exec(QStringLiteral("CREATE VIRTUAL TABLE %1 USING snapshot(%2)").arg(table).arg(id));
    } catch (const platform::VbError &e) {
        m_snapshots.remove(id);
        raise(ErrReserved, e.description());
    }
    const QString sql =
        QStringLiteral("SELECT rowid FROM %1 WHERE %2").arg(table, escapedBracketsToQuotes(stripQualifiers(filter)));
    sqlite3_stmt *stmt = nullptr;
    const void *tail = nullptr;
    int rc = sqlite3_prepare16_v2(m_db, sql.utf16(), int(sql.size() * 2), &stmt, &tail);
    if (rc == SQLITE_OK && stmt && !sqlite3_stmt_readonly(stmt))
        rc = SQLITE_ERROR;
    if (rc == SQLITE_OK && stmt) {
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            rows.append(qsizetype(sqlite3_column_int64(stmt, 0)));
    }
    if (rc != SQLITE_DONE && rc != SQLITE_OK)
        message = QString::fromUtf8(sqlite3_errmsg(m_db));
    else if (tail && QString(reinterpret_cast<const QChar *>(tail)).trimmed().size() > 0)
        message = QStringLiteral("syntax error");
    sqlite3_finalize(stmt);
    exec(QStringLiteral("DROP TABLE %1").arg(table));
    m_snapshots.remove(id);
    if (!message.isEmpty())
        raiseSqlite(message, filter);
    return rows;
}

} // namespace dao
