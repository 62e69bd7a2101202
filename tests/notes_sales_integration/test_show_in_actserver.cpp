// A note and a sale chosen in the lower table, shown in a running actserver: the record class reads
// the database open in ACT!, takes the row's unique-ID and sync values, and the server then shows
// the record's tab with its row chosen.
#include "ActServerProbe.h"
#include "GTestScriptedUi.h"

#include "actlink/clACTApplication.h"
#include "actlink/clUniqueIDConverter.h"
#include "actserver/ACTDatabaseObject.h"
#include "actserver/app/ActBusNames.h"
#include "actserver/app/ActBusRunningApplication.h"
#include "records/clAuftraege.h"
#include "records/clNotizen.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
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



// The unique-ID and sync values of the first row whose sync value is a contact's HexID.
bool firstContactRow(records::RecordClassBase &record, QString *id, QString *relation)
{
    const InfoZoomAttribute uniqueId = record.UniqueIDAttribute();
    const InfoZoomAttribute sync = record.SyncFieldAttribute();
    InfoZoomObjects rows = record.izTable()->Objects();
    rows.Reset();
    for (int i = 0; i < rows.Count(); ++i) {
        const InfoZoomObject row = rows.NextObject();
        if (row.Value(sync).toString().startsWith(QLatin1String("CO"))) {
            *id = row.Value(uniqueId).toString();
            *relation = row.Value(sync).toString();
            return true;
        }
    }
    return false;
}

TEST(ShowInActServer, ANoteAndASaleOfTheLowerTableAppearOnTheirTabsInTheRunningACT)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "needs an X display and a session bus";
    qputenv("DATOLUX_ACT_SERVICE", "org.datolux.ACT.notes" + QByteArray::number(QCoreApplication::applicationPid()));
    GTestScriptedUi ui;
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("NOTIZEN"));
    ASSERT_EQ(QProcess::execute(QStringLiteral(ACTSERVER_PATH),
                                {QStringLiteral("--create-demo"), base, QStringLiteral("--contacts"),
                                 QStringLiteral("60"), QStringLiteral("--single-user")}),
              0);
    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedChannels);
    server.start(QStringLiteral(ACTSERVER_PATH), {base + QStringLiteral(".dbf")});
    ASSERT_TRUE(server.waitForStarted());
    actlink::clACTApplication act;
    ASSERT_TRUE(waitFor([&] { return act.ACTgestartet(); })) << "no ACT! window appeared";
    ASSERT_TRUE(waitFor([] {
        return QDBusConnection::sessionBus().interface()->isServiceRegistered(actserver::bus::serviceName()).value();
    }));
    actserver::ActBusRunningApplication::installOnce();
    auto database = std::make_shared<actserver::ACTDatabaseObject>();
    database->OpenEx(QString());
    ASSERT_TRUE(database->IsOpen());

    const actlink::clUniqueIDConverter converter;
    InfoZoomControl control;
    QLabel status;
    QString id;
    QString relation;
    {
        records::clNotizen notes;
        notes.Init(&control, &status, database);
        notes.SetACTFields();
        notes.ShowData();
        ASSERT_TRUE(firstContactRow(notes, &id, &relation));
        EXPECT_TRUE(notes.ShowNote(id, relation));
        const QVariantMap shown = actWindowState();
        EXPECT_EQ(shown.value(QStringLiteral("activeTab")).toString(), QStringLiteral("Notizen/Protokoll"));
        EXPECT_EQ(shown.value(QStringLiteral("selectedId")).toString(), converter.ToUniqueID(id));
        EXPECT_EQ(shown.value(QStringLiteral("lookup")).toStringList(), QStringList{converter.ToUniqueID(relation)});
        EXPECT_EQ(control.Table()->StatusText(), QString());
        // A sale's ID on the notes table is refused before ACT! is asked anything.
        EXPECT_FALSE(notes.ShowNote(QStringLiteral("SL") + id.mid(2), relation));
    }
    {
        records::clAuftraege sales;
        sales.Init(&control, &status, database);
        sales.SetACTFields();
        sales.ShowData();
        ASSERT_TRUE(firstContactRow(sales, &id, &relation));
        EXPECT_TRUE(sales.ShowSale(id, relation));
        const QVariantMap shown = actWindowState();
        EXPECT_EQ(shown.value(QStringLiteral("activeTab")).toString(), QStringLiteral("Aufträge"));
        EXPECT_EQ(shown.value(QStringLiteral("selectedId")).toString(), converter.ToUniqueID(id));
    }
    server.kill();
    server.waitForFinished();
    ASSERT_TRUE(waitFor([&] { return !act.ACTgestartet(); }));
    records::clNotizen notes;
    notes.Init(&control, &status, database);
    ui.expectMsgBox(platform::MsgIcon::Information, QStringLiteral("Bitte starten Sie zuvor ACT!."));
    EXPECT_FALSE(notes.ShowNote(id, relation));
}

} // namespace
