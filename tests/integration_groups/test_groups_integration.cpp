// The group lookup end to end: a demo database, the actserver program started on it, the groups read
// into a table, a subgroup and a main group selected there, and the lookup the running ACT! then shows.
#include "ActServerProbe.h"
#include "GTestScriptedUi.h"

#include "actlink/clACTApplication.h"
#include "actlink/clUniqueIDConverter.h"
#include "actserver/ACTDatabaseObject.h"
#include "actserver/app/ActBusNames.h"
#include "records/clGruppen.h"
#include "records/frmFelder.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {


// A subgroup and its main group of the database: their IDs.
struct GroupPair
{
    QString subgroup;
    QString mainGroup;
};

GroupPair findGroups(actserver::ACTDatabaseObject &database)
{
    GroupPair pair;
    auto groups = database.Group();
    groups->MoveFirst();
    while (!groups->IsEOF() && pair.subgroup.isEmpty()) {
        if (groups->GroupType() == 1 && groups->Data(100).toInt() > 0) {
            pair.subgroup = groups->Data(1);
            pair.mainGroup = groups->GetParent();
        }
        groups->MoveNext();
    }
    return pair;
}

TEST(GroupLookupEndToEnd, TheSelectedSubgroupAndMainGroupBecomeTheGroupLookupOfTheRunningAct)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "needs an X display and a session bus";
    qputenv("DATOLUX_ACT_SERVICE", "org.datolux.ACT.groups" + QByteArray::number(QCoreApplication::applicationPid()));
    GTestScriptedUi ui;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString base = dir.filePath(QStringLiteral("GRUPPEN"));
    const QString contactFile = base + QStringLiteral(".dbf");
    ASSERT_EQ(QProcess::execute(QStringLiteral(ACTSERVER_PATH),
                                {QStringLiteral("--create-demo"), base, QStringLiteral("--contacts"),
                                 QStringLiteral("200"), QStringLiteral("--single-user")}),
              0);

    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedChannels);
    server.start(QStringLiteral(ACTSERVER_PATH), {contactFile});
    ASSERT_TRUE(server.waitForStarted());
    actlink::clACTApplication act;
    ASSERT_TRUE(waitFor([&] { return act.ACTgestartet(); })) << "no ACT! window appeared";
    ASSERT_TRUE(waitFor([] {
        return QDBusConnection::sessionBus().interface()->isServiceRegistered(actserver::bus::serviceName()).value();
    }));
    ASSERT_TRUE(waitFor([&] { return act.ACTDatenbank() == contactFile; }));

    auto database = std::make_shared<actserver::ACTDatabaseObject>();
    database->Open(contactFile);
    ASSERT_TRUE(database->IsOpen());
    const GroupPair pair = findGroups(*database);
    ASSERT_FALSE(pair.subgroup.isEmpty());

    InfoZoomControl control;
    QLabel status;
    records::clGruppen gruppen;
    ASSERT_TRUE(gruppen.Init(&control, &status, database, contactFile));
    ASSERT_TRUE(gruppen.SelectFields(false));
    gruppen.ShowData();
    ASSERT_EQ(control.Table()->StatusText(), QStringLiteral("Fertig."));

    const actlink::clUniqueIDConverter converter;
    gruppen.UniqueIDAttribute().SelectValue(converter.ToHexID(pair.subgroup, QStringLiteral("GR")), true);
    gruppen.UniqueIDAttribute().SelectValue(converter.ToHexID(pair.mainGroup, QStringLiteral("GR")), true);
    EXPECT_TRUE(gruppen.CreateACTSearch());
    EXPECT_EQ(control.Table()->StatusText(), QStringLiteral("Die ACT! Gruppensuche wurde gebildet."));

    // The lookup of all groups was made with the first group; the last one selected is current.
    int groupView = 3;
    bool changeView = true;
    EXPECT_EQ(act.getFeldwert(1, groupView, changeView), pair.mainGroup);
    bool cancel = false;
    const QString lookup = act.getGroupIDsAktuelleSuche(cancel);
    EXPECT_EQ(lookup.size() % 12, 0);
    EXPECT_GE(lookup.size() / 12, 10);
    EXPECT_EQ(lookup.indexOf(pair.subgroup) % 12, 0);
    EXPECT_EQ(lookup.indexOf(pair.mainGroup) % 12, 0);

    // The subgroup alone: it becomes current.
    gruppen.UniqueIDAttribute().SelectValue(converter.ToHexID(pair.subgroup, QStringLiteral("GR")), false);
    EXPECT_TRUE(gruppen.CreateACTSearch());
    EXPECT_EQ(act.getFeldwert(1, groupView, changeView), pair.subgroup);

    server.kill();
    server.waitForFinished();
    records::frmFelder::Unload();
}

} // namespace
