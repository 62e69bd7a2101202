// Reading throughput of Connection/Recordset over the SQLite ODBC driver (100,000 rows of 20
// columns: whole numbers, decimals, texts, dates), and of isql fetching the same query to /dev/null
// in the same run. Counters report rows per second.
#include "AdoBenchData.h"
#include "ado/Connection.h"
#include "ado/Recordset.h"

#include <benchmark/benchmark.h>


namespace {

using adobench::connectionString;
using adobench::kQuery;
using adobench::kRows;

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
BENCHMARK(BM_RecordsetReadAll)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(benchMinTime(3.0));

// The same query through unixODBC's isql, its output thrown away.
void BM_IsqlToDevNull(benchmark::State &state)
{
    adobench::isqlToDevNull(state);
}
BENCHMARK(BM_IsqlToDevNull)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(benchMinTime(3.0));

} // namespace
