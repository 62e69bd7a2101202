// The external-data read into the lower table: SetADOFields and ShowData of 100,000 rows x 20
// columns (whole numbers, decimals, texts, dates, a Boolean) from the SQLite ODBC driver and from a
// private PostgreSQL server into a fresh table, and isql fetching the same query to /dev/null in the
// same run.
#include "AdoBenchPostgres.h"
#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"
#include "platform/ScriptedUi.h"
#include "records/clADODaten.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using adobench::connectionString;
using adobench::kQuery;
using adobench::kRows;

// An external-data object on the control, given the benchmark's connection and query.
std::unique_ptr<records::clADODaten> readerOn(InfoZoomControl *control, const QString &connection = connectionString(),
                                              const QString &query = QString::fromLatin1(kQuery))
{
    auto ado = std::make_unique<records::clADODaten>();
    ado->Init(control, nullptr);
    ado->setConnectionString(connection);
    ado->setSQLString(query);
    return ado;
}

// What the re-read command does: the columns (the query's first run), then ShowData (its second
// run and the transfer) into a fresh lower table.
void showData(benchmark::State &state, const QString &connection)
{
    if (connection.isEmpty()) {
        state.SkipWithError("no data source");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto control = std::make_unique<InfoZoomControl>();
        auto ado = readerOn(control.get(), connection);
        state.ResumeTiming();
        if (!ado->SetADOFields()) {
            state.SkipWithError("SetADOFields failed");
            break;
        }
        ado->ShowData();
        state.PauseTiming();
        if (control->Table()->Objects().Count() != kRows || control->Table()->StatusText() != QStringLiteral("Fertig."))
            state.SkipWithError("not every row arrived");
        ado.reset();
        control.reset();
        state.ResumeTiming();
    }
    state.counters["rows/s"] = benchmark::Counter(double(kRows), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ShowData100kx20(benchmark::State &state)
{
    showData(state, connectionString());
}
BENCHMARK(BM_ShowData100kx20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// SetADOFields alone: the connection and the query's columns.
void setADOFields(benchmark::State &state, const QString &connection,
                  const QString &query = QString::fromLatin1(kQuery))
{
    if (connection.isEmpty() || query.isEmpty()) {
        state.SkipWithError("no data source");
        return;
    }
    InfoZoomControl control;
    for (auto _ : state) {
        auto ado = readerOn(&control, connection, query);
        if (!ado->SetADOFields() || ado->FieldCount() != 20)
            state.SkipWithError("SetADOFields failed");
    }
}

void BM_SetADOFields100kx20(benchmark::State &state)
{
    setADOFields(state, connectionString());
}
BENCHMARK(BM_SetADOFields100kx20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// ShowData alone (the columns already known), to separate the transfer from the first run.
void BM_ShowDataOnly100kx20(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto control = std::make_unique<InfoZoomControl>();
        auto ado = readerOn(control.get());
        ado->SetADOFields();
        state.ResumeTiming();
        ado->ShowData();
        state.PauseTiming();
        if (control->Table()->Objects().Count() != kRows)
            state.SkipWithError("not every row arrived");
        ado.reset();
        control.reset();
        state.ResumeTiming();
    }
    state.counters["rows/s"] = benchmark::Counter(double(kRows), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ShowDataOnly100kx20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The same query through unixODBC's isql, its output thrown away.
void BM_IsqlToDevNull(benchmark::State &state)
{
    adobench::isqlToDevNull(state);
}
BENCHMARK(BM_IsqlToDevNull)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The same against PostgreSQL: the whole re-read, the columns alone, and isql on the same query.
void BM_PostgresShowData100kx20(benchmark::State &state)
{
    showData(state, adobench::postgresConnectionString());
}
BENCHMARK(BM_PostgresShowData100kx20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_PostgresSetADOFields100kx20(benchmark::State &state)
{
    setADOFields(state, adobench::postgresConnectionString());
}
BENCHMARK(BM_PostgresSetADOFields100kx20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The columns of a million rows: learned without the rows, so no slower than of a hundred thousand.
void BM_PostgresSetADOFields1Mx20(benchmark::State &state)
{
    setADOFields(state, adobench::postgresConnectionString(), adobench::postgresMillionRowsQuery());
}
BENCHMARK(BM_PostgresSetADOFields1Mx20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The floor in the same run: the same query cut to one row by the server.
void BM_PostgresSetADOFieldsLimit1(benchmark::State &state)
{
    const QString query = adobench::postgresMillionRowsQuery();
    setADOFields(state, adobench::postgresConnectionString(),
                 query.isEmpty() ? query : query + QStringLiteral(" LIMIT 1"));
}
BENCHMARK(BM_PostgresSetADOFieldsLimit1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The columns of the million rows on a connection already open: SetADOFields without the
// server's start of a session, which a loaded machine makes the larger part.
void BM_PostgresOpenColumns1Mx20(benchmark::State &state)
{
    const QString query = adobench::postgresMillionRowsQuery();
    if (query.isEmpty()) {
        state.SkipWithError("no data source");
        return;
    }
    ado::Connection connection;
    connection.Open(adobench::postgresConnectionString());
    for (auto _ : state) {
        ado::Recordset rs;
        rs.OpenColumns(query, &connection);
        if (rs.Fields().Count() != 20)
            state.SkipWithError("columns missing");
    }
}
BENCHMARK(BM_PostgresOpenColumns1Mx20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_PostgresIsqlToDevNull(benchmark::State &state)
{
    adobench::isqlToDevNull(state, adobench::postgresConnectionString());
}
BENCHMARK(BM_PostgresIsqlToDevNull)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
