// The application wrapper against the in-process model and a scripted window list: what it does
// without an ACT! window, the connection and release of the automation objects, lookups, ID loops
// with progress and cancel, group lookups with subgroups, field values, showing records by tab, and
// every message it shows.
#include "ActAppFixture.h"
#include "GTestScriptedUi.h"
#include "RecordingAppObject.h"
#include "actlink/clACTApplication.h"
#include "actserver/app/ActAutomationError.h"
#include "platform/FakeWindowList.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

using namespace actserver;
using actlink::clACTApplication;
using platform::MsgIcon;

namespace {

QString pad(const QString &id) { return id.leftJustified(12, QLatin1Char(' ')); }

// The group table of the database, read from the in-memory store.
class MemoryGroupTable final : public actlink::ActGroupTable
{
public:
    explicit MemoryGroupTable(MemoryAppStore *store) : m_store(store) {}
    void GoTo(const QString &id) override { m_id = id; }
    QString Data(int field) override { return m_store->field(ActRecordKind::Group, m_id, field); }
    int GroupType() override { return m_store->field(ActRecordKind::Group, m_id, 55).trimmed().isEmpty() ? 0 : 1; }
    QString GetParent() override { return pad(m_store->field(ActRecordKind::Group, m_id, 55)); }

private:
    MemoryAppStore *m_store;
    QString m_id;
};

class Wrapper : public ::testing::Test
{
protected:
    Wrapper()
        : act([this] {
                  ++created;
                  if (failCreate)
                      throw platform::VbError(kCannotCreateObject, QStringLiteral("Objekterstellung nicht möglich"));
                  return recording(std::make_shared<ActLocalAppObject>(f.state), log);
              },
              [this] {
                  ++groupTables;
                  return std::make_unique<MemoryGroupTable>(f.store);
              })
    {
    }

    void SetUp() override { actWindow = windows.add(QStringLiteral("act3.0frameclass"), QStringLiteral("ACT! - DEMO")); }

