// The application model over the session bus: the client proxies give what the in-process model
// gives, server faults arrive as &H80010105, and a server that is gone or hangs gives an error in
// bounded time.
#include "ActAppFixture.h"
#include "BusServerHost.h"
#include "actserver/app/ActAppState.h"
#include "actserver/app/ActAutomationError.h"
#include "actserver/app/ActBusAppObject.h"
#include "actserver/app/ActBusNames.h"
#include "actserver/app/ActBusServer.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

using namespace actserver;

namespace {

long errorNumber(const std::function<void()> &f)
{
    try {
        f();
    } catch (const platform::VbError &e) {
        return e.number();
    }
    return 0;
}

class Bus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "needs a session bus";
        qputenv("DATOLUX_ACT_SERVICE", "org.datolux.ACT.test" + QByteArray::number(QCoreApplication::applicationPid()));
        ASSERT_TRUE(host.start());
        app = ActBusAppObject::create(QDBusConnection::sessionBus(), 3000);
    }
    BusServerHost host;
    std::shared_ptr<ACTAppObject> app;
};

TEST_F(Bus, ApplicationMembersAnswerAsInProcess)
{
    EXPECT_EQ(app->GetOpenDBName(), QStringLiteral("/daten/DEMO.dbf"));
    EXPECT_EQ(app->GetUserId(), QStringLiteral("USR000000001"));
    EXPECT_EQ(app->GetCurrentUserName(), QStringLiteral("Anna Admin"));
    EXPECT_EQ(app->GetVersion(1), QStringLiteral("3.0.8"));
}

TEST_F(Bus, LookupAndTabSelectionReachTheServersState)
{
    auto views = app->Views();
    ASSERT_TRUE(views);
    auto contacts = views->Create(ActViewType::Contact, 2);
    ASSERT_TRUE(contacts);
    EXPECT_EQ(contacts->Type(), ActViewType::Contact);
    EXPECT_EQ(contacts->LookupALL(), 0);
    EXPECT_EQ(contacts->CreateLookup(contactId(1) + contactId(9) + contactId(4)), 0);
    EXPECT_EQ(contacts->GetCount(), 3);
    EXPECT_EQ(contacts->getfield(2).toString(), QStringLiteral("Firma 1"));
    auto active = views->GetActive();
    ASSERT_TRUE(active);
    EXPECT_EQ(active->GetTabName(2), QStringLiteral("Tätigkeiten"));
    EXPECT_EQ(active->SetActiveTab(QStringLiteral("Notizen/Protokoll")), 0);
    auto notes = active->NotesHistory();
    ASSERT_TRUE(notes);
    EXPECT_EQ(notes->GetRowNumber(noteId(3)), 1);
    EXPECT_LT(notes->GetRowNumber(noteId(2)), 0);
    EXPECT_EQ(notes->GoTo(1), 0);

    QStringList ids;
    int row = -1;
    host.run([&] {
        ids = host.state->side(ActViewType::Contact).ids;
        row = host.state->side(ActViewType::Contact).selectedRows.value(int(ActTab::Notes), -1);
    });
    EXPECT_EQ(ids, QStringList({contactId(1), contactId(9), contactId(4)}));
    EXPECT_EQ(row, 1);

    // The window's state as a script sees it.
    QDBusMessage call = QDBusMessage::createMethodCall(bus::serviceName(), bus::applicationPath(),
                                                       QString::fromLatin1(bus::kApplicationInterface),
                                                       QStringLiteral("WindowState"));
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 3000);
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage);
    const QVariantMap shown = qdbus_cast<QVariantMap>(reply.arguments().value(0));
    EXPECT_EQ(shown.value(QStringLiteral("activeTab")).toString(), QStringLiteral("Notizen/Protokoll"));
    EXPECT_EQ(shown.value(QStringLiteral("selectedId")).toString(), noteId(3));
    EXPECT_EQ(shown.value(QStringLiteral("lookup")).toStringList().size(), 3);
}

TEST_F(Bus, VariantFieldsTravelBothWays)
{
    auto groups = app->Views()->Create(ActViewType::Group, 2);
    groups->LookupField(25, QStringLiteral("Lieferanten"));
    EXPECT_EQ(groups->setfield(26, QStringLiteral("Größte Lieferanten")), 0);
    EXPECT_EQ(groups->getfield(26).toString(), QStringLiteral("Größte Lieferanten"));
    EXPECT_EQ(groups->GetCurrentID(), groupId(3).leftJustified(12, QLatin1Char(' ')));
}

TEST_F(Bus, ViewOpenedWithEmptyModeBecomesTheActiveOne)
{
    auto views = app->Views();
    views->Create(ActViewType::Group, QString());
    EXPECT_EQ(views->GetActive()->Type(), ActViewType::Group);
    EXPECT_EQ(views->Create(9, 2), nullptr);
}

