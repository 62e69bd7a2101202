// Showing activities in the running ACT! end to end: a demo database read into the lower table, the
// actserver program started on it, and a row of an activity scheduled with several contacts shown
// for each of its contacts; after the server is gone the show is refused with its notice.
#include "ActServerProbe.h"
#include "GTestScriptedUi.h"

#include "actlink/clACTApplication.h"
#include "actlink/clUniqueIDConverter.h"
#include "actserver/ACTDatabaseObject.h"
#include "actserver/ActDemoDatabase.h"
#include "actserver/app/ActBusNames.h"
#include "records/clAufgaben.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomObject.h"
#include "infozoom/InfoZoomObjects.h"
#include "infozoom/InfoZoomTable.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {



struct Row
{
    QString activity; // HexIDs as the table holds them
    QString contact;
};

// The rows of the first activity that gave more than one row.
QList<Row> rowsOfAMultiContactActivity(records::clAufgaben &aufgaben, InfoZoomTable *table)
{
    const InfoZoomAttribute ids = aufgaben.UniqueIDAttribute();
    const InfoZoomAttribute contacts = aufgaben.SyncFieldAttribute();
    QHash<QString, QList<Row>> byActivity;
    QStringList order;
    InfoZoomObjects objects = table->Objects();
    objects.Reset();
    for (InfoZoomObject o = objects.NextObject(); !o.isNull(); o = objects.NextObject()) {
        const Row row{o.Value(ids).toString(), o.Value(contacts).toString()};
        if (!byActivity.contains(row.activity))
            order << row.activity;
        byActivity[row.activity] << row;
    }
    for (const QString &activity : order)
        if (byActivity.value(activity).size() > 1)
            return byActivity.value(activity);
    return {};
}

TEST(ActivitiesInRunningACT, EachContactOfAnActivityShowsItOnTheActivitiesTab)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "needs an X display and a session bus";
    qputenv("DATOLUX_ACT_SERVICE",
            "org.datolux.ACT.activities" + QByteArray::number(QCoreApplication::applicationPid()));
    GTestScriptedUi ui;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    actserver::ActDemoOptions options;
    options.contacts = 60;
    options.singleUser = true;
    QString error;
    ASSERT_TRUE(actserver::ActDemoDatabase::create(dir.path(), QStringLiteral("DEMO"), options, &error));
    const QString path = dir.filePath(QStringLiteral("DEMO.dbf"));

    InfoZoomControl control;
    QLabel status;
    records::clAufgaben aufgaben;
    auto database = std::make_shared<actserver::ACTDatabaseObject>();
    database->Open(path);
    ASSERT_TRUE(aufgaben.Init(&control, &status, database));
    aufgaben.SetACTFields();
    aufgaben.ShowData();
    const QList<Row> rows = rowsOfAMultiContactActivity(aufgaben, control.Table());
    ASSERT_GE(rows.size(), 2) << "the demo database has no activity with several contacts";

    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedChannels);
    server.start(QStringLiteral(ACTSERVER_PATH), {path});
    ASSERT_TRUE(server.waitForStarted());
    actlink::clACTApplication act;
    ASSERT_TRUE(waitFor([&] { return act.ACTgestartet(); })) << "no ACT! window appeared";
    ASSERT_TRUE(waitFor([] {
        return QDBusConnection::sessionBus().interface()->isServiceRegistered(actserver::bus::serviceName()).value();
    }));

    const actlink::clUniqueIDConverter converter;
    for (const Row &row : rows) {
        EXPECT_TRUE(aufgaben.ShowActivity(row.activity, row.contact));
        const QVariantMap shown = actWindowState();
        EXPECT_EQ(shown.value(QStringLiteral("lookup")).toStringList(), QStringList{converter.ToUniqueID(row.contact)});
        EXPECT_EQ(shown.value(QStringLiteral("activeTab")).toString(), QStringLiteral("Tätigkeiten"));
        EXPECT_EQ(shown.value(QStringLiteral("selectedId")).toString(), converter.ToUniqueID(row.activity));
        EXPECT_GE(shown.value(QStringLiteral("selectedRow")).toInt(), 0);
        EXPECT_EQ(control.Table()->StatusText(), QString());
    }
    // The contact's ID in place of the activity's: nothing is asked of ACT!.
    EXPECT_FALSE(aufgaben.ShowActivity(rows.first().contact, rows.first().contact));
    EXPECT_EQ(actWindowState().value(QStringLiteral("selectedId")).toString(), converter.ToUniqueID(rows.last().activity));

    server.kill();
    server.waitForFinished();
    ASSERT_TRUE(waitFor([&] { return !act.ACTgestartet(); }));
    ui.expectMsgBox(platform::MsgIcon::Information, QStringLiteral("Bitte starten Sie zuvor ACT!."));
    EXPECT_FALSE(aufgaben.ShowActivity(rows.first().activity, rows.first().contact));
}

} // namespace
