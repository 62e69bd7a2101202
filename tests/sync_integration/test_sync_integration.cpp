// End to end beside a running ACT!: a project over the database actserver has open, its notes read,
// the contacts of three notes zoomed to and looked up in ACT!, one note shown there, and two notes
// deleted, with python3-dbfread confirming that exactly those two left the notes file.
#include "ActServerProbe.h"
#include "mainwindow_project/ProjectCommandFixture.h"

#include "actlink/clACTApplication.h"
#include "actlink/clUniqueIDConverter.h"
#include "actserver/ActDatabaseFiles.h"
#include "actserver/app/ActBusAppObject.h"
#include "actserver/app/ActBusChannel.h"
#include "actserver/app/ActBusNames.h"
#include "records/clNotizen.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMultiHash>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <csignal>

namespace {

using platform::MsgAnswer;
using platform::MsgIcon;

// One line per live record of a dBase file, printed by the independent dBase reader from the record
// r. Its memo texts are not read: ACT! names the memo file of a notes table ".hdt", where dbfread
// would look for a ".fpt" of the same name and find the contacts' one.
QList<QByteArray> linesByDbfread(const QString &file, const QString &printed)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, dbfread\n"
                                 "class NoMemo(dbfread.FieldParser):\n"
                                 "    def parseM(self, field, data):\n"
                                 "        return None\n"
                                 "for r in dbfread.DBF(sys.argv[1], encoding='cp1252', parserclass=NoMemo):\n"
                                 "    print(%1)\n")
                      .arg(printed),
                  file});
    EXPECT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return python.readAllStandardOutput().split('\n');
}

// The IDs of the live records of a notes file.
QSet<QString> notesByDbfread(const QString &file)
{
    QSet<QString> ids;
    for (const QByteArray &line : linesByDbfread(file, QStringLiteral("r['UNIQUE_ID'].strip()")))
        if (!line.trimmed().isEmpty())
            ids.insert(QString::fromUtf8(line.trimmed()));
    return ids;
}

// The unique IDs of the contacts by their city.
QMultiHash<QString, QString> contactsByDbfread(const QString &file)
{
    QMultiHash<QString, QString> contacts;
    for (const QByteArray &line : linesByDbfread(file, QStringLiteral("r['CITY'].strip() + '\\t' + r['UNIQUE_ID']"))) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 2)
            contacts.insert(QString::fromUtf8(fields.at(0)), QString::fromUtf8(fields.at(1)));
    }
    return contacts;
}

QSet<QString> asSet(const QStringList &list)
{
    return QSet<QString>(list.begin(), list.end());
}

class LinkedTablesBesideACT : public ProjectCommandFixture
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb") || !QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "needs an X display and a session bus";
        ProjectCommandFixture::SetUp();
        qputenv("DATOLUX_ACT_SERVICE", "org.datolux.ACT.sync" + QByteArray::number(QCoreApplication::applicationPid()));
        ASSERT_TRUE(m_dir.isValid());
        m_base = m_dir.filePath(QStringLiteral("LINK"));
        ASSERT_EQ(QProcess::execute(QStringLiteral(ACTSERVER_PATH),
                                    {QStringLiteral("--create-demo"), m_base, QStringLiteral("--contacts"),
                                     QStringLiteral("40"), QStringLiteral("--single-user")}),
                  0);
        m_server.setProcessChannelMode(QProcess::ForwardedChannels);
        m_server.start(QStringLiteral(ACTSERVER_PATH), {database()});
        ASSERT_TRUE(m_server.waitForStarted());
        actlink::clACTApplication act;
        ASSERT_TRUE(waitFor([&act] { return act.ACTgestartet(); })) << "no ACT! window appeared";
        ASSERT_TRUE(waitFor([] {
            return QDBusConnection::sessionBus()
                .interface()
                ->isServiceRegistered(actserver::bus::serviceName())
                .value();
        }));
    }
    void TearDown() override
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.kill();
            m_server.waitForFinished();
        }
        ProjectCommandFixture::TearDown();
    }
    QString database() const { return m_base + QStringLiteral(".dbf"); }
    // A new project over the database open in ACT!, with the fields Firma and Ort.
    void newProjectOnTheRunningAct(const QString &name)
    {
        ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Soll die aktuelle ACT!-Datenbank verwendet werden?"),
                        MsgAnswer::Yes)
            .expectInputBox(QStringLiteral("Bitte geben Sie den Projektnamen ein:"), name)
            .expectModal(tick({QStringLiteral("Firma"), QStringLiteral("Ort")}));
        run("mnuNewProject");
    }

    QTemporaryDir m_dir;
    QString m_base;
    QProcess m_server;
};

