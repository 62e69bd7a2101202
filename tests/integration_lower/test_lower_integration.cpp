// End to end beside a running ACT!: a project over the database actserver has open, its notes, sales
// and activities read through the menu with the questions those commands ask, one record of each
// shown in ACT! through the menu and found there on its tab, the notes loaded back from the saved
// project, and the show command refused once ACT! is gone and while it has no database open.
#include "ActServerProbe.h"
#include "mainwindow_project/ProjectCommandFixture.h"

#include "actlink/clACTApplication.h"
#include "actlink/clUniqueIDConverter.h"
#include "actserver/app/ActBusNames.h"
#include "records/clAufgaben.h"
#include "records/clAuftraege.h"
#include "records/clNotizen.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QThread>

// Failures show the texts, not their bytes.
static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

using platform::MsgAnswer;
using platform::MsgIcon;

const QString kProject = QStringLiteral("Verknuepft");
const QString kSaveQuestion =
    QStringLiteral("Sollen zuvor die Änderungen im Projekt \"Verknuepft\" gespeichert werden?");


bool serviceRegistered()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(actserver::bus::serviceName()).value();
}


// One row of the lower table: the record's ID and the contact it belongs to.
struct LowerRow
{
    QString id;
    QString contact;
};

class LowerTableBesideACT : public ProjectCommandFixture
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb") || !QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "needs an X display and a session bus";
        ProjectCommandFixture::SetUp();
        qputenv("DATOLUX_ACT_SERVICE",
                "org.datolux.ACT.lower" + QByteArray::number(QCoreApplication::applicationPid()));
        ASSERT_TRUE(m_dir.isValid());
        m_base = m_dir.filePath(QStringLiteral("UNTEN"));
        ASSERT_EQ(QProcess::execute(QStringLiteral(ACTSERVER_PATH),
                                    {QStringLiteral("--create-demo"), m_base, QStringLiteral("--contacts"),
                                     QStringLiteral("40"), QStringLiteral("--single-user")}),
                  0);
        startServer({m_base + QStringLiteral(".dbf")});
    }
    void TearDown() override
    {
        stopServer();
        ProjectCommandFixture::TearDown();
    }

    void startServer(const QStringList &arguments)
    {
        m_server.setProcessChannelMode(QProcess::ForwardedChannels);
        m_server.start(QStringLiteral(ACTSERVER_PATH), arguments);
        ASSERT_TRUE(m_server.waitForStarted());
        ASSERT_TRUE(waitFor([this] { return m_act.ACTgestartet(); })) << "no ACT! window appeared";
        ASSERT_TRUE(waitFor(serviceRegistered));
    }
    void stopServer()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.kill();
        m_server.waitForFinished();
        EXPECT_TRUE(waitFor([this] { return !m_act.ACTgestartet() && !serviceRegistered(); }));
    }

    QString status() const { return window->StatusPanel()->text(); }
    QString lowerTag() const { return window->InfoZoomExtra()->Tag(); }

    // The rows of the lower table in the IDs and contacts of the record class shown there.
    QList<LowerRow> lowerRows(const records::RecordClassBase *record) const
    {
        const InfoZoomAttribute id = record->UniqueIDAttribute();
        const InfoZoomAttribute contact = record->SyncFieldAttribute();
        EXPECT_FALSE(id.isNull());
        EXPECT_FALSE(contact.isNull());
        QList<LowerRow> rows;
        InfoZoomObjects objects = window->InfoZoomExtra()->Table()->Objects();
        objects.Reset();
        for (int i = objects.Count(); i > 0; --i) {
            const InfoZoomObject row = objects.NextObject();
            rows.append({row.Value(id).toString(), row.Value(contact).toString()});
        }
        return rows;
    }
    // The first row after skip rows whose record belongs to a contact (not a group record).
    static LowerRow contactRow(const QList<LowerRow> &rows, int skip = 0)
    {
        for (const LowerRow &row : rows)
            if (row.contact.startsWith(QLatin1String("CO")) && skip-- == 0)
                return row;
        return {};
    }

    // Only this ID value selected in the lower table.
    void selectOnly(const records::RecordClassBase *record, const QString &id)
    {
        window->InfoZoomExtra()->Table()->ResetSelection();
        record->UniqueIDAttribute().SelectValue(id, true);
        window->UpdateMenus();
    }

    // ACT! shows the record on this tab, chosen, for a lookup of exactly the one contact.
    void expectShownInACT(const QString &tab, const QString &id, const QSet<QString> &contacts)
    {
        const QVariantMap shown = actWindowState();
        EXPECT_EQ(shown.value(QStringLiteral("activeTab")).toString(), tab);
        EXPECT_EQ(shown.value(QStringLiteral("selectedId")).toString(), m_converter.ToUniqueID(id));
        const QStringList lookup = shown.value(QStringLiteral("lookup")).toStringList();
        ASSERT_EQ(lookup.size(), 1);
        QSet<QString> expected;
        for (const QString &contact : contacts)
            expected.insert(m_converter.ToUniqueID(contact));
        EXPECT_TRUE(expected.contains(lookup.first())) << "lookup of " << lookup.first().toStdString();
    }

    const actlink::clUniqueIDConverter m_converter;
    actlink::clACTApplication m_act;
    QTemporaryDir m_dir;
    QString m_base;
    QProcess m_server;
};

