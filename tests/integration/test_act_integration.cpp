// The running ACT! end to end: a demo database, the actserver program started on it, and Datolux's
// application wrapper talking to it through the X11 window search and the session bus, until the
// server is killed.
#include "ActServerProbe.h"
#include "GTestScriptedUi.h"
#include "actlink/ACTWindowSearch.h"
#include "actlink/clACTApplication.h"
#include "actserver/ACTDatabaseObject.h"
#include "actserver/app/ActAutomationError.h"
#include "actserver/app/ActBusAppObject.h"
#include "actserver/app/ActBusNames.h"
#include "actserver/app/ActBusRunningApplication.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

using namespace actserver;

namespace {

// Whether the process ignores SIGPIPE, from the mask of ignored signals the kernel shows.
bool ignoresSigpipe(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigIgn:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGPIPE - 1)) & 1;
    return false;
}

// A write into a pipe or socket whose reader has gone (a launched program, the bus, the X server)
// fails with an error the program handles, instead of ending it: both programs ignore SIGPIPE from
// the start (the processes a test starts get the default back, whatever the test does itself).
TEST(Programs, IgnoreSigpipeFromTheStart)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "needs a session bus";
    QTemporaryDir home;
    for (const char *program : {ACTSERVER_PATH, DATOLUX_PATH}) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        env.insert(QStringLiteral("DATOLUX_ACT_SERVICE"),
                   QStringLiteral("org.datolux.ACT.sigpipe%1").arg(QCoreApplication::applicationPid()));
        process.setProcessEnvironment(env);
        process.start(QString::fromUtf8(program), QStringList());
        ASSERT_TRUE(process.waitForStarted()) << program;
        EXPECT_TRUE(waitFor([&] { return ignoresSigpipe(process.processId()); }, 10000)) << program;
        process.kill();
        process.waitForFinished();
    }
}

// Reads what the test needs of the database through Datolux's own database object.
struct DemoFacts
{
    QStringList contacts;  // three contacts, the first with at least one note
    QString note;          // a note of the first contact
    QString subgroup;      // a subgroup
    QString subgroupName;
    QString parentName;
};

DemoFacts readFacts()
{
    DemoFacts facts;
    ACTDatabaseObject database;
    database.OpenEx(QString()); // the database open in the running ACT!
    EXPECT_FALSE(database.Error()) << database.LastErrorText().toStdString();
    auto notes = database.NoteHistory();
    QStringList values;
    notes->MoveFirst();
    while (!notes->IsEOF() && facts.note.isEmpty()) {
        notes->GetDataEx({1, 29}, values);
        if (!values.at(1).trimmed().isEmpty()) {
            facts.note = values.at(0);
            facts.contacts << values.at(1);
        }
        notes->MoveNext();
    }
    auto contacts = database.Contact();
    contacts->MoveFirst();
    while (!contacts->IsEOF() && facts.contacts.size() < 3) {
        contacts->GetDataEx({1}, values);
        if (!facts.contacts.contains(values.at(0)))
            facts.contacts << values.at(0);
        contacts->MoveNext();
    }
    auto groups = database.Group();
    groups->MoveFirst();
    while (!groups->IsEOF() && facts.subgroup.isEmpty()) {
        if (groups->GroupType() == 1) {
            facts.subgroup = groups->Data(1);
            facts.subgroupName = groups->Data(25);
            const QString parent = groups->GetParent();
            groups->GoTo(parent);
            facts.parentName = groups->Data(25);
        }
        groups->MoveNext();
    }
    return facts;
}