    GTestScriptedUi ui;
    platform::FakeWindowList windows{true};
    ActAppFixture f;
    std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
    int created = 0;
    int groupTables = 0;
    bool failCreate = false;
    clACTApplication act;
    platform::WindowId actWindow = 0;
};

// ---- without ACT! ----

TEST_F(Wrapper, WithoutActWindowNothingIsCreatedAndNothingShown)
{
    windows.remove(actWindow);
    windows.add(QStringLiteral("act3.0frameclass"), QStringLiteral("ACT! versteckt"), /*visible*/ false);
    EXPECT_FALSE(act.ACTgestartet());
    EXPECT_EQ(act.ACTDatenbank(), QString());
    EXPECT_FALSE(act.CreateContactSearch(contactId(1)));
    EXPECT_FALSE(act.ShowNoteByUniqueID(noteId(1)));
    EXPECT_EQ(act.CurrentViewTyp(), -1);
    EXPECT_EQ(act.AktuelleFeldID(), 0);
    EXPECT_EQ(act.AktuellerBenutzerName(), QString());
    act.Zeigen();
    EXPECT_EQ(created, 0);
    EXPECT_TRUE(windows.actions().isEmpty());
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(Wrapper, KundenmanagerTitleCountsAsRunningAndIsBroughtForwardOnTheSecondSearch)
{
    windows.remove(actWindow);
    const auto other = windows.add(QStringLiteral("xterm"), QStringLiteral("ACT"));
    const auto w = windows.add(QStringLiteral("Act3.0FrameClass"), QStringLiteral("Kundenmanager - Demo"));
    EXPECT_TRUE(act.ACTgestartet());
    act.Zeigen();
    EXPECT_EQ(windows.actions(), QStringList({QStringLiteral("activate 0x%1").arg(w, 0, 16)}));
    EXPECT_TRUE(log->called(QStringLiteral("Show")));
    Q_UNUSED(other);
}

TEST_F(Wrapper, ZeigenRestoresAMinimisedWindowInsteadOfActivatingIt)
{
    windows.find(actWindow)->minimized = true;
    act.Zeigen();
    EXPECT_EQ(windows.actions(), QStringList({QStringLiteral("restore 0x%1").arg(actWindow, 0, 16)}));
    EXPECT_FALSE(windows.find(actWindow)->minimized);
}

TEST_F(Wrapper, FailureToCreateTheApplicationObjectReachesTheCaller)
{
    failCreate = true;
    EXPECT_THROW(act.CreateContactSearch(contactId(1)), platform::VbError);
}

// ---- application members and release ----

TEST_F(Wrapper, ApplicationMembersAndEveryObjectReleasedAfterwards)
{
    EXPECT_EQ(act.ACTDatenbank(), QStringLiteral("/daten/DEMO.dbf"));
    EXPECT_EQ(act.AktuelleBenutzerID(), QStringLiteral("USR000000001"));
    EXPECT_EQ(act.AktuellerBenutzerName(), QStringLiteral("Anna Admin"));
    EXPECT_EQ(act.ACTVersion(), QStringLiteral("3.0.8"));
    EXPECT_EQ(act.AktuelleKontaktID(), contactId(1));
    EXPECT_EQ(act.AktuelleGruppenID(), QString());
    EXPECT_EQ(log->liveObjects, 0);
    EXPECT_EQ(created, 6);
}

TEST_F(Wrapper, ServerFaultInActDatenbankIsSilentOtherErrorsAreReported)
{
    f.state.closeDatabase();
    EXPECT_EQ(act.ACTDatenbank(), QString());
    failCreate = true;
    ui.expectMsgBox(MsgIcon::Exclamation,
                    QStringLiteral("Fehler in Klasse ACTApplication Eigenschaft ACTDatenbank\r\nFehlernummer: 429\r\n"
                                   "Fehlerbeschreibung: Objekterstellung nicht möglich"));
    EXPECT_EQ(act.ACTDatenbank(), QString());
}

TEST_F(Wrapper, CurrentViewTypeFollowsTheWindowAndCanBeSet)
{
    EXPECT_EQ(act.CurrentViewTyp(), ActViewType::Contact);
    act.setCurrentViewTyp(ActViewType::Group);
    EXPECT_EQ(act.CurrentViewTyp(), ActViewType::Group);
    EXPECT_TRUE(log->calls.contains(QStringLiteral("Create(3, \"\")")));
    EXPECT_EQ(act.AktuelleGruppenID(), QString()); // no group lookup yet
    f.state.closeDatabase();
    EXPECT_EQ(act.CurrentViewTyp(), -1);
}

TEST_F(Wrapper, OpenAndCloseDatabaseWithTheCloseFailureReported)
{
    act.OpenDatenbank(QStringLiteral("/daten/ANDERE.dbf"));
    EXPECT_TRUE(log->called(QStringLiteral("OpenDB")));
    EXPECT_TRUE(act.CloseDatenbank());
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Fehler in Klasse ACTApplication - CloseDB\r\n"
                                                         "ACT!-Fehlernummer:-7\r\n"
                                                         "Die Datenbank konnte nicht geschlossen werden."));
    EXPECT_FALSE(act.CloseDatenbank());
}

TEST_F(Wrapper, MenuCommandFailureIsReported)
{
    act.ExecuteMenuCommand(3);
    EXPECT_EQ(f.state.activeViewType(), ActViewType::Group);
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Fehler in Klasse ACTApplication - ExecuteMenuCommand\r\n"
                                                         "Fehlernummer: -1999\r\nFehlerbeschreibung: Unbekannter "
                                                         "Menübefehl 4711."));
    act.ExecuteMenuCommand(4711);
}

// ---- contact lookups ----

TEST_F(Wrapper, ContactSearchHoldsExactlyTheGivenContacts)
{
    EXPECT_TRUE(act.CreateContactSearch(contactId(3) + contactId(12)));
    EXPECT_EQ(log->calls.mid(log->calls.size() - 2),
              QStringList({QStringLiteral("LookupALL()"),
                           QStringLiteral("CreateLookup(\"%1\")").arg(contactId(3) + contactId(12))}));
    EXPECT_EQ(f.state.side(ActViewType::Contact).ids, QStringList({contactId(3), contactId(12)}));
}

