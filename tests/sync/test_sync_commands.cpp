// The six synchronisation commands over the main window's two tables: key attributes by kind and
// direction, the failure messages, zoom, exclude and mark, flags and the summary.
#include "SyncFixture.h"

#include "mainwindow/SyncCommands.h"
#include "project/clProjekt.h"

namespace {

using sync_test::contactId;
using sync_test::kIdKey;

class SyncCommandsTest : public SyncFixture
{
};

TEST_F(SyncCommandsTest, ZoomToContactsOfThreeSelectedNotes)
{
    fillLower(QStringLiteral("Notizen"), {2, 5, 5, 7, 9});
    select(m_sync, ids({2, 5, 9}));
    run("mnuZoomContacts");
    EXPECT_EQ(viewOf(upper(), m_contactId), ids({2, 5, 9}));
    EXPECT_EQ(upper()->StatusText(), QStringLiteral("3 gefundene(s) Objekt(e) wurden markiert"));
    EXPECT_EQ(status(), QStringLiteral("Es wurde auf die Kontakte in Abhängigkeit der Notizen-Auswahl gezoomt."));
    EXPECT_TRUE(controlsEnabled());
    // The views, paused while the values were selected, follow the tables again.
    EXPECT_TRUE(window->InfoZoomKontakt()->DisplayEnabled());
    EXPECT_TRUE(window->InfoZoomExtra()->DisplayEnabled());
    EXPECT_TRUE(upper()->ViewUpdated());
    // The lower table keeps its selection; nothing was flagged there.
    EXPECT_EQ(m_sync.SelectedValues().Count(), 3);
}

TEST_F(SyncCommandsTest, ZoomToTheNotesOfTheSelectedContacts)
{
    fillLower(QStringLiteral("Notizen"), {2, 5, 5, 7, 9});
    select(m_contactId, ids({5, 7, 8}));
    run("mnuZoomExtraData");
    EXPECT_EQ(viewOf(lower(), m_sync), ids({5, 5, 7}));
    EXPECT_EQ(lower()->StatusText(), QStringLiteral("2 gefundene(s) Objekt(e) wurden markiert, und 1 nicht "
                                                    "gefundene(s) Objekt(e) wurde(n) markiert"));
    EXPECT_EQ(status(), QStringLiteral("Es wurde auf die Notizen in Abhängigkeit der Kontakte-Auswahl gezoomt."));
    // Contact 8 has no notes: its value is flagged in the contacts.
    InfoZoomValues values = m_contactId.SelectedValues();
    values.Reset();
    QStringList flagged;
    for (int i = 0; i < values.Count(); ++i) {
        InfoZoomValue v = values.NextValue();
        if (v.Marked())
            flagged << v.Value().toString();
    }
    EXPECT_EQ(flagged, ids({8}));
}

// Every ACT! kind meets the contacts through its sync attribute in one direction and the contacts'
// ID in the other.
class SyncEachKind : public SyncFixture, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(SyncEachKind, BothDirectionsZoomToTheMatchingRows)
{
    const QString kind = QString::fromUtf8(GetParam());
    fillLower(kind, {1, 3, 3, 4});
    select(m_sync, ids({3}));
    run("mnuZoomContacts");
    EXPECT_EQ(viewOf(upper(), m_contactId), ids({3}));
    EXPECT_EQ(status(), QStringLiteral("Es wurde auf die Kontakte in Abhängigkeit der ") + kind +
                            QStringLiteral("-Auswahl gezoomt."));

