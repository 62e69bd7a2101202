// The contacts read of a new project: ShowData of a 100,000-contact demo database with 30 fields
// into a fresh table, and python3-dbfread merely parsing the same contact file in the same run.
#include "BenchDemoDatabase.h"
#include "BenchSize.h"
#include "actserver/ACTDatabaseObject.h"
#include "platform/ScriptedUi.h"
#include "records/clKontakte.h"
#include "records/frmFelder.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>

namespace {

const int kContacts = benchSize(100000);
constexpr int kFields = 30;

// DATOLUX_BENCH_CONTACTS may name an existing demo database of kContacts contacts.
const QString &databasePath()
{
    static const QString path = benchDemoDatabase(kContacts, QStringLiteral("Bench"), "DATOLUX_BENCH_CONTACTS");
    return path;
}

// A contacts object with the database open and the first 29 fields of the dialog chosen (30 with the ID).
struct Reader
{
    InfoZoomControl control;
    QLabel status;
    QLabel info;
    records::clKontakte kontakte;

    Reader()
    {
        kontakte.Init(&control, &status, &info);
        if (!kontakte.OpenDatabase(databasePath(), QString(), QString()))
            qFatal("database did not open");
        records::frmFelder dialog;
        kontakte.FillFieldList(dialog);
        int ticked = 0;
        for (int i = 0; i < dialog.itemCount() && ticked < kFields - 1; ++i)
            if (!dialog.itemTag(i).isEmpty()) {
                dialog.setChecked(i, true);
                ++ticked;
            }
        kontakte.BuildFieldArrays(dialog);
    }
};

void BM_NewProjectShowData(benchmark::State &state)
{
    databasePath();
    for (auto _ : state) {
        state.PauseTiming();
        auto reader = std::make_unique<Reader>();
        state.ResumeTiming();
        reader->kontakte.ShowData();
        state.PauseTiming();
        if (reader->control.Table()->Objects().Count() != kContacts || reader->kontakte.FieldCount() != kFields)
            state.SkipWithError("not every contact or field was read");
        reader.reset();
        state.ResumeTiming();
    }
    state.counters["records/s"] =
        benchmark::Counter(double(kContacts) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_NewProjectShowData)->Unit(benchmark::kMillisecond)->Iterations(3);

// The source side alone: every contact's 30 fields read in one call per record, nothing written.
void BM_ContactFieldsReadOnly(benchmark::State &state)
{
    Reader reader;
    std::shared_ptr<actserver::ACTTable> table = reader.kontakte.ACTOLEDatabase()->Contact();
    QStringList values;
    for (auto _ : state) {
        const long n = table->RecordCount();
        table->MoveFirst();
        for (long r = 0; r < n; ++r) {
            table->GetDataEx(reader.kontakte.FieldIDs(), values);
            table->MoveNext();
        }
        benchmark::DoNotOptimize(values);
    }
    state.counters["records/s"] =
        benchmark::Counter(double(kContacts) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ContactFieldsReadOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

// The independent reader on the same contact file, decoding every field (interpreter start-up included).
void BM_PythonDbfreadSameFile(benchmark::State &state)
{
    const std::string cmd = "/usr/bin/python3 -c \"import sys, dbfread\nn = 0\nfor r in dbfread.DBF(sys.argv[1], "
                            "encoding='cp1252', ignore_missing_memofile=True): n += 1\nassert n == " +
                            std::to_string(kContacts) + "\" '" + databasePath().toStdString() + "'";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(cmd.c_str()) != 0)
            state.SkipWithError("python3-dbfread failed");
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["records/s"] =
        benchmark::Counter(double(kContacts) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PythonDbfreadSameFile)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
