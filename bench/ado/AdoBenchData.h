// The benchmarks' data: an SQLite file of 100,000 rows x 20 columns (whole numbers, decimals,
// texts, dates, a Boolean), made once per run, and its ODBC connection string.
#pragma once

#include "BenchSize.h"

#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <sqlite3.h>

namespace adobench {

inline const int kRows = benchSize(100000);
inline const char *const kQuery = "SELECT * FROM daten";

inline void fill(sqlite3 *db)
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

inline const QString &connectionString()
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

// The same query through unixODBC's isql, its output thrown away: what a plain ODBC client needs
// for the rows, measured in the same run as the benchmark beside it.
inline void isqlToDevNull(benchmark::State &state, const QString &connection = connectionString())
{
    if (connection.isEmpty()) {
        state.SkipWithError("no data source");
        return;
    }
    const QByteArray command = QStringLiteral("echo '%1' | isql -k '%2' -b -d, > /dev/null")
                                   .arg(QString::fromLatin1(kQuery), connection)
                                   .toLocal8Bit();
    for (auto _ : state) {
        if (std::system(command.constData()) != 0)
            state.SkipWithError("isql failed");
    }
    state.counters["rows/s"] = benchmark::Counter(double(kRows), benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace adobench
