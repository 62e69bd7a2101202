// The groups read: ShowData of 2,000 groups with 100,000 memberships (and 20,000 activity links in
// the same relation table) into a fresh table, with the group name and description as further fields.
#include "BenchDemoDatabase.h"
#include "BenchSize.h"
#include "actserver/ACTDatabaseObject.h"
#include "actserver/ActDatabaseFiles.h"
#include "actserver/ActDemoRow.h"
#include "dbf/DbfWriter.h"
#include "platform/ScriptedUi.h"
#include "records/clGruppen.h"
#include "records/frmFelder.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QApplication>
#include <QLabel>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

const int kGroups = benchSize(2000);
const int kMemberships = benchSize(100000);
const int kActivityLinks = benchSize(20000);

QString randomId(QRandomGenerator &random)
{
    QString id(12, Qt::Uninitialized);
    for (int i = 0; i < 12; ++i)
        id[i] = QChar(char16_t(random.bounded(0x21, 0x7F)));
    return id;
}

// A demo database whose group and relation tables are replaced by the benchmark's own.
void writeGroupsAndRelations(const actserver::ActDatabaseFiles &files)
{
    QRandomGenerator random(2026);
    QStringList groupIds;
    for (int g = 0; g < kGroups; ++g)
        groupIds << randomId(random);
    actserver::ActDemoRow group(actserver::ActTableKind::Group);
    dbf::DbfWriter::create(files.tableFile(actserver::ActTableKind::Group), group.columns());
    {
        dbf::DbfWriter writer(files.tableFile(actserver::ActTableKind::Group));
        dbf::DbfWriter::Batch batch(writer);
        for (int g = 0; g < kGroups; ++g) {
            group.clear();
            group.set(1, groupIds.at(g));
            group.set(25, QStringLiteral("Gruppe %1").arg(g));
            group.set(26, QStringLiteral("Beschreibung der Gruppe %1").arg(g));
            group.set(55, g % 10 == 0 ? QString(12, u' ') : groupIds.at(g - g % 10));
            group.set(100, qlonglong(kMemberships / kGroups));
            writer.append(group.values());
        }
    }
    actserver::ActDemoRow relation(actserver::ActTableKind::Relation);
    dbf::DbfWriter::create(files.tableFile(actserver::ActTableKind::Relation), relation.columns());
    dbf::DbfWriter writer(files.tableFile(actserver::ActTableKind::Relation));
    dbf::DbfWriter::Batch batch(writer);
    for (int r = 0; r < kMemberships + kActivityLinks; ++r) {
        relation.clear();
        relation.setColumn("FIELD1", randomId(random));
        const bool member = r % 6 != 5;
        relation.setColumn("FIELD2", member ? groupIds.at(random.bounded(kGroups)) : randomId(random));
        relation.setColumn("TYPE", member ? "0" : "1");
        writer.append(relation.values());
    }
}

const QString &databasePath()
{
    static const QString path = [] {
        const QString contactFile = benchDemoDatabase(50);
        writeGroupsAndRelations(actserver::ActDatabaseFiles(contactFile));
        return contactFile;
    }();
    return path;
}

// A groups object on a fresh table with the fixed columns, the group name and the description.
struct Reader
{
    InfoZoomControl control;
    QLabel status;
    records::clGruppen gruppen;

    Reader()
    {
        auto database = std::make_shared<actserver::ACTDatabaseObject>();
        database->Open(databasePath());
        if (!gruppen.Init(&control, &status, database, databasePath()))
            qFatal("groups did not initialise");
        records::frmFelder dialog;
        gruppen.FillFieldList(dialog);
        for (int i = 0; i < dialog.itemCount(); ++i)
            dialog.setChecked(i, dialog.itemKey(i) == QLatin1String("ACTFieldID|25") ||
                                     dialog.itemKey(i) == QLatin1String("ACTFieldID|26"));
        gruppen.BuildFieldArrays(dialog);
    }
};

void BM_GroupsShowData(benchmark::State &state)
{
    databasePath();
    for (auto _ : state) {
        state.PauseTiming();
        auto reader = std::make_unique<Reader>();
        state.ResumeTiming();
        reader->gruppen.ShowData();
        state.PauseTiming();
        if (reader->control.Table()->Objects().Count() != kMemberships ||
            reader->control.Table()->StatusText() != QLatin1String("Fertig."))
            state.SkipWithError("not every membership was read");
        reader.reset();
        state.ResumeTiming();
    }
    state.counters["rows/s"] =
        benchmark::Counter(double(kMemberships) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GroupsShowData)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