TEST_F(LinkedTablesBesideACT, ZoomLookUpShowAndDeleteNotes)
{
    const actlink::clUniqueIDConverter converter;
    // A new project takes the database open in ACT!.
    newProjectOnTheRunningAct(QStringLiteral("Verknuepft"));
    ASSERT_NE(window->Kontakte(), nullptr);
    ASSERT_TRUE(window->Kontakte()->IsDatabaseOpen());
    run("mnuUpdateNotes");
    auto *notes = dynamic_cast<records::clNotizen *>(modHaupt::Notizen.get());
    ASSERT_NE(notes, nullptr);
    InfoZoomTable *lower = window->InfoZoomExtra()->Table();
    InfoZoomTable *upper = window->InfoZoomKontakt()->Table();
    InfoZoomAttribute noteId = notes->UniqueIDAttribute();
    InfoZoomAttribute noteContact = notes->SyncFieldAttribute();
    const QStringList ids = column(lower->Objects(), noteId);
    const QStringList contactsOfNotes = column(lower->Objects(), noteContact);
    ASSERT_GE(ids.size(), 10);

    // Three notes of three different contacts: their contacts are zoomed to.
    QStringList three;
    QStringList threeContacts;
    for (int i = 0; i < ids.size() && three.size() < 3; ++i)
        if (contactsOfNotes.at(i).startsWith(QLatin1String("CO")) && !threeContacts.contains(contactsOfNotes.at(i))) {
            three << ids.at(i);
            threeContacts << contactsOfNotes.at(i);
        }
    ASSERT_EQ(threeContacts.size(), 3);
    for (const QString &contact : threeContacts)
        noteContact.SelectValue(contact, true);
    run("mnuZoomContacts");
    InfoZoomAttribute contactId = window->Kontakte()->UniqueIDAttribute();
    EXPECT_EQ(asSet(column(upper->CurrentObjects(), contactId)), asSet(threeContacts));

    // The lookup of the contacts now shown, built in ACT!.
    for (const QString &contact : column(upper->CurrentObjects(), contactId))
        contactId.SelectValue(contact, true);
    run("mnuACTSuche");
    EXPECT_EQ(window->StatusPanel()->text(), QStringLiteral("Es wurde eine Suche in ACT! gebildet."));
    QSet<QString> expectedLookup;
    for (const QString &contact : threeContacts)
        expectedLookup.insert(converter.ToUniqueID(contact));
    EXPECT_EQ(asSet(actWindowState().value(QStringLiteral("lookup")).toStringList()), expectedLookup);

    // One note shown in ACT!: its tab is active and its row chosen.
    lower->ResetSelection();
    noteId.SelectValue(three.first(), true);
    run("mnuShowNote");
    EXPECT_EQ(window->StatusPanel()->text(), QStringLiteral("Die Notiz wurde in ACT! angezeigt."));
    const QVariantMap shown = actWindowState();
    EXPECT_EQ(shown.value(QStringLiteral("activeTab")).toString(), QStringLiteral("Notizen/Protokoll"));
    EXPECT_EQ(shown.value(QStringLiteral("selectedId")).toString(), converter.ToUniqueID(three.first()));

    // Two notes deleted: exactly they leave the notes file.
    const QString notesFile = actserver::ActDatabaseFiles(database()).tableFile(actserver::ActTableKind::Notes);
    const QSet<QString> before = notesByDbfread(notesFile);
    ASSERT_EQ(before.size(), ids.size());
    const QStringList victims{ids.at(ids.size() - 1), ids.at(ids.size() / 2)};
    lower->ResetSelection();
    for (const QString &victim : victims)
        noteId.SelectValue(victim, true);
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Sind Sie sicher das 2 Notiz(en)"), MsgAnswer::Yes);
    run("mnuDeleteNotes");
    EXPECT_EQ(window->StatusPanel()->text(), QStringLiteral("Es wurden 2 Einträge von 2 gelöscht. (0 Fehler)"));
    QSet<QString> gone;
    for (const QString &victim : victims)
        gone.insert(converter.ToUniqueID(victim).trimmed());
    const QSet<QString> after = notesByDbfread(notesFile);
    EXPECT_EQ(before - after, gone);
    EXPECT_TRUE((after - before).isEmpty());
    EXPECT_EQ(lower->Objects().Count(), ids.size() - 2);
}

