// The activities read: ShowData of 20,000 demo activities, each linked to one of 2,000 groups, into a
// fresh lower table; and the group-name look-ups of that read alone (the list's Init and one Name per
// activity), so the share of the look-ups in the read can be told.
#include "BenchDemoDatabase.h"
#include "BenchSize.h"
#include "actserver/ACTDatabaseObject.h"
#include "actserver/ActDatabaseFiles.h"
#include "actserver/ActDemoRow.h"
#include "dbf/DbfWriter.h"
#include "platform/ScriptedUi.h"
#include "records/clAufgaben.h"
#include "records/clGruppenliste.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QApplication>
#include <QLabel>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

const int kActivities = benchSize(20000);
const int kGroups = benchSize(2000);
// The demo writes one and a half activities per contact.
const int kContacts = (kActivities * 2 + 2) / 3;

QString groupId(int g)
{
    return QStringLiteral("BGR%1").arg(g, 9, 10, QLatin1Char('0'));
}

// 2,000 further groups, and every activity linked to one of them; activities past 20,000 deleted.
void linkEveryActivityToAGroup(const actserver::ActDatabaseFiles &files)
{
    {
        actserver::ActDemoRow row(actserver::ActTableKind::Group);
        dbf::DbfWriter groups(files.tableFile(actserver::ActTableKind::Group));
        dbf::DbfWriter::Batch batch(groups);
        for (int g = 0; g < kGroups; ++g) {
            row.clear();
            row.set(1, groupId(g));
            row.set(25, QStringLiteral("Benchmarkgruppe %1").arg(g));
            groups.append(row.values());
        }
    }
    dbf::DbfWriter activities(files.tableFile(actserver::ActTableKind::Activity));
    int column = -1;
    for (int i = 0; i < activities.fields().size(); ++i)
        if (activities.fields().at(i).name == QLatin1String("GROUP_ID"))
            column = i;
    if (column < 0)
        qFatal("activity file without GROUP_ID");
    dbf::DbfWriter::Batch batch(activities);
    for (qint64 r = 0; r < activities.recordCount(); ++r) {
        if (r >= kActivities)
            activities.setDeleted(r);
        else
            activities.setValue(r, column, groupId(int((r * 7919) % kGroups)));
    }
}

const QString &databasePath()
{
    static const QString path = [] {
        const QString contactFile = benchDemoDatabase(kContacts);
        linkEveryActivityToAGroup(actserver::ActDatabaseFiles(contactFile));
        return contactFile;
    }();
    return path;
}

std::shared_ptr<actserver::ACTDatabaseObject> openDatabase()
{
    auto database = std::make_shared<actserver::ACTDatabaseObject>();
    database->Open(databasePath());
    if (!database->IsOpen())
        qFatal("database did not open");
    return database;
}

void BM_ActivitiesShowData(benchmark::State &state)
{
    const auto database = openDatabase();
    for (auto _ : state) {
        state.PauseTiming();
        auto control = std::make_unique<InfoZoomControl>();
        QLabel status;
        auto aufgaben = std::make_unique<records::clAufgaben>();
        aufgaben->Init(control.get(), &status, database);
        aufgaben->SetACTFields();
        state.ResumeTiming();
        aufgaben->ShowData();
        state.PauseTiming();
        if (control->Table()->Objects().Count() < kActivities)
            state.SkipWithError("not every activity was read");
        aufgaben.reset();
        control.reset();
        state.ResumeTiming();
    }
    state.counters["activities/s"] =
        benchmark::Counter(double(kActivities) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ActivitiesShowData)->Unit(benchmark::kMillisecond)->Iterations(3);

// The source side alone: the 26 fields of every activity read in one call each and the scheduled
// contacts of those with several, nothing written.
void BM_ActivityFieldsReadOnly(benchmark::State &state)
{
    const auto database = openDatabase();
    std::shared_ptr<actserver::ACTTable> table = database->Activity();
    const QVector<qint16> ids{1,  28, 29, 30, 101, 31, 25, 41, 26, 27, 100, 40, 37,
                              38, 5,  33, 32, 45,  35, 36, 44, 43, 42, 47,  46, 39};
    QStringList values;
    for (auto _ : state) {
        const long n = table->RecordCount();
        table->MoveFirst();
        for (long r = 0; r < n; ++r) {
            table->GetDataEx(ids, values);
            if (values.at(10).toInt() > 1)
                for (QString c = table->FirstScheduledWith(); !c.isEmpty(); c = table->NextScheduledWith())
                    benchmark::DoNotOptimize(c);
            table->MoveNext();
        }
        benchmark::DoNotOptimize(values);
    }
    state.counters["activities/s"] =
        benchmark::Counter(double(kActivities) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ActivityFieldsReadOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

// What the read spends on group names: the list read once, then one look-up per activity with the
// activities' own group IDs in file order.
void BM_GroupNamesOfTheRead(benchmark::State &state)
{
    const auto database = openDatabase();
    QStringList ids;
    std::shared_ptr<actserver::ACTTable> table = database->Activity();
    QStringList values;
    table->MoveFirst();
    for (long r = table->RecordCount(); r > 0; --r) {
        table->GetDataEx({39}, values);
        ids << values.at(0);
        table->MoveNext();
    }
    InfoZoomTable status;
    for (auto _ : state) {
        records::clGruppenliste list;
        if (!list.Init(databasePath(), &status))
            state.SkipWithError("group list did not initialise");
        int unknown = 0;
        for (const QString &id : qAsConst(ids))
            unknown += list.Name(id) == QLatin1String("Unbekannt");
        if (unknown != 0)
            state.SkipWithError("a group name was not found");
    }
    state.counters["lookups/s"] =
        benchmark::Counter(double(ids.size()) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GroupNamesOfTheRead)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
