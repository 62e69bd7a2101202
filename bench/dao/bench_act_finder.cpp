// ExtrActAbfrage of the membership query (relations of type 0) over the relation file of a
// 100,000-contact database with three group memberships per contact, counting the rows as the
// groups record class does; then one equality filter per group on the result.
#include "BenchSize.h"
#include "actlink/clACTFinder.h"
#include "dbf/DbfWriter.h"
#include "platform/ScriptedUi.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const int kContacts = benchSize(100000);
const int kGroups = benchSize(2000);

QString id(QChar prefix, int i)
{
    return (QString(prefix) + QString::number(i, 36).toUpper()).leftJustified(12, u' ');
}

const QString &contactFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        using dbf::DbfField;
        const QString contacts = dir.filePath(QStringLiteral("kontakte.dbf"));
        dbf::DbfWriter::create(contacts, {DbfField::character(QStringLiteral("UNIQUE_ID"), 12)});
        const QString rel = dir.filePath(QStringLiteral("kontakte.rel"));
        dbf::DbfWriter::create(rel, {DbfField::character(QStringLiteral("FIELD1"), 12), DbfField::character(QStringLiteral("FIELD2"), 12),
                                     DbfField::character(QStringLiteral("TYPE"), 1)});
        dbf::DbfWriter w(rel);
        dbf::DbfWriter::Batch batch(w);
        for (int c = 0; c < kContacts; ++c)
            for (int k = 0; k < 3; ++k)
                w.append({id(u'C', c), id(u'G', (c * 7 + k * 131) % kGroups), k == 2 ? QStringLiteral("1") : QStringLiteral("0")});
        return contacts;
    }();
    return path;
}

const QString kMembership = QStringLiteral("SELECT ACT_Relation.FIELD1 AS KontaktID, ACT_Relation.FIELD2 AS GruppenID "
                                           "FROM ACT_Relation WHERE (ACT_Relation.TYPE='0')");

void BM_ExtrActAbfrageRelation(benchmark::State &state)
{
    actlink::clACTFinder finder;
    if (!finder.Init(contactFile()))
        state.SkipWithError("Init failed");
    long rows = 0;
    for (auto _ : state) {
        long n = 0;
        auto rs = finder.ExtrActAbfrage(kMembership, n);
        rows = n;
        benchmark::DoNotOptimize(rs.get());
    }
    state.counters["rows"] = double(rows);
    state.counters["rows/s"] = benchmark::Counter(double(rows) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ExtrActAbfrageRelation)->Unit(benchmark::kMillisecond);

// The groups record class then filters the membership recordset once per group.
void BM_MembershipFilterPerGroup(benchmark::State &state)
{
    actlink::clACTFinder finder;
    finder.Init(contactFile());
    long n = 0;
    auto rs = finder.ExtrActAbfrage(kMembership, n);
    for (auto _ : state) {
        long members = 0;
        for (int g = 0; g < kGroups; ++g) {
            rs->setFilter(QStringLiteral("GruppenID='%1'").arg(id(u'G', g)));
            auto one = rs->OpenRecordset();
            if (one->RecordCount() > 0) {
                one->MoveLast();
                members += one->RecordCount();
            }
        }
        if (members != n)
            state.SkipWithError("member count differs");
    }
    state.counters["groups/s"] = benchmark::Counter(double(kGroups) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MembershipFilterPerGroup)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    platform::ScriptedUi ui; // any message box would be a failure of the set-up
    platform::setUi(&ui);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const bool clean = ui.failures().isEmpty();
    platform::setUi(nullptr);
    return clean ? 0 : 1;
}
