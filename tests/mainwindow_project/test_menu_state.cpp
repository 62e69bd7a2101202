// The menu and toolbar state for each state of the project, the lower table's kind and selection,
// and the active table.
#include "ProjectCommandFixture.h"

namespace {

// A record object of a lower kind over the lower table, as the read commands leave it.
class LowerRecord final : public records::RecordClassBase
{
public:
    LowerRecord(records::TableKind kind, InfoZoomControl *control) : RecordClassBase(kind)
    {
        keepControl(control, nullptr);
    }
};

class MenuState : public ProjectCommandFixture
{
protected:
    // Fills the lower table with rows whose "ID" values are ids, tags it and returns the ID attribute.
    InfoZoomAttribute fillLower(const QString &kind, const QStringList &ids)
    {
        InfoZoomTable *table = window->InfoZoomExtra()->Table();
        InfoZoomAttribute id = table->Attributes().Add(QStringLiteral("ID"));
        id.setImportName(QStringLiteral("ACTFieldID|1"));
        for (const QString &value : ids)
            table->Objects().Add().setValue(id, value);
        window->InfoZoomExtra()->setTag(kind);
        return id;
    }
    QStringList enabledOf(const QStringList &names) const
    {
        QStringList on;
        for (const QString &name : names)
            if (window->Menu(name)->isEnabled())
                on << name;
        return on;
    }
    const QStringList m_lowerItems{"mnuUpdateNotes",  "mnuUpdateSales",       "mnuUpdateActivities",
                                   "mnuUpdateADOData", "mnuUpdateGroups",     "mnuShowNote",
                                   "mnuShowSale",     "mnuShowActivity",      "mnuShowGroup",
                                   "mnuDeleteNotes",  "mnuEditADOData",       "mnuLinkAttributes",
                                   "mnuChangeGroupFields", "mnuZoomMaingroups", "mnuZoomSubgroups"};
};

TEST_F(MenuState, WithoutAProjectOnlyNewOpenAndTheFileAndHelpMenusAreOffered)
{
    for (const char *off : {"mnuData", "mnuEdit", "mnuAktionen", "mnuSaveProject", "mnuSaveAsProject",
                            "mnuCloseProject", "mnuPrint"})
        EXPECT_FALSE(enabled(off)) << off;
    for (const char *on : {"mnuNewProject", "mnuOpenProject", "mnuBeenden", "mnuDatei", "mnuHelp"})
        EXPECT_TRUE(enabled(on)) << on;
    for (const char *button : {"btnNotiz", "btnGruppen", "btnSyncOben", "btnACTSuche", "btnSave"})
        EXPECT_FALSE(window->ToolButton(QString::fromLatin1(button))->isEnabled()) << button;
    EXPECT_TRUE(window->ToolButton(QStringLiteral("btnNew"))->isEnabled());
    EXPECT_TRUE(window->ToolButton(QStringLiteral("btnOpen"))->isEnabled());
    EXPECT_EQ(window->Menu(QStringLiteral("mnuPrint"))->text(), QStringLiteral("Drucken..."));
}

TEST_F(MenuState, AChangedUnsavedProjectOffersEverythingOfTheProjectState)
{
    newProject();
    for (const char *on : {"mnuSaveProject", "mnuSaveAsProject", "mnuCloseProject", "mnuEdit", "mnuData",
                           "mnuAktionen", "mnuPrint"})
        EXPECT_TRUE(enabled(on)) << on;
    EXPECT_EQ(window->Menu(QStringLiteral("mnuPrint"))->text(), QStringLiteral("Drucken... (Kontakte)"));
    EXPECT_FALSE(window->ToolButton(QStringLiteral("btnSyncUnten"))->isEnabled()) << "no lower data";
    EXPECT_TRUE(enabledOf(m_lowerItems).isEmpty());
}

TEST_F(MenuState, ASavedUnchangedProjectOffersSaveAsAndCloseButNotSave)
{
    savedProject(QStringLiteral("A"));
    EXPECT_FALSE(enabled("mnuSaveProject"));
    EXPECT_TRUE(enabled("mnuSaveAsProject"));
    EXPECT_TRUE(enabled("mnuCloseProject"));
    EXPECT_TRUE(enabled("mnuData"));
}

TEST_F(MenuState, NotesWithTwoSelectedRowsOfferDeletingButNotShowing)
{
    newProject();
    InfoZoomAttribute id = fillLower(QStringLiteral("Notizen"), {"N1", "N1", "N2"});
    id.SelectValue(QStringLiteral("N1"), false);
    window->UpdateMenus();
    EXPECT_EQ(enabledOf(m_lowerItems), (QStringList{"mnuUpdateNotes", "mnuDeleteNotes"}));
    id.SelectValue(QStringLiteral("N2"), false);
    window->UpdateMenus();
    EXPECT_EQ(enabledOf(m_lowerItems), (QStringList{"mnuUpdateNotes", "mnuShowNote", "mnuDeleteNotes"}));
    EXPECT_TRUE(window->ToolButton(QStringLiteral("btnACTNotiz"))->isEnabled());
}

TEST_F(MenuState, ThreeRowsOfOneActivityOfferShowingIt)
{
    newProject();
    InfoZoomAttribute id = fillLower(QStringLiteral("Aufgaben"), {"A1", "A1", "A1", "A2"});
    auto record = std::make_unique<LowerRecord>(records::TableKind::Aufgaben, window->InfoZoomExtra());
    window->InfoZoomExtra()->setTag(QStringLiteral("Aufgaben"));
    record->setUniqueIDFieldName(QStringLiteral("ACTFieldID|1"));
    modHaupt::Aufgaben = std::move(record);
    id.SelectValue(QStringLiteral("A1"), false);
    window->UpdateMenus();
    EXPECT_EQ(enabledOf(m_lowerItems), (QStringList{"mnuUpdateActivities", "mnuShowActivity"}));
    id.SelectValue(QStringLiteral("A2"), true);
    window->UpdateMenus();
    EXPECT_EQ(enabledOf(m_lowerItems), (QStringList{"mnuUpdateActivities"}));
    // Without a recorded unique-ID attribute nothing can be shown.
    modHaupt::Aufgaben->setUniqueIDFieldName(QString());
    id.SelectValue(QStringLiteral("A1"), false);
    window->UpdateMenus();
    EXPECT_FALSE(enabled("mnuShowActivity"));
}

TEST_F(MenuState, GroupsOfferTheirZoomsForASelectedRow)
{
    newProject();
    InfoZoomAttribute id = fillLower(QStringLiteral("Gruppen"), {"G1", "G2"});
    window->UpdateMenus();
    EXPECT_EQ(enabledOf(m_lowerItems), (QStringList{"mnuUpdateGroups", "mnuChangeGroupFields"}));
    id.SelectValue(QStringLiteral("G2"), false);
    window->UpdateMenus();
    EXPECT_EQ(enabledOf(m_lowerItems),
              (QStringList{"mnuUpdateGroups", "mnuChangeGroupFields", "mnuZoomMaingroups", "mnuZoomSubgroups"}));
}

TEST_F(MenuState, ACommandWithNothingToActOnIsNotOfferedAndSaysSoWhenReached)
{
    newProject();
    fillLower(QStringLiteral("Notizen"), {"N1", "N2"});
    const QList<std::tuple<const char *, const char *, const char *>> cases{
        {"mnuACTSuche", "Notizen", "Es ist kein Kontakt ausgewählt: In ACT! wurde keine Suche gebildet."},
        {"mnuShowNote", "Notizen", "Es ist keine einzelne Notiz ausgewählt: In ACT! wurde nichts angezeigt."},
        {"mnuShowSale", "Aufträge", "Es ist kein einzelner Auftrag ausgewählt: In ACT! wurde nichts angezeigt."},
        {"mnuShowActivity", "Aufgaben", "Es ist keine einzelne Aufgabe ausgewählt: In ACT! wurde nichts angezeigt."},
        {"mnuShowGroup", "Gruppen", "Es ist keine Gruppe ausgewählt: In ACT! wurde nichts angezeigt."},
        {"mnuZoomSubgroups", "Gruppen", "Es ist keine eindeutige Gruppe ausgewählt."},
        {"mnuDeleteNotes", "Notizen", "Es ist keine Notiz ausgewählt: Es wurde nichts gelöscht."}};
    for (const auto &[command, kind, text] : cases) {
        window->InfoZoomExtra()->setTag(QString::fromUtf8(kind));
        window->UpdateMenus();
        EXPECT_FALSE(enabled(command)) << command;
        EXPECT_FALSE(enabled("mnuZoomContacts") || enabled("mnuMarkExtraData") || enabled("mnuZoomSubgroups"));
        window->SetStatusBarText(QStringLiteral("vorher"));
        run(command);
        EXPECT_EQ(window->StatusPanel()->text(), QString::fromUtf8(text)) << command;
    }
}

TEST_F(MenuState, ExternalDataOfferItsReReadSourceAndLink)
{
    newProject();
    fillLower(QStringLiteral("ADODaten"), {"X"});
    window->UpdateMenus();
    EXPECT_EQ(enabledOf(m_lowerItems), (QStringList{"mnuUpdateADOData", "mnuEditADOData", "mnuLinkAttributes"}));
}

TEST_F(MenuState, AnEmptyActiveTableDisablesPrintingThoughTheOtherHoldsData)
{
    newProject();
    window->InfoZoomExtra()->SetFocus();
    QApplication::processEvents();
    ASSERT_EQ(window->ActiveTable(), window->InfoZoomExtra());
    window->UpdateMenus();
    EXPECT_FALSE(enabled("mnuPrint"));
    EXPECT_FALSE(enabled("mnuPrintPreview"));
    EXPECT_FALSE(enabled("mnuPrintSetup"));
    EXPECT_EQ(window->Menu(QStringLiteral("mnuPrint"))->text(), QStringLiteral("Drucken..."));
}

TEST_F(MenuState, ASelectedAttributeNamesTheCopySubmenu)
{
    newProject();
    EXPECT_FALSE(enabled("mnuCopyAttribute"));
    window->InfoZoomKontakt()->Table()->AttributeItem(1).setSelected(true);
    window->UpdateMenus();
    EXPECT_TRUE(enabled("mnuCopyAttribute"));
    EXPECT_EQ(window->Menu(QStringLiteral("mnuCopyAttribute"))->text(), QStringLiteral("Attributwerte &kopieren (Firma)"));
}

} // namespace
