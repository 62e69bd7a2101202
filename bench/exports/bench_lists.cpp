// Speed of the distinct-value and frequency lists: adding every value of an attribute and
// listing the result as clipboard text, as the clipboard export does.
#include "BenchSize.h"
#include "mainwindow/clHistogram.h"
#include "mainwindow/clKompListe.h"
#include "platform/ScriptedUi.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QStringList>
#include <benchmark/benchmark.h>

namespace {

// Values shaped like a column of names or cities: mixed first characters, some umlauts, a share
// of empty cells, drawn with repeats from a fixed set of distinct texts.
QStringList columnValues(int count, int distinct)
{
    static const char *const stems[] = {"Müller",     "Schmidt", "Schneider", "Fischer", "Weber", "Meyer",  "Wagner",
                                        "Becker",     "Schulz",  "Hoffmann",  "Özdemir", "Ärzte", "berlin", "köln",
                                        "Zimmermann", "Krüger",  "Lange",     "Neumann", "Jäger", "Vogel"};
    QStringList pool;
    pool.reserve(distinct);
    pool << QString();
    for (int i = 1; i < distinct; ++i)
        pool << QStringLiteral("%1 %2").arg(QString::fromUtf8(stems[i % 20])).arg(i);
    QRandomGenerator random(4711);
    QStringList values;
    values.reserve(count);
    for (int i = 0; i < count; ++i)
        values << pool.at(i < distinct ? i : static_cast<int>(random.bounded(distinct)));
    return values;
}

platform::ScriptedUi &quietUi()
{
    static platform::ScriptedUi ui;
    platform::setUi(&ui);
    return ui;
}

void BM_FrequencyList(benchmark::State &state)
{
    quietUi();
    const QStringList values = columnValues(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        mainwindow::clHistogram histogram;
        for (const QString &value : values)
            histogram.AddItem(value);
        const QString text = histogram.DumpAll([](const QString &) {});
        benchmark::DoNotOptimize(text.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_DistinctList(benchmark::State &state)
{
    quietUi();
    const QStringList values = columnValues(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        mainwindow::clKompListe list;
        for (const QString &value : values)
            list.AddItem(value);
        const QString text = list.DumpAll([](const QString &) {});
        benchmark::DoNotOptimize(text.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_FrequencyList)
    ->Args({benchSize(100000), benchSize(10000)})
    ->Args({benchSize(1000000), benchSize(50000)})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DistinctList)
    ->Args({benchSize(100000), benchSize(10000)})
    ->Args({benchSize(1000000), benchSize(50000)})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