TEST_F(Wrapper, ShortIdsAreFilledUpToTwelveCharacters)
{
    f.store->add(ActRecordKind::Contact, QStringLiteral("KURZ123456"));
    EXPECT_TRUE(act.ShowContactByUniqueID(QStringLiteral("KURZ123456")));
    EXPECT_TRUE(log->calls.contains(QStringLiteral("GoTo(\"KURZ123456  \")")));
    EXPECT_FALSE(act.ShowContactByUniqueID(QStringLiteral("FEHLT")));
}

TEST_F(Wrapper, IdLoopReportsProgressAtEveryTenthRowInGerman)
{
    QStringList texts;
    bool cancel = false;
    const QString ids = act.getIDsAktuelleSuche(cancel, [&](const QString &t) { texts << t; });
    EXPECT_EQ(ids.size(), 25 * 12);
    EXPECT_TRUE(ids.startsWith(contactId(1) + contactId(2)));
    EXPECT_EQ(texts, QStringList({QStringLiteral("Bestimme aktuelle ACT! Suche (40,00%)"),
                                  QStringLiteral("Bestimme aktuelle ACT! Suche (80,00%)")}));
}

TEST_F(Wrapper, CancelSetBeforeRowTenEmptiesTheResultThere)
{
    bool cancel = false;
    int texts = 0;
    ui.onDoEvents = [&] {
        if (log->count(QStringLiteral("getfield(1)")) == 3)
            cancel = true;
    };
    EXPECT_EQ(act.getIDsAktuelleSuche(cancel, [&](const QString &) { ++texts; }), QString());
    EXPECT_EQ(texts, 0);
    EXPECT_EQ(log->count(QStringLiteral("getfield(1)")), 10);
    // Without a progress target the flag is never looked at.
    EXPECT_EQ(act.getIDsAktuelleSuche(cancel).size(), 25 * 12);
}

TEST_F(Wrapper, GroupIdLoopWalksTheGroupLookup)
{
    bool cancel = false;
    act.ShowGroupByName(QStringLiteral("Lieferanten"), 2);
    EXPECT_EQ(act.getGroupIDsAktuelleSuche(cancel), pad(groupId(3)));
}

// ---- group lookups ----

TEST_F(Wrapper, EmptyGroupListIsTrueWithoutAsking)
{
    EXPECT_TRUE(act.bildeGruppenSuche(QString()));
    EXPECT_EQ(created, 0);
    EXPECT_EQ(groupTables, 0);
}

TEST_F(Wrapper, SubgroupFirstStartsWithItsParentAndAMainGroupIsAdded)
{
    EXPECT_TRUE(act.bildeGruppenSuche(pad(groupId(2)) + pad(groupId(3))));
    const QStringList lookups = log->calls.filter(QStringLiteral("Lookup"));
    EXPECT_EQ(lookups, QStringList({QStringLiteral("LookupField(25, \"Kunden\")"),
                                    QStringLiteral("LookupFieldEx(25, \"Kunden Nord\", 0)"),
                                    QStringLiteral("LookupFieldEx(25, \"Lieferanten\", 0)")}));
    EXPECT_EQ(f.state.side(ActViewType::Group).ids,
              QStringList({pad(groupId(1)), pad(groupId(2)), pad(groupId(3))}));
}

TEST_F(Wrapper, MainGroupFirstStartsTheLookupWithItsOwnName)
{
    EXPECT_TRUE(act.bildeGruppenSuche(pad(groupId(3)) + pad(groupId(2))));
    EXPECT_EQ(log->calls.filter(QStringLiteral("Lookup")),
              QStringList({QStringLiteral("LookupField(25, \"Lieferanten\")"),
                           QStringLiteral("LookupFieldEx(25, \"Kunden\", 0)"),
                           QStringLiteral("LookupFieldEx(25, \"Kunden Nord\", 0)")}));
}

TEST_F(Wrapper, OnlyWholeTwelveCharacterIdsAreLookedUp)
{
    EXPECT_TRUE(act.bildeGruppenSuche(pad(groupId(3)) + pad(groupId(1)) + QStringLiteral("GRUPPE")));
    EXPECT_EQ(log->count(QStringLiteral("Lookup")), 2);
}

