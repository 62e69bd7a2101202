// Reading throughput of Connection/Recordset over the SQLite ODBC driver (100,000 rows of 20
// columns: whole numbers, decimals, texts, dates), and of isql fetching the same query to /dev/null
// in the same run. Counters report rows per second.
#include "ado/Connection.h"
#include "ado/Recordset.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>

namespace {

constexpr int kRows = 100000;
const char *const kQuery = "SELECT * FROM daten";

void fill(sqlite3 *db)
{
    sqlite3_exec(db,
                 "CREATE TABLE daten(id INTEGER, kunde INTEGER, menge INTEGER, lager SMALLINT, jahr INTEGER,"
                 " preis REAL, rabatt REAL, gewicht REAL, umsatz NUMERIC(12,2), steuer REAL,"
                 " name VARCHAR(40), strasse VARCHAR(40), ort VARCHAR(30), notiz TEXT, land CHAR(2),"
                 " bestellt DATE, geliefert DATE, erfasst TIMESTAMP, geaendert TIMESTAMP, aktiv BIT);"
                 "BEGIN;",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO daten VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
    for (int r = 0; r < kRows; ++r) {
        int c = 1;
        for (int i = 0; i < 5; ++i)
            sqlite3_bind_int64(insert, c++, qint64(r) * (i + 1));
        for (int i = 0; i < 5; ++i)
            sqlite3_bind_double(insert, c++, r * 1.25 + i);
        const QByteArray texts[] = {QStringLiteral("Müller %1").arg(r).toUtf8(),
                                    QStringLiteral("Hauptstraße %1").arg(r % 300).toUtf8(), QByteArray("Köln"),
                                    QStringLiteral("Bemerkung zu Zeile %1").arg(r).toUtf8(), QByteArray("DE")};
        for (const QByteArray &text : texts)
            sqlite3_bind_text(insert, c++, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        const QByteArray day = QDate(2000, 1, 1).addDays(r % 9000).toString(Qt::ISODate).toLatin1();
        sqlite3_bind_text(insert, c++, day.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, c++, day.constData(), -1, SQLITE_TRANSIENT);
        const QByteArray stamp = day + " 12:34:56";
        sqlite3_bind_text(insert, c++, stamp.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, c++, stamp.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, c++, r % 2);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
}

const QString &connectionString()
{
    static QTemporaryDir dir;
    static const QString text = [] {
        const QString path = dir.filePath(QStringLiteral("daten.db"));
        sqlite3 *db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        fill(db);
        sqlite3_close(db);
        return QStringLiteral("Driver=SQLite3;Database=%1;NoCreat=1").arg(path);
    }();
    return text;
}

// Open, fetch every row, and read every value as a QVariant, as the lower table's transfer does.
void BM_RecordsetReadAll(benchmark::State &state)
{
    const QString text = connectionString();
    for (auto _ : state) {
        ado::Connection connection;
        connection.Open(text);
        ado::Recordset rs;
        rs.Open(QString::fromLatin1(kQuery), &connection, ado::adOpenStatic, ado::adLockReadOnly);
        const ado::Fields &fields = rs.Fields();
        qint64 cells = 0;
        for (long r = 0; r < rs.RecordCount(); ++r) {
            for (int c = 0; c < fields.Count(); ++c)
                cells += fields.Item(c).Value().isValid() ? 1 : 0;
            rs.MoveNext();
        }
        benchmark::DoNotOptimize(cells);
        if (cells != qint64(kRows) * 20)
            state.SkipWithError("not every cell was read");
    }
    state.counters["rows/s"] = benchmark::Counter(double(kRows), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_RecordsetReadAll)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// The same query through unixODBC's isql, its output thrown away.
void BM_IsqlToDevNull(benchmark::State &state)
{
    const QString text = connectionString();
    const QByteArray command = QStringLiteral("echo '%1' | isql -k '%2' -b -d, > /dev/null")
                                   .arg(QString::fromLatin1(kQuery), text)
                                   .toLocal8Bit();
    for (auto _ : state) {
        if (std::system(command.constData()) != 0)
            state.SkipWithError("isql failed");
    }
    state.counters["rows/s"] = benchmark::Counter(double(kRows), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_IsqlToDevNull)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

} // namespace
