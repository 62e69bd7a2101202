// Reading throughput of the dBase reader over a 100,000-record table of 30 fields (a contact file),
// and of python3-dbfread over the same file in the same run. Counters report records per second.
#include "BenchSize.h"
#include "dbf/DbfTable.h"
#include "dbf/DbfWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

namespace {

const int kRecords = benchSize(100000);

const QString &benchFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("kontakte.dbf"));
        dbf::DbfFieldList fields;
        fields << dbf::DbfField::character(QStringLiteral("UNIQUE_ID"), 12);
        for (int i = 1; i < 24; ++i)
            fields << dbf::DbfField::character(QStringLiteral("TEXT%1").arg(i), 20 + (i % 5) * 10);
        fields << dbf::DbfField::numeric(QStringLiteral("ZAHL1"), 10) << dbf::DbfField::numeric(QStringLiteral("ZAHL2"), 12, 2)
               << dbf::DbfField::date(QStringLiteral("DATUM1")) << dbf::DbfField::date(QStringLiteral("DATUM2"))
               << dbf::DbfField::logical(QStringLiteral("AKTIV")) << dbf::DbfField::character(QStringLiteral("ORT"), 30);
        dbf::DbfWriter::create(p, fields);
        dbf::DbfWriter w(p);
        dbf::DbfWriter::Batch batch(w);
        for (int r = 0; r < kRecords; ++r) {
            QVariantList v;
            v << QStringLiteral("ID%1").arg(r, 10, 10, QLatin1Char('0'));
            for (int i = 1; i < 24; ++i)
                v << QStringLiteral("Müller Wert %1 %2").arg(r).arg(i);
            v << r << r * 1.25 << QDate(2000, 1, 1).addDays(r % 9000) << QVariant() << (r % 2 == 0)
              << QStringLiteral("Köln");
            w.append(v);
        }
        return p;
    }();
    return path;
}

// Every field's raw bytes touched: the floor of any reading.
void BM_DbfRawScan(benchmark::State &state)
{
    dbf::DbfTable t(benchFile());
    for (auto _ : state) {
        unsigned sum = 0;
        for (qint64 i = 0; i < t.recordCount(); ++i) {
            const dbf::DbfRecord r = t.record(i);
            for (int f = 0; f < t.fieldCount(); ++f)
                sum += uchar(r.raw(f).front());
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["records/s"] = benchmark::Counter(double(t.recordCount()) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DbfRawScan)->Unit(benchmark::kMillisecond);

// Every field decoded: texts into reused strings, numbers, dates and logicals as values.
void BM_DbfDecodeAll(benchmark::State &state)
{
    dbf::DbfTable t(benchFile());
    QList<QString> texts(t.fieldCount());
    for (auto _ : state) {
        for (qint64 i = 0; i < t.recordCount(); ++i) {
            const dbf::DbfRecord r = t.record(i);
            for (int f = 0; f < t.fieldCount(); ++f) {
                if (t.fields()[f].type == dbf::DbfField::Character)
                    r.text(f, texts[f]);
                else
                    benchmark::DoNotOptimize(r.value(f));
            }
        }
    }
    state.counters["records/s"] = benchmark::Counter(double(t.recordCount()) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DbfDecodeAll)->Unit(benchmark::kMillisecond);

// The independent reader on the same file, decoding every field (interpreter start-up included).
void BM_PythonDbfreadSameFile(benchmark::State &state)
{
    const QString python = QDir().exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3") : QStringLiteral("python3");
    const std::string cmd = python.toStdString() + " -c \"import sys, dbfread\nn = 0\nfor r in dbfread.DBF(sys.argv[1], encoding='cp1252'): n += 1\nassert n == " +
                            std::to_string(kRecords) + "\" '" + benchFile().toStdString() + "'";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(cmd.c_str()) != 0)
            state.SkipWithError("python3-dbfread failed");
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["records/s"] = benchmark::Counter(double(kRecords) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PythonDbfreadSameFile)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