// A frozen ACT! (its process stopped, not gone): an ACT! action gives up after one wait with one
// German message that ACT! does not answer, the cancel panel ends such a wait, and the next command
// asks ACT! afresh.
TEST_F(LinkedTablesBesideACT, AFrozenActIsOneMessageAfterOneWaitWhichTheCancelPanelEnds)
{
    constexpr int kTimeoutMs = 3000;
    actserver::ActBusChannel::setDefaultTimeoutMs(kTimeoutMs);
    const auto restore =
        qScopeGuard([] { actserver::ActBusChannel::setDefaultTimeoutMs(actserver::ActBusChannel::kDefaultTimeoutMs); });
    newProjectOnTheRunningAct(QStringLiteral("Eingefroren"));
    ASSERT_NE(window->Kontakte(), nullptr);
    InfoZoomAttribute contactId = window->Kontakte()->UniqueIDAttribute();
    contactId.SelectValue(column(window->InfoZoomKontakt()->Table()->Objects(), contactId).first(), true);
    actlink::clACTApplication patient{
        [] { return actserver::ActBusAppObject::create(QDBusConnection::sessionBus(), 10 * kTimeoutMs); }, nullptr};
    window->AddCommand(QStringLiteral("mnuGeduldig"), [&patient] { patient.ACTDatenbank(); });
    ASSERT_EQ(::kill(pid_t(m_server.processId()), SIGSTOP), 0);

    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("ACT! antwortet nicht."));
    QElapsedTimer timer;
    timer.start();
    run("mnuACTSuche");
    EXPECT_LT(timer.elapsed(), 2 * kTimeoutMs);
    EXPECT_FALSE(ui.records().last().text.contains(QStringLiteral("org.freedesktop")));
    // Nothing runs any more, so no running text stays.
    EXPECT_EQ(window->StatusPanel()->text(), QString());
    EXPECT_EQ(window->InfoZoomKontakt()->Table()->StatusText(), QString());

    QTimer::singleShot(300, window.get(), [this] { window->StatusBar_PanelClick(QStringLiteral("Abbruch")); });
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Das Warten auf die Antwort wurde abgebrochen."));
    timer.restart();
    run("mnuGeduldig");
    EXPECT_LT(timer.elapsed(), 5 * kTimeoutMs);

    ASSERT_EQ(::kill(pid_t(m_server.processId()), SIGCONT), 0);
    run("mnuACTSuche");
    EXPECT_EQ(window->StatusPanel()->text(), QStringLiteral("Es wurde eine Suche in ACT! gebildet."));
}

// The contacts of one city, selected by the city alone, become ACT!'s lookup: exactly those contacts.
TEST_F(LinkedTablesBesideACT, ALookupOfTheContactsOfACity)
{
    newProjectOnTheRunningAct(QStringLiteral("Stadt"));
    ASSERT_NE(window->Kontakte(), nullptr);

    const QMultiHash<QString, QString> byCity = contactsByDbfread(database());
    QString city;
    for (const QString &candidate : byCity.uniqueKeys())
        if (city.isEmpty() || byCity.count(candidate) > byCity.count(city))
            city = candidate;
    ASSERT_GE(byCity.count(city), 2);
    ASSERT_LT(byCity.count(city), byCity.size());

    InfoZoomTable *upper = window->InfoZoomKontakt()->Table();
    attributeNamed(upper, QStringLiteral("Ort")).SelectValue(city, true);
    ASSERT_EQ(upper->SelectedObjects().Count(), byCity.count(city));
    run("mnuACTSuche");
    EXPECT_EQ(window->StatusPanel()->text(), QStringLiteral("Es wurde eine Suche in ACT! gebildet."));
    const QStringList values = byCity.values(city);
    EXPECT_EQ(asSet(actWindowState().value(QStringLiteral("lookup")).toStringList()), asSet(values));
}

} // namespace