TEST_F(LowerTableBesideACT, NotesSalesAndActivitiesReadAndShownThroughTheMenu)
{
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Soll die aktuelle ACT!-Datenbank verwendet werden?"),
                    MsgAnswer::Yes)
        .expectInputBox(QStringLiteral("Bitte geben Sie den Projektnamen ein:"), kProject)
        .expectModal(tick({QStringLiteral("Firma"), QStringLiteral("Ort")}));
    run("mnuNewProject");
    ASSERT_NE(window->Kontakte(), nullptr);
    ASSERT_TRUE(window->Kontakte()->IsDatabaseOpen());

    // Notes: no table recorded yet, so the command offers to read them anew from ACT!.
    ui.expectMsgBox(MsgIcon::Question,
                    QStringLiteral("Sollen die Notizen neu aus der ACT!-Datenbank eingelesen werden?"), MsgAnswer::Yes);
    run("mnuReadNotes");
    EXPECT_EQ(status(), QStringLiteral("Die Notizdaten wurden neu aus der ACT!-Datenbank eingelesen."));
    ASSERT_EQ(lowerTag(), QStringLiteral("Notizen"));
    const auto *notes = dynamic_cast<records::clNotizen *>(modHaupt::Notizen.get());
    ASSERT_NE(notes, nullptr);
    const LowerRow note = contactRow(lowerRows(notes));
    ASSERT_FALSE(note.id.isEmpty());
    selectOnly(notes, note.id);
    EXPECT_TRUE(enabled("mnuShowNote"));
    run("mnuShowNote");
    EXPECT_EQ(status(), QStringLiteral("Die Notiz wurde in ACT! angezeigt."));
    expectShownInACT(QStringLiteral("Notizen/Protokoll"), note.id, {note.contact});

    // Sales replace the notes of a changed project: saved first (a first save asks for the
    // folder), then read anew.
    ui.expectMsgBox(MsgIcon::Question, kSaveQuestion, MsgAnswer::Yes)
        .expectFolder(folder(QStringLiteral("A")))
        .expectMsgBox(MsgIcon::Question,
                      QStringLiteral("Sollen die Aufträge neu aus der ACT!-Datenbank eingelesen werden?"),
                      MsgAnswer::Yes);
    run("mnuReadSales");
    EXPECT_TRUE(modHaupt::Projekt->IsSaved());
    const QString notesFile = modHaupt::Projekt->FOXNotiz().Datei();
    EXPECT_TRUE(QFileInfo::exists(notesFile)) << notesFile.toStdString();
    EXPECT_EQ(status(), QStringLiteral("Die Auftragsdaten wurden neu aus der ACT!-Datenbank eingelesen."));
    ASSERT_EQ(lowerTag(), QStringLiteral("Aufträge"));
    const auto *sales = dynamic_cast<records::clAuftraege *>(modHaupt::Auftraege.get());
    ASSERT_NE(sales, nullptr);
    const LowerRow sale = contactRow(lowerRows(sales), 1);
    ASSERT_FALSE(sale.id.isEmpty());
    selectOnly(sales, sale.id);
    EXPECT_TRUE(enabled("mnuShowSale"));
    run("mnuShowSale");
    EXPECT_EQ(status(), QStringLiteral("Der Auftrag wurde in ACT! angezeigt."));
    expectShownInACT(QStringLiteral("Aufträge"), sale.id, {sale.contact});

    // Activities replace the sales just read: the save question again, this time declined.
    ui.expectMsgBox(MsgIcon::Question, kSaveQuestion, MsgAnswer::No)
        .expectMsgBox(MsgIcon::Question,
                      QStringLiteral("Sollen die Aufgaben neu aus der ACT!-Datenbank eingelesen werden?"),
                      MsgAnswer::Yes);
    run("mnuReadActivities");
    EXPECT_TRUE(modHaupt::Projekt->IsChanged());
    EXPECT_EQ(status(), QStringLiteral("Die Aufgabendaten wurden neu aus der ACT!-Datenbank eingelesen."));
    ASSERT_EQ(lowerTag(), QStringLiteral("Aufgaben"));
    const auto *activities = dynamic_cast<records::clAufgaben *>(modHaupt::Aufgaben.get());
    ASSERT_NE(activities, nullptr);
    // An activity scheduled with several contacts has one row for each; its one ID names it.
    QMap<QString, QSet<QString>> contactsOf;
    for (const LowerRow &row : lowerRows(activities))
        if (row.contact.startsWith(QLatin1String("CO")))
            contactsOf[row.id].insert(row.contact);
    ASSERT_FALSE(contactsOf.isEmpty());
    QString activity = contactsOf.firstKey();
    for (auto it = contactsOf.cbegin(); it != contactsOf.cend(); ++it)
        if (it.value().size() > contactsOf.value(activity).size())
            activity = it.key();
    ASSERT_GE(contactsOf.value(activity).size(), 2) << "the demo database schedules no activity with several contacts";
    selectOnly(activities, activity);
    EXPECT_TRUE(enabled("mnuShowActivity"));
    run("mnuShowActivity");
    EXPECT_EQ(status(), QStringLiteral("Die Aufgabe wurde in ACT! angezeigt."));
    expectShownInACT(QStringLiteral("Tätigkeiten"), activity, contactsOf.value(activity));

    // The notes come back from the saved project's table without a question, and still show.
    run("mnuReadNotes");
    EXPECT_EQ(status(), QStringLiteral("Die Notizdaten wurden geladen."));
    ASSERT_EQ(lowerTag(), QStringLiteral("Notizen"));
    notes = dynamic_cast<records::clNotizen *>(modHaupt::Notizen.get());
    ASSERT_NE(notes, nullptr);
    const LowerRow another = contactRow(lowerRows(notes), 2);
    ASSERT_FALSE(another.id.isEmpty());
    ASSERT_NE(another.id, note.id);
    selectOnly(notes, another.id);
    run("mnuShowNote");
    EXPECT_EQ(status(), QStringLiteral("Die Notiz wurde in ACT! angezeigt."));
    expectShownInACT(QStringLiteral("Notizen/Protokoll"), another.id, {another.contact});

    // ACT! gone: the show command asks the user to start it and reports the failure.
    stopServer();
    ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Bitte starten Sie zuvor ACT!."));
    run("mnuShowNote");
    EXPECT_EQ(status(), QStringLiteral("Die Notiz konnte nicht in ACT! angezeigt werden."));

    // ACT! running again, but with no database open.
    startServer({});
    ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Bitte öffnen Sie zuvor die ACT!-Datenbank."));
    run("mnuShowNote");
    EXPECT_EQ(status(), QStringLiteral("Die Notiz konnte nicht in ACT! angezeigt werden."));
    EXPECT_EQ(ui.pendingExpectations(), 0);
}

} // namespace