TEST_F(Wrapper, FailedGroupLookupIsReportedEndsTheLoopAndStillGivesTrue)
{
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("ACT!-OLE-Fehler: 3 in Methode BildeGruppenSuche."));
    EXPECT_TRUE(act.bildeGruppenSuche(QStringLiteral("UNBEKANNT123") + pad(groupId(3))));
    EXPECT_EQ(log->count(QStringLiteral("Lookup")), 1);
    EXPECT_EQ(log->liveObjects, 0);
}

TEST_F(Wrapper, GroupExistComparesNamesExactly)
{
    EXPECT_TRUE(act.GroupExist(QStringLiteral("Kunden Nord")));
    EXPECT_FALSE(act.GroupExist(QStringLiteral("kunden nord")));
}

TEST_F(Wrapper, GroupExistOverNoGroupsReadsNoField)
{
    auto store = std::make_unique<MemoryAppStore>();
    ActAppState empty([&](const QString &) -> std::unique_ptr<ActAppStore> { return std::move(store); });
    empty.openDatabase(QStringLiteral("/leer.dbf"));
    clACTApplication onEmpty([&] { return recording(std::make_shared<ActLocalAppObject>(empty), log); }, nullptr);
    EXPECT_FALSE(onEmpty.GroupExist(QStringLiteral("Kunden")));
    EXPECT_FALSE(log->called(QStringLiteral("getfield")));
}

TEST_F(Wrapper, GroupOperations)
{
    EXPECT_TRUE(act.AddGroup(QStringLiteral("Messe 2027")));
    EXPECT_TRUE(act.GroupExist(QStringLiteral("Messe 2027")));
    EXPECT_TRUE(act.AddGroupMember(contactId(8)));
    EXPECT_TRUE(act.ShowGroupByUniqueID(groupId(1), true));
    EXPECT_EQ(act.AktuelleGruppenID(), QString()); // the window still shows contacts
    act.setCurrentViewTyp(ActViewType::Group);
    EXPECT_EQ(act.AktuelleGruppenID(), pad(groupId(1)));
    EXPECT_TRUE(act.ShowGroupRegister(QStringLiteral("Tätigkeiten")));
    EXPECT_FALSE(act.ShowGroupRegister(QStringLiteral("Gibt es nicht")));
    EXPECT_TRUE(act.DeleteCurrentGroup());
    EXPECT_FALSE(f.store->recordIds(ActRecordKind::Group).contains(groupId(1)));
    EXPECT_TRUE(act.LinkContactToGroup(groupId(3)));
    EXPECT_TRUE(log->calls.contains(QStringLiteral("AddContactToGroup(\"%1\")").arg(pad(groupId(3)))));
}

TEST_F(Wrapper, GroupNotInTheLookupIsReported)
{
    act.ShowGroupByName(QStringLiteral("Lieferanten"), 2);
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("OLE-Fehler: #-92 vom GroupView-Objekt."));
    EXPECT_FALSE(act.ShowGroupByUniqueID(groupId(1), false));
}

// ---- field values ----

TEST_F(Wrapper, FieldOfTheActiveViewIsReadAndWritten)
{
    int view = ActViewType::Contact;
    bool change = false;
    EXPECT_EQ(act.getFeldwert(2, view, change), QStringLiteral("Firma 1"));
    EXPECT_TRUE(act.setFeldwert(2, QStringLiteral("Umbenannt AG"), view, change));
    EXPECT_EQ(f.store->field(ActRecordKind::Contact, contactId(1), 2), QStringLiteral("Umbenannt AG"));
}

TEST_F(Wrapper, AnotherViewIsUsedOnlyWhenChangeViewIsAllowed)
{
    act.ShowGroupByName(QStringLiteral("Kunden"), 2);
    int view = ActViewType::Group;
    bool change = false;
    EXPECT_EQ(act.getFeldwert(25, view, change), QString());
    EXPECT_FALSE(act.setFeldwert(26, QStringLiteral("x"), view, change));
    change = true;
    EXPECT_EQ(act.getFeldwert(25, view, change), QStringLiteral("Kunden"));
    EXPECT_TRUE(act.setFeldwert(26, QStringLiteral("Stammkunden"), view, change));
    EXPECT_EQ(f.store->field(ActRecordKind::Group, groupId(1), 26), QStringLiteral("Stammkunden"));
}