TEST(ActServerEndToEnd, DatoluxDrivesTheRunningActAndFailsCleanlyAfterItIsKilled)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "needs an X display and a session bus";
    qputenv("DATOLUX_ACT_SERVICE", "org.datolux.ACT.integration" + QByteArray::number(QCoreApplication::applicationPid()));
    GTestScriptedUi ui;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString base = dir.filePath(QStringLiteral("DEMO"));
    ASSERT_EQ(QProcess::execute(QStringLiteral(ACTSERVER_PATH),
                                {QStringLiteral("--create-demo"), base, QStringLiteral("--contacts"), QStringLiteral("80")}),
              0);

    actlink::clACTApplication act;
    EXPECT_FALSE(act.ACTgestartet() && act.ACTDatenbank() == base + QStringLiteral(".dbf"));

    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedChannels);
    server.start(QStringLiteral(ACTSERVER_PATH), {base + QStringLiteral(".dbf")});
    ASSERT_TRUE(server.waitForStarted());
    ASSERT_TRUE(waitFor([&] { return act.ACTgestartet(); })) << "no ACT! window appeared";
    ASSERT_TRUE(waitFor([] {
        return QDBusConnection::sessionBus().interface()->isServiceRegistered(bus::serviceName()).value();
    }));

    EXPECT_EQ(act.ACTDatenbank(), base + QStringLiteral(".dbf"));
    const platform::WindowId window = actlink::FindACTWindow(QStringLiteral("act3.0frameclass"), QStringLiteral("ACT"));
    EXPECT_NE(window, 0u);
    EXPECT_TRUE(actlink::GetWindowCaption(window).contains(QStringLiteral("DEMO")));

    ActBusRunningApplication::installOnce();
    const DemoFacts facts = readFacts();
    ASSERT_EQ(facts.contacts.size(), 3);
    ASSERT_FALSE(facts.note.isEmpty());
    ASSERT_FALSE(facts.subgroup.isEmpty());

    // A lookup of three contacts: the server's lookup then holds exactly them.
    EXPECT_TRUE(act.CreateContactSearch(facts.contacts.join(QString())));
    QVariantMap shown = actWindowState();
    EXPECT_EQ(shown.value(QStringLiteral("lookup")).toStringList(), facts.contacts);
    bool cancel = false;
    EXPECT_EQ(act.getIDsAktuelleSuche(cancel), facts.contacts.join(QString()));

    // A note, with its contact made current first as the notes table does: its tab is active and
    // its row chosen.
    EXPECT_TRUE(act.CreateContactSearch(facts.contacts.first()));
    EXPECT_TRUE(act.ShowNoteByUniqueID(facts.note));
    shown = actWindowState();
    EXPECT_EQ(shown.value(QStringLiteral("activeTab")).toString(), QStringLiteral("Notizen/Protokoll"));
    EXPECT_EQ(shown.value(QStringLiteral("selectedId")).toString(), facts.note);
    EXPECT_GE(shown.value(QStringLiteral("selectedRow")).toInt(), 0);
    act.Zeigen();

    // A subgroup: its main group enters the group lookup first, then the subgroup.
    EXPECT_TRUE(act.bildeGruppenSuche(facts.subgroup));
    const QString groupIds = act.getGroupIDsAktuelleSuche(cancel);
    EXPECT_EQ(groupIds.size() % 12, 0);
    EXPECT_TRUE(groupIds.contains(facts.subgroup));
    EXPECT_TRUE(act.GroupExist(facts.parentName));

    // Killed: a held object gives an error in bounded time, the wrapper reports nothing and fails.
    std::shared_ptr<ACTAppObject> held = ActBusAppObject::create();
    server.kill();
    server.waitForFinished();
    QElapsedTimer timer;
    timer.start();
    long number = 0;
    try {
        held->GetOpenDBName();
    } catch (const platform::VbError &e) {
        number = e.number();
    }
    EXPECT_EQ(number, kServerUnavailable);
    EXPECT_LT(timer.elapsed(), ActBusChannel::kDefaultTimeoutMs);
    EXPECT_TRUE(waitFor([&] { return !act.ACTgestartet(); }));
    EXPECT_EQ(act.ACTDatenbank(), QString());
    EXPECT_FALSE(act.CreateContactSearch(facts.contacts.join(QString())));
    EXPECT_FALSE(act.ShowNoteByUniqueID(facts.note));
}

} // namespace