TEST_F(Bus, AnExceptionInsideTheServerIsTheServerFault)
{
    EXPECT_EQ(errorNumber([&] { app->Command(4711); }), kServerFault);
    host.run([&] { host.store->failWrites = true; });
    auto contacts = app->Views()->Create(ActViewType::Contact, 2);
    EXPECT_EQ(errorNumber([&] { contacts->setfield(2, QStringLiteral("x")); }), kServerFault);
    // The server goes on serving.
    EXPECT_EQ(contacts->GetCount(), 25);
}

TEST_F(Bus, ServerThatLeftGivesAnErrorNotAHang)
{
    auto views = app->Views();
    auto contacts = views->Create(ActViewType::Contact, 2);
    host.disconnect();
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(errorNumber([&] { contacts->GetCount(); }), kServerUnavailable);
    EXPECT_EQ(errorNumber([&] { app->GetOpenDBName(); }), kServerUnavailable);
    EXPECT_LT(timer.elapsed(), 2500);
    EXPECT_EQ(errorNumber([&] { ActBusAppObject::create(QDBusConnection::sessionBus()); }), kCannotCreateObject);
}

TEST_F(Bus, ServerThatDoesNotAnswerTimesOut)
{
    auto slow = ActBusAppObject::create(QDBusConnection::sessionBus(), 300);
    host.block(1500);
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(errorNumber([&] { slow->GetOpenDBName(); }), kServerUnavailable);
    EXPECT_LT(timer.elapsed(), 1400);
}

TEST_F(Bus, DroppedObjectsAreReleasedOnTheServer)
{
    {
        auto views = app->Views();
        auto view = views->GetActive();
        auto tab = view->Sales();
        int published = 0;
        host.run([&] { published = host.server->publishedCount(); });
        EXPECT_EQ(published, 3);
    }
    int published = -1;
    for (int i = 0; i < 100 && published != 0; ++i) {
        QThread::msleep(20);
        host.run([&] { published = host.server->publishedCount(); });
    }
    EXPECT_EQ(published, 0);
}

} // namespace

// ---- the application wrapper over the bus ----

#include "GTestScriptedUi.h"
#include "actlink/clACTApplication.h"
#include "platform/FakeWindowList.h"

namespace {

class WrapperOverBus : public Bus
{
protected:
    void SetUp() override
    {
        Bus::SetUp();
        windows.add(QStringLiteral("act3.0frameclass"), QStringLiteral("ACT! - DEMO"));
    }
    GTestScriptedUi ui;
    platform::FakeWindowList windows{true};
    actlink::clACTApplication act{[] { return ActBusAppObject::create(QDBusConnection::sessionBus(), 3000); },
                                  nullptr};
};

TEST_F(WrapperOverBus, LookupAndNoteReachTheServer)
{
    EXPECT_TRUE(act.ACTgestartet());
    EXPECT_EQ(act.ACTDatenbank(), QStringLiteral("/daten/DEMO.dbf"));
    EXPECT_TRUE(act.CreateContactSearch(contactId(1) + contactId(5) + contactId(6)));
    EXPECT_TRUE(act.ShowNoteByUniqueID(noteId(3)));
    QStringList ids;
    QString tab;
    int row = -1;
    host.run([&] {
        const auto &side = host.state->side(ActViewType::Contact);
        ids = side.ids;
        tab = side.activeTab;
        row = side.selectedRows.value(int(ActTab::Notes), -1);
    });
    EXPECT_EQ(ids, QStringList({contactId(1), contactId(5), contactId(6)}));
    EXPECT_EQ(tab, QStringLiteral("Notizen/Protokoll"));
    EXPECT_EQ(row, 1);
    bool cancel = false;
    EXPECT_EQ(act.getIDsAktuelleSuche(cancel), contactId(1) + contactId(5) + contactId(6));
}

TEST_F(WrapperOverBus, VanishedServerIsAnErrorForTheCaller)
{
    host.disconnect();
    ui.expectMsgBox(platform::MsgIcon::Exclamation, QStringLiteral("Fehlernummer: 429"));
    EXPECT_EQ(act.ACTDatenbank(), QString());
    EXPECT_EQ(errorNumber([&] { act.CreateContactSearch(contactId(1)); }), kCannotCreateObject);
}

TEST_F(WrapperOverBus, MenuCommandReportsTheServerFault)
{
    ui.expectMsgBox(platform::MsgIcon::Exclamation,
                    QStringLiteral("Fehler in Klasse ACTApplication - ExecuteMenuCommand\r\nFehlernummer: -2147417851"));
    act.ExecuteMenuCommand(4711);
}

} // namespace
