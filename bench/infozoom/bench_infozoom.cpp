// The table component at the size of a large contact table: 100,000 rows x 30 attributes of
// contact-like text, filled through the public Value put with the display off, then 10,000
// SelectValue and a Zoom, SaveFile, LoadFile, and the bytes each cell costs beyond its distinct values.
#include "BenchSize.h"
#include "infozoom/InfoZoomTable.h"
#include "infozoom/TableData.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

const int Rows = benchSize(100'000);
const int Selected = benchSize(10'000); // every seventh ID
constexpr int Attributes = 30;

struct Source
{
    std::vector<std::vector<QString>> distinct; // per attribute
    std::vector<std::vector<uint32_t>> pick;    // per attribute, per row
};

// Deterministic contact-like columns: IDs, names, streets, cities, phone numbers, dates, codes.
const Source &source()
{
    static const Source s = [] {
        Source src;
        quint64 state = 0x9E3779B97F4A7C15ull;
        auto next = [&state] {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            return state;
        };
        const QStringList first = {"Anna", "Bernd", "Clara", "Dieter", "Eva", "Frank", "Gabi", "Heinz", "Ines", "Jörg"};
        const QStringList last = {"Müller", "Schmidt", "Schneider", "Fischer", "Weber", "Meyer", "Wagner", "Becker"};
        int sizes[Attributes] = {Rows,  10,   8000, 20000, 500,  9000, 60000, 40000, 3650, 3650,
                                 12,    7,    2,    50,    1000, 300,  5000,  100,   25,   80000,
                                 15000, 2000, 400,  30,    6,    900,  1200,  70,    4,    Rows};
        for (int &size : sizes)
            size = size == Rows ? Rows : benchSize(size);
        for (int a = 0; a < Attributes; ++a) {
            std::vector<QString> values;
            for (int v = 0; v < sizes[a]; ++v) {
                switch (a % 5) {
                case 0:
                    values.push_back(QStringLiteral("CO%1").arg(next() & 0xFFFFFFFFFFull, 24, 16, QLatin1Char('0')));
                    break;
                case 1:
                    values.push_back(first[v % first.size()] + QLatin1Char(' ') + last[(v / 10) % last.size()] +
                                     QString::number(v));
                    break;
                case 2:
                    values.push_back(QStringLiteral("Hauptstraße %1, %2 Musterstadt").arg(v).arg(10000 + v % 89999));
                    break;
                case 3:
                    values.push_back(QStringLiteral("%1.%2.%3 10:00:00")
                                         .arg(1 + v % 28, 2, 10, QLatin1Char('0'))
                                         .arg(1 + v % 12, 2, 10, QLatin1Char('0'))
                                         .arg(1990 + v % 35));
                    break;
                default:
                    values.push_back(QStringLiteral("+49 30 %1").arg(1000000 + v));
                }
            }
            std::vector<uint32_t> pick(Rows);
            for (int r = 0; r < Rows; ++r)
                pick[size_t(r)] = sizes[a] == Rows ? uint32_t(r) : uint32_t(next() % uint64_t(sizes[a]));
            src.distinct.push_back(std::move(values));
            src.pick.push_back(std::move(pick));
        }
        return src;
    }();
    return s;
}

void fill(InfoZoomTable &table)
{
    const Source &src = source();
    table.setDisplayEnabled(false);
    std::vector<InfoZoomAttribute> attributes;
    InfoZoomAttributes level = table.Attributes();
    for (int a = 0; a < Attributes; ++a) {
        InfoZoomAttribute attribute = level.Add(QStringLiteral("Feld %1").arg(a));
        attribute.setImportName(QStringLiteral("ACTFieldID|%1").arg(a));
        attributes.push_back(attribute);
    }
    InfoZoomObjects objects = table.Objects();
    for (int r = 0; r < Rows; ++r) {
        InfoZoomObject row = objects.Add();
        for (int a = 0; a < Attributes; ++a)
            row.setValue(attributes[size_t(a)], src.distinct[size_t(a)][src.pick[size_t(a)][size_t(r)]]);
    }
    table.setDisplayEnabled(true);
}

void BM_Fill(benchmark::State &state)
{
    source();
    for (auto _ : state) {
        auto table = std::make_unique<InfoZoomTable>();
        fill(*table);
        benchmark::DoNotOptimize(table->Objects().Count());
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
    state.counters["cells"] = double(Rows) * Attributes;
}

// The walk over the source texts alone, each text's characters read once as a put hashes them:
// the floor under BM_Fill that the benchmark's own random reads set.
void BM_SourceWalkOnly(benchmark::State &state)
{
    const Source &src = source();
    for (auto _ : state) {
        quint64 sum = 0;
        for (int r = 0; r < Rows; ++r)
            for (int a = 0; a < Attributes; ++a) {
                const QString &text = src.distinct[size_t(a)][src.pick[size_t(a)][size_t(r)]];
                for (QChar c : text)
                    sum += c.unicode();
            }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["cells"] = double(Rows) * Attributes;
}

void BM_SelectValueZoom(benchmark::State &state)
{
    InfoZoomTable table;
    fill(table);
    const Source &src = source();
    InfoZoomAttribute id = table.AttributeItem(0);
    for (auto _ : state) {
        state.PauseTiming();
        table.ShowAll();
        table.ResetSelection();
        state.ResumeTiming();
        for (int i = 0; i < Selected; ++i)
            id.SelectValue(src.distinct[0][size_t(i) * 7], true);
        table.Zoom();
        benchmark::DoNotOptimize(table.CurrentObjects().Count());
    }
    if (table.CurrentObjects().Count() != Selected)
        state.SkipWithError("the zoom did not keep the selected rows");
}

void BM_SaveFile(benchmark::State &state)
{
    InfoZoomTable table;
    fill(table);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.fox"));
    for (auto _ : state)
        table.SaveFile(path, QStringLiteral("fox"), QString(), 0);
    state.counters["file_MB"] = double(QFileInfo(path).size()) / 1e6;
}

void BM_LoadFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.fox"));
    {
        InfoZoomTable table;
        fill(table);
        table.SaveFile(path, QStringLiteral("fox"), QString(), 0);
    }
    InfoZoomTable loaded;
    for (auto _ : state) {
        loaded.LoadFile(path, -1, 0, 0, -1, QString(), 0);
        benchmark::DoNotOptimize(loaded.Objects().Count());
    }
    if (loaded.Objects().Count() != Rows || loaded.AttributeList().Count() != Attributes)
        state.SkipWithError("the loaded table differs from the saved one");
}

// Bytes per cell for the rows (codes, posting lists after a selection, view and row flags),
// without the distinct values themselves.
void BM_MemoryPerCell(benchmark::State &state)
{
    InfoZoomTable table;
    fill(table);
    InfoZoomAttribute id = table.AttributeItem(0);
    InfoZoomObjects rows = table.Objects();
    const InfoZoomObject first = rows.NextObject();
    for (int a = 0; a < Attributes; ++a) { // every attribute gets its posting lists built
        InfoZoomAttribute attribute(table.AttributeItem(a));
        attribute.SelectValue(first.Value(attribute), true);
    }
    table.SelectedObjects();
    table.ResetSelection();
    for (auto _ : state)
        benchmark::DoNotOptimize(table.data()->rowBytes());
    state.counters["bytes_per_cell"] = double(table.data()->rowBytes()) / (double(Rows) * Attributes);
}

} // namespace

BENCHMARK(BM_Fill)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SourceWalkOnly)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SelectValueZoom)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MemoryPerCell)->Unit(benchmark::kMillisecond)->Iterations(1);
