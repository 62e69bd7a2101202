// Reading speed of the ACT! database object: GetDataEx of 30 contact fields and of the note fields (memo
// texts included) over a 100,000-contact demo database, and python3-dbfread reading the same contact file.
#include "BenchDemoDatabase.h"
#include "BenchSize.h"
#include "actserver/ACTDatabaseObject.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <benchmark/benchmark.h>

namespace {

const int kContacts = benchSize(100000);

// The 30 contact fields read per record: texts, phone numbers, IDs, dates, numbers, time.
const QVector<qint16> kFields = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                 16, 17, 18, 19, 20, 21, 22, 23, 25, 26, 27, 28, 29, 30, 200};

// DATOLUX_BENCH_CONTACTS may name an existing demo database of kContacts contacts.
const QString &contactFile()
{
    static const QString path = benchDemoDatabase(kContacts, QStringLiteral("kontakte"), "DATOLUX_BENCH_CONTACTS");
    return path;
}

void BM_GetDataExContacts(benchmark::State &state)
{
    actserver::ACTDatabaseObject db;
    db.Open(contactFile());
    if (!db.IsOpen()) {
        state.SkipWithError("database not open");
        return;
    }
    std::shared_ptr<actserver::ACTTable> contacts = db.Contact();
    QStringList values;
    long records = 0;
    qint64 nanoseconds = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const long n = contacts->RecordCount();
        contacts->MoveFirst();
        for (long r = 0; r < n; ++r) {
            contacts->GetDataEx(kFields, values);
            if (contacts->LastError() != 0)
                state.SkipWithError("record not read");
            contacts->MoveNext();
        }
        nanoseconds += timer.nsecsElapsed();
        records += n;
        benchmark::DoNotOptimize(values);
    }
    // Wall-clock rate, computed here so that it means the same as the python figure below.
    state.counters["records/s"] = nanoseconds > 0 ? double(records) * 1e9 / double(nanoseconds) : 0.0;
}
BENCHMARK(BM_GetDataExContacts)->Unit(benchmark::kMillisecond)->MinTime(benchMinTime(2.0));

// The note fields of every note and history entry, the memo text included, in one call per record.
void BM_GetDataExNotes(benchmark::State &state)
{
    actserver::ACTDatabaseObject db;
    db.Open(contactFile());
    if (!db.IsOpen()) {
        state.SkipWithError("database not open");
        return;
    }
    std::shared_ptr<actserver::ACTTable> notes = db.NoteHistory();
    const QVector<qint16> ids = {1, 27, 25, 26, 6, 28, 29};
    QStringList values;
    long records = 0;
    for (auto _ : state) {
        const long n = notes->RecordCount();
        notes->MoveFirst();
        for (long r = 0; r < n; ++r) {
            notes->GetDataEx(ids, values);
            if (notes->LastError() != 0)
                state.SkipWithError("record not read");
            notes->MoveNext();
        }
        records += n;
        benchmark::DoNotOptimize(values);
    }
    state.counters["records/s"] = benchmark::Counter(double(records), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GetDataExNotes)->Unit(benchmark::kMillisecond)->MinTime(benchMinTime(2.0));

// The independent reader on the same contact file, every field decoded (interpreter start included).
void BM_PythonDbfreadContacts(benchmark::State &state)
{
    const QString python = QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                             : QStringLiteral("python3");
    const QString script = QStringLiteral("import sys, dbfread\n"
                                          "n = 0\n"
                                          "for r in dbfread.DBF(sys.argv[1], encoding='cp1252'):\n"
                                          "    n += 1\n"
                                          "assert n == %1, n\n")
                               .arg(kContacts);
    double seconds = 0;
    for (auto _ : state) {
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        process.start(python, {QStringLiteral("-c"), script, contactFile()});
        if (!process.waitForFinished(-1) || process.exitCode() != 0) {
            state.SkipWithError("python3-dbfread failed");
            break;
        }
        seconds += double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
    state.counters["records/s"] = seconds > 0 ? double(kContacts) * double(state.iterations()) / seconds : 0.0;
}
BENCHMARK(BM_PythonDbfreadContacts)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