TEST_F(Wrapper, WrongViewTypeIsReportedAndContactIsUsed)
{
    int view = ActViewType::ContactList;
    bool change = false;
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Fehler in Klasse ACTApplication - getFeldwert\r\n"
                                                         "Falscher ACTViewTyp (2). Es wird avKontakt benutzt."));
    EXPECT_EQ(act.getFeldwert(2, view, change), QStringLiteral("Firma 1"));
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Fehler in Klasse ACTApplication - setFeldwert\r\n"
                                                         "Falscher ACTViewTyp (7). Es wird Kontakt benutzt."));
    view = 7;
    EXPECT_TRUE(act.setFeldwert(2, QStringLiteral("Neu"), view, change));
    EXPECT_EQ(f.store->field(ActRecordKind::Contact, contactId(1), 2), QStringLiteral("Neu"));
}

// ---- showing a note, sale or activity ----

TEST_F(Wrapper, NoteIsShownOnTheGermanTabWithItsRow)
{
    ASSERT_TRUE(act.CreateContactSearch(contactId(1)));
    EXPECT_TRUE(act.ShowNoteByUniqueID(noteId(3)));
    EXPECT_TRUE(log->calls.contains(QStringLiteral("SetActiveTab(\"Notizen/Protokoll\")")));
    const auto &side = f.state.side(ActViewType::Contact);
    EXPECT_EQ(side.activeTab, QStringLiteral("Notizen/Protokoll"));
    EXPECT_EQ(side.selectedRows.value(int(ActTab::Notes)), 1);
    EXPECT_FALSE(act.ShowNoteByUniqueID(noteId(2))); // another contact's note
    EXPECT_EQ(log->liveObjects, 0);
}

TEST_F(Wrapper, SaleAndActivityUseTheirTabs)
{
    act.CreateContactSearch(contactId(1));
    EXPECT_TRUE(act.ShowSaleByUniqueID(saleId(2)));
    EXPECT_EQ(f.state.side(ActViewType::Contact).activeTab, QStringLiteral("Aufträge"));
    EXPECT_TRUE(act.ShowActivityByUniqueID(activityId(2)));
    EXPECT_EQ(f.state.side(ActViewType::Contact).activeTab, QStringLiteral("Tätigkeiten"));
    EXPECT_EQ(f.state.side(ActViewType::Contact).selectedRows.value(int(ActTab::Activities)), 1);
}

TEST_F(Wrapper, EnglishActFindsNotesHistory)
{
    log->tabNames.insert(QStringLiteral("Notizen/Protokoll"), QStringLiteral("Notes/History"));
    act.CreateContactSearch(contactId(1));
    EXPECT_TRUE(act.ShowNoteByUniqueID(noteId(1)));
    EXPECT_TRUE(log->calls.contains(QStringLiteral("SetActiveTab(\"Notes/History\")")));
}

TEST_F(Wrapper, WithoutACandidateTabTheEmptyCaptionIsSetAndTheRowDecides)
{
    log->tabNames.insert(QStringLiteral("Tätigkeiten"), QStringLiteral("Termine"));
    act.CreateContactSearch(contactId(1));
    EXPECT_TRUE(act.ShowActivityByUniqueID(activityId(1)));
    EXPECT_TRUE(log->calls.contains(QStringLiteral("SetActiveTab(\"\")")));
    EXPECT_FALSE(act.ShowActivityByUniqueID(activityId(3)));
}

TEST_F(Wrapper, ContactListViewShowsNoRecord)
{
    act.setCurrentViewTyp(ActViewType::ContactList);
    EXPECT_FALSE(act.ShowNoteByUniqueID(noteId(1)));
    EXPECT_FALSE(log->called(QStringLiteral("SetActiveTab")));
}

TEST_F(Wrapper, NewContactAndHiding)
{
    EXPECT_TRUE(act.NewContact());
    EXPECT_EQ(f.store->recordIds(ActRecordKind::Contact).size(), 26);
    act.Verstecken();
    EXPECT_TRUE(log->called(QStringLiteral("Minimize")));
}

} // namespace
