// 20,000 equality filters (Filter, OpenRecordset, read the name) on a 5,000-row group recordset,
// the way the group-name list asks for each activity's group; and the same through a general filter.
#include "BenchSize.h"
#include "dao/DBEngine.h"
#include "dbf/DbfWriter.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const int kGroups = benchSize(5000);
const int kFilters = benchSize(20000);

QString groupId(int i)
{
    return QStringLiteral("G%1").arg(i, 6, 10, QLatin1Char('0')).leftJustified(12, u' ');
}

const QString &groupFolder()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("kontakte.gdb"));
        dbf::DbfWriter::create(file, {dbf::DbfField::character(QStringLiteral("UNIQUE_ID"), 12),
                                      dbf::DbfField::character(QStringLiteral("GRP_NAME"), 40)});
        dbf::DbfWriter w(file);
        dbf::DbfWriter::Batch batch(w);
        for (int i = 0; i < kGroups; ++i)
            w.append({groupId(i), QStringLiteral("Gruppe Nummer %1").arg(i)});
        return dir.path();
    }();
    return path;
}

void runFilters(benchmark::State &state, const QString &form)
{
    dao::DBEngine engine;
    auto db = engine.OpenDatabase(groupFolder());
    auto groups = db->OpenRecordset(QStringLiteral("SELECT [kontakte#gdb].UNIQUE_ID AS GruppenID, [kontakte#gdb].GRP_NAME AS "
                                                   "GruppenName FROM [kontakte#gdb] "));
    const int filters = int(state.range(0));
    for (auto _ : state) {
        int found = 0;
        for (int i = 0; i < filters; ++i) {
            groups->setFilter(form.arg(groupId((i * 7919) % (kGroups + 100))));
            auto one = groups->OpenRecordset();
            if (one->RecordCount() > 0)
                found += one->value(QStringLiteral("GruppenName")).toString().isEmpty() ? 0 : 1;
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["filters/s"] = benchmark::Counter(double(filters) * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_EqualityFilter20000(benchmark::State &state)
{
    runFilters(state, QStringLiteral("GruppenID='%1'"));
}
BENCHMARK(BM_EqualityFilter20000)->Arg(kFilters)->Unit(benchmark::kMillisecond);

// The same question in a form the hash does not answer: SQL over the recordset's rows (fewer filters).
void BM_GeneralFilter(benchmark::State &state)
{
    runFilters(state, QStringLiteral("(GruppenID='%1' AND 1=1)"));
}
BENCHMARK(BM_GeneralFilter)->Arg(benchSize(200))->Unit(benchmark::kMillisecond);

} // namespace
