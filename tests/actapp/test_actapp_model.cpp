// The in-process application model: opening, views, lookups, navigation, fields written to the
// database, group membership and the tabs with the row GoTo chose.
#include "ActAppFixture.h"
#include "actserver/app/ActAutomationError.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

using namespace actserver;

namespace {

QString pad(const QString &id) { return id.leftJustified(12, QLatin1Char(' ')); }

class AppModel : public ::testing::Test
{
protected:
    ActAppFixture f;
    std::shared_ptr<ACTView> contacts() { return f.app.Views()->Create(ActViewType::Contact, 2); }
    std::shared_ptr<ACTView> groups() { return f.app.Views()->Create(ActViewType::Group, 2); }
};

TEST_F(AppModel, OpenedDatabaseShowsAllContactsInTheContactView)
{
    EXPECT_EQ(f.app.GetOpenDBName(), QStringLiteral("/daten/DEMO.dbf"));
    EXPECT_EQ(f.app.GetCurrentUserName(), QStringLiteral("Anna Admin"));
    auto active = f.app.Views()->GetActive();
    ASSERT_TRUE(active);
    EXPECT_EQ(active->Type(), ActViewType::Contact);
    EXPECT_EQ(active->GetCount(), 25);
    EXPECT_EQ(active->GetCurrentID(), contactId(1));
}

TEST_F(AppModel, WithoutDatabaseThereAreNoViews)
{
    EXPECT_EQ(f.app.CloseDB(), 0);
    EXPECT_EQ(f.app.CloseDB(), ActError::DBNotOpen);
    EXPECT_EQ(f.app.GetOpenDBName(), QString());
    EXPECT_EQ(f.app.Views()->GetActive(), nullptr);
    EXPECT_EQ(f.app.Views()->Create(ActViewType::Contact, 2), nullptr);
}

TEST_F(AppModel, FailedOpenLeavesNoDatabaseAndSaysWhy)
{
    ActAppState state([](const QString &) -> std::unique_ptr<ActAppStore> {
        throw platform::VbError(-87, QStringLiteral("Datei fehlt"));
    });
    ActLocalAppObject app(state);
    EXPECT_EQ(app.OpenDB(QStringLiteral("/nirgends/X.dbf")), ActError::OpenFailed);
    EXPECT_EQ(state.openError(), QStringLiteral("Datei fehlt"));
    EXPECT_EQ(app.Views()->GetActive(), nullptr);
}

TEST_F(AppModel, ViewObjectsLeaveTheWindowViewAndOpeningChangesIt)
{
    auto g = groups();
    ASSERT_TRUE(g);
    EXPECT_EQ(g->Type(), ActViewType::Group);
    EXPECT_EQ(f.app.Views()->GetActive()->Type(), ActViewType::Contact);
    f.app.Views()->Create(ActViewType::Group, QString());
    EXPECT_EQ(f.app.Views()->GetActive()->Type(), ActViewType::Group);
    EXPECT_EQ(f.app.Views()->Create(7, 2), nullptr);
}

TEST_F(AppModel, CreateLookupHoldsExactlyTheGivenContacts)
{
    auto c = contacts();
    EXPECT_EQ(c->LookupALL(), 0);
    EXPECT_EQ(c->CreateLookup(contactId(7) + contactId(3) + contactId(20)), 0);
    EXPECT_EQ(c->GetCount(), 3);
    EXPECT_EQ(c->GetCurrentID(), contactId(7));
    // The window's view shares the lookup.
    EXPECT_EQ(f.app.Views()->GetActive()->GetCount(), 3);
    EXPECT_EQ(f.state.side(ActViewType::Contact).ids,
              QStringList({contactId(7), contactId(3), contactId(20)}));
}

TEST_F(AppModel, CreateLookupWithAnUnknownIdKeepsTheKnownOnesAndReportsIt)
{
    auto c = contacts();
    EXPECT_EQ(c->CreateLookup(contactId(2) + QStringLiteral("UNBEKANNT123")), ActError::InvalidId);
    EXPECT_EQ(c->getlasterror(), ActError::InvalidId);
    EXPECT_EQ(c->GetCount(), 1);
}

TEST_F(AppModel, GroupNameLookupStartsExtendsAndNarrows)
{
    auto g = groups();
    EXPECT_EQ(g->LookupField(25, QStringLiteral("Kunden")), 0);
    EXPECT_EQ(g->GetCount(), 1);
    EXPECT_EQ(g->LookupFieldEx(25, QStringLiteral("lieferanten"), 0), 0); // case does not matter
    EXPECT_EQ(g->GetCount(), 2);
    EXPECT_EQ(g->GetCurrentID(), pad(groupId(1)));
    EXPECT_EQ(g->LookupFieldEx(25, QStringLiteral("Lieferanten"), 1), 0);
    EXPECT_EQ(g->GetCount(), 1);
    EXPECT_EQ(g->LookupField(25, QStringLiteral("Gibt es nicht")), ActError::NoData);
    EXPECT_EQ(g->GetCount(), 0);
    EXPECT_EQ(g->LookupField(4711, QStringLiteral("x")), ActError::InvalidField);
}

TEST_F(AppModel, NavigationWalksTheLookupAndStopsAtItsEnd)
{
    auto g = groups();
    g->LookupALL();
    EXPECT_EQ(g->MoveFirst(), 0);
    QStringList names;
    for (int i = 0; i < g->GetCount(); ++i) {
        names << g->getfield(25).toString();
        g->MoveNext();
    }
    EXPECT_EQ(names, QStringList({QStringLiteral("Kunden"), QStringLiteral("Kunden Nord"), QStringLiteral("Lieferanten")}));
    EXPECT_EQ(g->MoveNext(), ActError::NoMoreData);
    EXPECT_EQ(g->GetCurrentID(), pad(groupId(3)));
    EXPECT_EQ(g->GoTo(groupId(2)), 0); // a short ID is found padded
    EXPECT_EQ(g->getfield(1).toString(), pad(groupId(2)));
    g->LookupField(25, QStringLiteral("Kunden"));
    EXPECT_EQ(g->GoTo(groupId(3)), ActError::InvalidId); // not in the lookup
}

TEST_F(AppModel, SetfieldWritesToTheDatabase)
{
    auto c = contacts();
    c->GoTo(contactId(4));
    EXPECT_EQ(c->setfield(2, QStringLiteral("Neue Firma GmbH")), 0);
    EXPECT_EQ(f.store->record(ActRecordKind::Contact, contactId(4))->value(2), QStringLiteral("Neue Firma GmbH"));
    EXPECT_EQ(c->getfield(2).toString(), QStringLiteral("Neue Firma GmbH"));
    EXPECT_EQ(c->setfield(1, QStringLiteral("X")), -97);
    EXPECT_EQ(c->setfield(999, QStringLiteral("X")), ActError::InvalidField);
    EXPECT_EQ(c->getfield(999).toString(), QString());
    EXPECT_EQ(c->getlasterror(), ActError::InvalidField);
}

TEST_F(AppModel, AFailedWriteIsThrownNotSwallowed)
{
    auto c = contacts();
    f.store->failWrites = true;
    EXPECT_THROW(c->setfield(2, QStringLiteral("x")), platform::VbError);
}

TEST_F(AppModel, NewRecordsJoinTheLookupAsCurrent)
{
    auto c = contacts();
    c->CreateLookup(contactId(1));
    EXPECT_EQ(c->AddNewContact(), 0);
    EXPECT_EQ(c->GetCount(), 2);
    EXPECT_EQ(f.store->recordIds(ActRecordKind::Contact).size(), 26);
    auto g = groups();
    EXPECT_EQ(g->AddNew(), 0);
    EXPECT_EQ(g->setfield(25, QStringLiteral("Neue Gruppe")), 0);
    EXPECT_EQ(f.store->field(ActRecordKind::Group, g->GetCurrentID(), 25), QStringLiteral("Neue Gruppe"));
}

TEST_F(AppModel, MembershipIsAddedOnceAndCounted)
{
    auto g = groups();
    g->LookupALL();
    g->GoTo(groupId(3));
    EXPECT_EQ(g->AddMemberToGroup(contactId(5)), 0);
    EXPECT_EQ(g->AddMemberToGroup(contactId(5)), 0);
    EXPECT_EQ(g->AddMemberToGroup(QStringLiteral("UNBEKANNT")), ActError::InvalidId);
    auto c = contacts();
    c->GoTo(contactId(6));
    EXPECT_EQ(c->AddContactToGroup(groupId(3)), 0);
    EXPECT_EQ(c->AddContactToGroup(QStringLiteral("KEINE")), ActError::InvalidId);
    EXPECT_EQ(f.store->relations(kRelationGroupMember).size(), 3);
    EXPECT_EQ(f.store->field(ActRecordKind::Group, groupId(3), 100), QStringLiteral("2"));
}

TEST_F(AppModel, DeletingAGroupTakesItsMembershipsAndFreesItsSubgroups)
{
    auto g = groups();
    g->LookupALL();
    g->GoTo(groupId(1));
    EXPECT_EQ(contacts()->DeleteGroupFast(), ActError::InvalidParameter);
    EXPECT_EQ(g->DeleteGroupFast(), 0);
    EXPECT_EQ(g->GetCount(), 2);
    EXPECT_EQ(g->GetCurrentID(), pad(groupId(2)));
    EXPECT_FALSE(f.store->recordIds(ActRecordKind::Group).contains(groupId(1)));
    EXPECT_TRUE(f.store->relations(kRelationGroupMember).isEmpty());
    EXPECT_EQ(f.store->field(ActRecordKind::Group, groupId(2), 55), QString());
}

TEST_F(AppModel, ContactAndGroupViewsHaveTheGermanTabsAndTheListHasNone)
{
    auto c = contacts();
    ASSERT_EQ(c->GetTabCount(), 3);
    EXPECT_EQ(c->GetTabName(0), QStringLiteral("Notizen/Protokoll"));
    EXPECT_EQ(c->GetTabName(1), QStringLiteral("Aufträge"));
    EXPECT_EQ(c->GetTabName(2), QStringLiteral("Tätigkeiten"));
    EXPECT_EQ(c->GetTabName(3), QString());
    EXPECT_EQ(c->SetActiveTab(QStringLiteral("Tätigkeiten")), 0);
    EXPECT_EQ(f.state.side(ActViewType::Contact).activeTab, QStringLiteral("Tätigkeiten"));
    EXPECT_NE(c->SetActiveTab(QStringLiteral("Notes/History")), 0);
    EXPECT_NE(c->SetActiveTab(QString()), 0);
    auto list = f.app.Views()->Create(ActViewType::ContactList, 2);
    EXPECT_EQ(list->GetTabCount(), 0);
    EXPECT_EQ(list->NotesHistory(), nullptr);
}

TEST_F(AppModel, TabListsRowsOfTheCurrentContactAndGoToSelectsOne)
{
    auto c = contacts();
    c->CreateLookup(contactId(1));
    auto notes = c->NotesHistory();
    EXPECT_EQ(notes->GetRowNumber(noteId(1)), 0);
    EXPECT_EQ(notes->GetRowNumber(noteId(3)), 1);
    EXPECT_LT(notes->GetRowNumber(noteId(2)), 0); // another contact's note
    EXPECT_EQ(notes->GoTo(1), 0);
    EXPECT_EQ(f.state.side(ActViewType::Contact).selectedRows.value(int(ActTab::Notes)), 1);
    EXPECT_NE(notes->GoTo(2), 0);
    // Activities: the contact's own and those scheduled with it; sales of the contact only.
    EXPECT_EQ(c->Activities()->GetRowNumber(activityId(1)), 0);
    EXPECT_EQ(c->Activities()->GetRowNumber(activityId(2)), 1);
    EXPECT_LT(c->Activities()->GetRowNumber(activityId(3)), 0);
    EXPECT_EQ(c->Sales()->GetRowNumber(saleId(2)), 0);
    EXPECT_LT(c->Sales()->GetRowNumber(saleId(1)), 0);
}

TEST_F(AppModel, AnotherCurrentRecordForgetsTheSelectedRow)
{
    auto c = contacts();
    c->LookupALL();
    c->NotesHistory()->GoTo(0);
    c->GoTo(contactId(2));
    EXPECT_TRUE(f.state.side(ActViewType::Contact).selectedRows.isEmpty());
    EXPECT_EQ(c->NotesHistory()->GetRowNumber(noteId(2)), 0);
}

TEST_F(AppModel, GroupTabsListTheGroupsOwnRecords)
{
    auto g = groups();
    g->LookupALL();
    EXPECT_EQ(g->NotesHistory()->GetRowNumber(noteId(4)), 0);
    EXPECT_EQ(g->Activities()->GetRowNumber(activityId(3)), 0);
    EXPECT_LT(g->Sales()->GetRowNumber(saleId(1)), 0);
}

TEST_F(AppModel, CommandsOpenViewsAndAnUnknownOneIsAFault)
{
    f.app.Command(3);
    EXPECT_EQ(f.app.Views()->GetActive()->Type(), ActViewType::Group);
    EXPECT_THROW(f.app.Command(4711), platform::VbError);
}

} // namespace
