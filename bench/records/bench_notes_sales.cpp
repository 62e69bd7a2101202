// The notes and sales re-read of the lower table: ShowData of every note (100,000) and every sale
// (20,000) of a 40,000-contact demo database into a fresh table, and the notes file read alone.
#include "BenchDemoDatabase.h"
#include "BenchSize.h"
#include "actserver/ACTDatabaseObject.h"
#include "platform/ScriptedUi.h"
#include "records/clAuftraege.h"
#include "records/clNotizen.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QApplication>
#include <QLabel>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

const int kContacts = benchSize(40000); // the demo database writes 2.5 notes and 0.5 sales per contact
const int kNotes = kContacts * 5 / 2;
const int kSales = kContacts / 2;

std::shared_ptr<actserver::ACTDatabaseObject> database()
{
    static const std::shared_ptr<actserver::ACTDatabaseObject> db = [] {
        auto opened = std::make_shared<actserver::ACTDatabaseObject>();
        opened->Open(benchDemoDatabase(kContacts));
        if (!opened->IsOpen())
            qFatal("database did not open");
        return opened;
    }();
    return db;
}

// One re-read as the command does it: a new record object on an empty table, Init, fields, ShowData.
template <typename RecordClass> void reread(benchmark::State &state, int expected)
{
    database();
    for (auto _ : state) {
        state.PauseTiming();
        auto control = std::make_unique<InfoZoomControl>();
        QLabel status;
        auto record = std::make_unique<RecordClass>();
        state.ResumeTiming();
        record->Init(control.get(), &status, database());
        record->SetACTFields();
        record->ShowData();
        state.PauseTiming();
        if (control->Table()->Objects().Count() != expected)
            state.SkipWithError("not every record was read");
        record.reset();
        control.reset();
        state.ResumeTiming();
    }
    state.counters["records/s"] =
        benchmark::Counter(double(expected) * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_NotesReread(benchmark::State &state)
{
    reread<records::clNotizen>(state, kNotes);
}
BENCHMARK(BM_NotesReread)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SalesReread(benchmark::State &state)
{
    reread<records::clAuftraege>(state, kSales);
}
BENCHMARK(BM_SalesReread)->Unit(benchmark::kMillisecond)->Iterations(5);

// The source side alone: the seven note fields of every note in one call per record.
void BM_NotesFieldsReadOnly(benchmark::State &state)
{
    std::shared_ptr<actserver::ACTTable> table = database()->NoteHistory();
    const QVector<qint16> ids = {1, 27, 25, 26, 6, 28, 29};
    QStringList values;
    for (auto _ : state) {
        const long n = table->RecordCount();
        table->MoveFirst();
        for (long r = 0; r < n; ++r) {
            table->GetDataEx(ids, values);
            table->MoveNext();
        }
        benchmark::DoNotOptimize(values);
    }
    state.counters["records/s"] = benchmark::Counter(double(kNotes) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_NotesFieldsReadOnly)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