    upper()->ShowAll();
    lower()->ResetSelection();
    select(m_contactId, ids({1, 4}));
    run("mnuZoomExtraData");
    EXPECT_EQ(viewOf(lower(), m_sync), ids({1, 4}));
    EXPECT_EQ(status(), QStringLiteral("Es wurde auf die ") + kind +
                            QStringLiteral(" in Abhängigkeit der Kontakte-Auswahl gezoomt."));
}

INSTANTIATE_TEST_SUITE_P(LowerKinds, SyncEachKind, ::testing::Values("Notizen", "Aufträge", "Aufgaben", "Gruppen"));

// A row without a key links to nothing, in either direction: neither a note without a contact nor
// a contact without an ID joins the zoom, and the summary counts only what matched.
class SyncEmptyKey : public SyncFixture, public ::testing::WithParamInterface<bool>
{
};

TEST_P(SyncEmptyKey, LinksToNothing)
{
    const bool toContacts = GetParam();
    fillLower(QStringLiteral("Notizen"), {2, 4});
    // The second note has no contact, contact 4 has no ID.
    for (auto [table, key, row] : {std::tuple(lower(), m_sync, 2), std::tuple(upper(), m_contactId, 4)}) {
        InfoZoomObjects rows = table->Objects();
        for (int i = 1; i < row; ++i)
            rows.NextObject();
        rows.NextObject().setValue(key, QString());
    }

    if (toContacts)
        select(m_lowerId, column(lower()->Objects(), m_lowerId));
    else
        select(m_name, {QStringLiteral("Firma 2"), QStringLiteral("Firma 4")});
    run(toContacts ? "mnuZoomContacts" : "mnuZoomExtraData");
    InfoZoomTable *dest = toContacts ? upper() : lower();
    EXPECT_EQ(viewOf(dest, toContacts ? m_contactId : m_sync), ids({2}));
    EXPECT_EQ(dest->StatusText(), QStringLiteral("1 gefundene(s) Objekt(e) wurden markiert"));
}

INSTANTIATE_TEST_SUITE_P(BothDirections, SyncEmptyKey, ::testing::Bool());

TEST_F(SyncCommandsTest, ExternalDataMeetTheContactsInTheLinkedAttribute)
{
    project::clFOX &fox = modHaupt::Projekt->FOXADODaten();
    fox.setSyncFeldName(QStringLiteral("ACTFieldID|KDNR"));
    fox.setUniqueIDFeldName(sync_test::kCustomerKey);
    InfoZoomAttribute kdnr = lower()->Attributes().Add(QStringLiteral("KDNR"));
    kdnr.setImportName(QStringLiteral("ACTFieldID|KDNR"));
    // An external column that happens to carry the contacts' own ID key must not be used.
    InfoZoomAttribute decoy = lower()->Attributes().Add(QStringLiteral("ID"));
    decoy.setImportName(kIdKey);
    InfoZoomObjects rows = lower()->Objects();
    for (const char *customer : {"K2", "K4", "K4", "K99"}) {
        InfoZoomObject row = rows.Add();
        row.setValue(kdnr, QString::fromLatin1(customer));
        row.setValue(decoy, contactId(1));
    }
    window->InfoZoomExtra()->setTag(QStringLiteral("ADODaten"));

    select(kdnr, {QStringLiteral("K4"), QStringLiteral("K99")});
    run("mnuZoomContacts");
    EXPECT_EQ(viewOf(upper(), m_customer), QStringList{QStringLiteral("K4")});
    EXPECT_EQ(upper()->StatusText(), QStringLiteral("1 gefundene(s) Objekt(e) wurden markiert, und 1 nicht "
                                                    "gefundene(s) Objekt(e) wurde(n) markiert"));

    upper()->ShowAll();
    lower()->ResetSelection();
    select(m_customer, {QStringLiteral("K2"), QStringLiteral("K4")});
    run("mnuZoomExtraData");
    EXPECT_EQ(viewOf(lower(), kdnr), (QStringList{QStringLiteral("K2"), QStringLiteral("K4"), QStringLiteral("K4")}));
}

TEST_F(SyncCommandsTest, AnEmptyLowerTableChangesNeitherTable)
{
    select(m_contactId, ids({1, 2}));
    for (const char *command : {"mnuZoomContacts", "mnuZoomOutContacts", "mnuMarkContacts", "mnuZoomExtraData",
                                "mnuZoomOutExtraData", "mnuMarkExtraData"}) {
        run(command);
        EXPECT_EQ(status(), QStringLiteral("Es gibt keine Bezugsdaten in der unteren Tabelle.")) << command;
        EXPECT_EQ(m_contactId.SelectedValues().Count(), 2) << command;
        EXPECT_EQ(upper()->CurrentObjects().Count(), 10) << command;
        EXPECT_EQ(upper()->StatusText(), QString()) << command;
        EXPECT_TRUE(controlsEnabled()) << command;
    }
}

TEST_F(SyncCommandsTest, NothingSelectedOrFoundLeavesTheDestinationAsItWasAndSaysSo)
{
    fillLower(QStringLiteral("Notizen"), {1, 2, 11});
    select(m_name, {QStringLiteral("Firma 4")});
    window->UpdateMenus();
    EXPECT_FALSE(window->Menu(QStringLiteral("mnuZoomContacts"))->isEnabled());
    EXPECT_FALSE(window->ToolButton(QStringLiteral("btnSyncOben"))->isEnabled());
    run("mnuZoomContacts");
    EXPECT_EQ(upper()->SelectedObjects().Count(), 1);
    EXPECT_EQ(upper()->CurrentObjects().Count(), 10);
    EXPECT_EQ(upper()->StatusText(), QString());
    EXPECT_EQ(status(), QStringLiteral("Die Notizen-Auswahl ist leer: Die Kontakte bleiben unverändert."));

    select(m_sync, {contactId(11)}); // a contact the upper table does not hold
    run("mnuZoomContacts");
    EXPECT_EQ(upper()->CurrentObjects().Count(), 10);
    EXPECT_EQ(status(), QStringLiteral("Zur Notizen-Auswahl wurden keine Kontakte gefunden."));
}

TEST_F(SyncCommandsTest, ThreeAbsentValuesAreFlaggedAndNothingIsZoomed)
{
    fillLower(QStringLiteral("Notizen"), {11, 12, 13, 1});
    select(m_sync, ids({11, 12, 13}));
    run("mnuZoomContacts");
    EXPECT_FALSE(upper()->CanZoomBack());
    EXPECT_EQ(upper()->CurrentObjects().Count(), 10);
    EXPECT_EQ(upper()->StatusText(), QStringLiteral("0 gefundene(s) Objekt(e) wurden markiert, und 3 nicht "
                                                    "gefundene(s) Objekt(e) wurde(n) markiert"));
    InfoZoomValues values = m_sync.SelectedValues();
    values.Reset();
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(values.NextValue().Marked());
}

TEST_F(SyncCommandsTest, ExcludeMarksAndRemovesTheMatchingContacts)
{
    fillLower(QStringLiteral("Aufträge"), {2, 3});
    select(m_sync, ids({2, 3}));
    run("mnuZoomOutContacts");
    EXPECT_EQ(upper()->CurrentObjects().Count(), 8);
    EXPECT_FALSE(viewOf(upper(), m_contactId).contains(contactId(2)));
    EXPECT_EQ(markedValues(m_contactId, upper()), ids({2, 3}));
    EXPECT_EQ(status(), QStringLiteral("Es wurden die Kontakte in Abhängigkeit der Aufträge-Auswahl ausgeschlossen."));
}

TEST_F(SyncCommandsTest, ExcludeDoesNothingWhenTheFoundRowsAreOutsideTheView)
{
    fillLower(QStringLiteral("Notizen"), {2, 3});
    select(m_contactId, ids({4, 5}));
    upper()->Zoom();
    select(m_sync, ids({2}));
    run("mnuZoomOutContacts");
    // Contact 2 exists but not in the view: found, yet there is nothing to exclude.
    EXPECT_EQ(upper()->StatusText(), QStringLiteral("1 gefundene(s) Objekt(e) wurden markiert"));
    EXPECT_EQ(viewOf(upper(), m_contactId), ids({4, 5}));
    EXPECT_TRUE(markedValues(m_contactId, upper()).isEmpty());
    // The value stays picked, but it selects no row of the view.
    EXPECT_TRUE(upper()->data()->hasSelection());
    EXPECT_EQ(upper()->SelectedObjects().Count(), 0);
}

TEST_F(SyncCommandsTest, MarkLeavesTheViewAndMarksTheMatchingData)
{
    fillLower(QStringLiteral("Aufgaben"), {1, 2, 2, 3});
    select(m_contactId, ids({2}));
    run("mnuMarkExtraData");
    EXPECT_EQ(lower()->CurrentObjects().Count(), 4);
    EXPECT_EQ(markedValues(m_sync, lower()), ids({2, 2}));
    EXPECT_EQ(status(),
              QStringLiteral("Es wurden die Aufgaben markiert, die in Abhängigkeit der Kontakte-Auswahl stehen."));
}

TEST_F(SyncCommandsTest, MissingImportNamesAndAttributesStopWithTheirMessages)
{
    fillLower(QStringLiteral("Notizen"), {1});
    select(m_sync, ids({1}));
    project::clFOX &notes = modHaupt::Projekt->FOXNotiz();
    project::clFOX &contacts = modHaupt::Projekt->FOXKontakt();

    notes.setSyncFeldName(QString());
    run("mnuZoomContacts");
    EXPECT_EQ(status(), QStringLiteral("Es wurde kein SourceSyncField gefunden."));
    run("mnuZoomExtraData");
    EXPECT_EQ(status(), QStringLiteral("Es wurde kein DestSyncField gefunden."));

    notes.setSyncFeldName(sync_test::kContactKey);
    contacts.setUniqueIDFeldName(QString());
    run("mnuZoomContacts");
    EXPECT_EQ(status(), QStringLiteral("Es wurde kein DestSyncField gefunden."));
    run("mnuZoomExtraData");
    EXPECT_EQ(status(), QStringLiteral("Es wurde kein DestinationSyncField gefunden."));

    // Import names compare exactly, case included.
    contacts.setUniqueIDFeldName(QStringLiteral("actfieldid|1"));
    run("mnuZoomContacts");
    EXPECT_EQ(status(), QStringLiteral("Es konnte nicht das DestAttribut \"actfieldid|1\" gefunden werden."));
    run("mnuZoomExtraData");
    EXPECT_EQ(status(), QStringLiteral("Es konnte nicht das SourceAttribut \"actfieldid|1\" gefunden werden."));

    contacts.setUniqueIDFeldName(kIdKey);
    notes.setSyncFeldName(QStringLiteral("ACTFieldID|99"));
    run("mnuZoomContacts");
    EXPECT_EQ(status(), QStringLiteral("Es konnte nicht das SourceAttribut \"ACTFieldID|99\" gefunden werden."));
    run("mnuZoomExtraData");
    EXPECT_EQ(status(), QStringLiteral("Es konnte nicht das DestAttribut \"ACTFieldID|99\" gefunden werden."));

    // A failed command leaves both tables as they were: the source's selection, nothing reset.
    EXPECT_EQ(m_sync.SelectedValues().Count(), 1);
    EXPECT_EQ(upper()->StatusText(), QString());
    EXPECT_EQ(lower()->StatusText(), QString());
    EXPECT_TRUE(controlsEnabled());
}

TEST_F(SyncCommandsTest, TheToolbarButtonsRunTheZoomCommands)
{
    fillLower(QStringLiteral("Gruppen"), {6, 7});
    select(m_sync, ids({7}));
    window->Toolbar_ButtonClick(QStringLiteral("btnSyncOben"));
    EXPECT_EQ(viewOf(upper(), m_contactId), ids({7}));
    upper()->ShowAll();
    select(m_contactId, ids({6}));
    window->Toolbar_ButtonClick(QStringLiteral("btnSyncUnten"));
    EXPECT_EQ(viewOf(lower(), m_sync), ids({6}));
}

TEST_F(SyncCommandsTest, FindAttributeSearchesFoldersDepthFirst)
{
    InfoZoomAttributes top = upper()->Attributes();
    EXPECT_EQ(mainwindow::SyncCommands::FindAttribute(top, kIdKey), m_contactId);
    EXPECT_EQ(mainwindow::SyncCommands::FindAttribute(top, sync_test::kCustomerKey), m_customer);
    EXPECT_TRUE(mainwindow::SyncCommands::FindAttribute(top, QStringLiteral("ACTFieldID|3")).isNull());
    // A second attribute of the same key later in the tree: the first in tree order wins.
    InfoZoomAttribute later = top.Add(QStringLiteral("Kopie"));
    later.setImportName(kIdKey);
    EXPECT_EQ(mainwindow::SyncCommands::FindAttribute(top, kIdKey), m_contactId);
}

} // namespace
