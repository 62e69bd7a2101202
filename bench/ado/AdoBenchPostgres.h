// The benchmarks' rows in a private PostgreSQL server: the same 100,000 rows x 20 columns as the
// SQLite file, with the types PostgreSQL gives them (a numeric(12,2) among them), and a million rows
// of those columns for learning the columns of a large result.
#pragma once

#include "AdoBenchData.h"
#include "BenchMain.h"
#include "PostgresServer.h"

namespace adobench {

// The SELECT that makes `rows` rows of the benchmarks' 20 columns, numbered from 0.
inline QString postgresRowsQuery(int rows)
{
    return QStringLiteral("SELECT n AS id, n * 2 AS kunde, n * 3 AS menge,"
                          " (n % 300)::smallint AS lager, n * 5 AS jahr, n * 1.25::float8 AS preis,"
                          " n + 1.0::float8 AS rabatt, n + 2.0::float8 AS gewicht, (n * 1.25)::numeric(12,2) AS umsatz,"
                          " n + 4.0::float8 AS steuer, ('Müller ' || n)::varchar(40) AS name,"
                          " ('Hauptstraße ' || (n % 300))::varchar(40) AS strasse, 'Köln'::varchar(30) AS ort,"
                          " 'Bemerkung zu Zeile ' || n AS notiz, 'DE'::char(2) AS land,"
                          " date '2000-01-01' + n % 9000 AS bestellt, date '2000-01-01' + n % 9000 AS geliefert,"
                          " timestamp '2000-01-01 12:34:56' + (n % 9000) * interval '1 day' AS erfasst,"
                          " timestamp '2000-01-01 12:34:56' + (n % 9000) * interval '1 day' AS geaendert,"
                          " n % 2 = 1 AS aktiv FROM generate_series(0, %1) AS n")
        .arg(rows - 1);
}

// The connection string of a private PostgreSQL server holding the same rows, started on first
// use and stopped before the program ends; "" when no server binaries are installed.
inline const QString &postgresConnectionString()
{
    static const QString text = [] {
        adotest::PostgresServer &server = benchShared<adotest::PostgresServer>();
        QString reason;
        if (!server.start(&reason))
            return QString();
        const QString sql = QStringLiteral("CREATE TABLE daten AS ") + postgresRowsQuery(kRows);
        return server.execute(sql) ? server.connectionString() : QString();
    }();
    return text;
}

// The query over a table of the same columns with a million rows in that server, made on first
// use; "" without a server.
inline const QString &postgresMillionRowsQuery()
{
    static const QString query = [] {
        if (postgresConnectionString().isEmpty())
            return QString();
        const QString sql = QStringLiteral("CREATE TABLE million AS ") + postgresRowsQuery(benchSize(1000000));
        return benchShared<adotest::PostgresServer>().execute(sql) ? QStringLiteral("SELECT * FROM million")
                                                                   : QString();
    }();
    return query;
}

} // namespace adobench
