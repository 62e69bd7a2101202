// The menu tree, the toolbar and their dispatch to the commands, and the menu state.
#include "MainWindowFixture.h"

#include "infozoom/InfoZoomTable.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <functional>
#include <stdexcept>

using namespace mainwindow;

class Menus : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        load();
    }
    bool enabled(const char *name) const { return window->Menu(QString::fromLatin1(name))->isEnabled(); }
    bool buttonEnabled(const char *key) const { return window->ToolButton(QString::fromLatin1(key))->isEnabled(); }
    QStringList namesIn(const char *menu) const
    {
        QStringList names;
        for (const QAction *action : window->findChild<QMenu *>(QString::fromLatin1(menu))->actions())
            names << action->objectName();
        return names;
    }
};

TEST_F(Menus, TheTopMenusStandInTheirOrder)
{
    QStringList captions;
    for (const QAction *action : window->menuBar()->actions())
        captions << action->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"), QStringLiteral("D&aten"),
                                     QStringLiteral("&Aktionen"), QStringLiteral("&?")}));
}

TEST_F(Menus, EveryItemHasItsNameAndCaptionInItsMenu)
{
    EXPECT_EQ(window->MenuNames().size(), 66);
    EXPECT_EQ(namesIn("mnuDatei"),
              (QStringList{"mnuNewProject", "mnuOpenProject", "mnuDateiBlank01", "mnuSaveProject", "mnuSaveAsProject",
                           "mnuCloseProject", "mnuDateiBlank02", "mnuPrint", "mnuPrintSetup", "mnuPrintPreview",
                           "mnuDateiBlank03", "mnuBeenden"}));
    EXPECT_EQ(namesIn("mnuCopyAttribute"),
              (QStringList{"mnuCopyAll", "mnuCopyKomp", "mnuCopyHistogramm", "mnuBlankCopy01", "mnuCopyInformations"}));
    EXPECT_EQ(namesIn("mnuUpdateData"),
              (QStringList{"mnuUpdateContacts", "mnuUpdateBlank01", "mnuUpdateNotes", "mnuUpdateSales",
                           "mnuUpdateActivities", "mnuUpdateGroups", "mnuUpdateADOData"}));
    EXPECT_EQ(namesIn("mnuHelp"), (QStringList{"mnHelpBedienungsanleitung", "mnuHelpBlank01", "mnuInfo"}));
    EXPECT_EQ(window->Menu(QStringLiteral("mnuReadNotes"))->text(), QStringLiteral("&Notizen"));
    EXPECT_EQ(window->Menu(QStringLiteral("mnuCopyHistogramm"))->text(),
              QStringLiteral("Komprimierte Werte und &Häufigkeit"));
    EXPECT_EQ(window->Menu(QStringLiteral("mnuLinkAttributes"))->text(),
              QStringLiteral("&Zuordnung der Attributte ändern"));
    EXPECT_EQ(window->Menu(QStringLiteral("mnuUpdateGroups"))->text(), QStringLiteral("ACT!-Gruppen neu einlesen..."));
    EXPECT_TRUE(window->Menu(QStringLiteral("mnuAktionenBlank04"))->isSeparator());
    for (const QString &name : window->MenuNames()) {
        const QAction *item = window->Menu(name);
        ASSERT_NE(item, nullptr) << name.toStdString();
        EXPECT_EQ(item->objectName(), name);
        EXPECT_TRUE(item->shortcut().isEmpty()) << name.toStdString();
        if (!item->isSeparator()) {
            EXPECT_FALSE(item->text().isEmpty()) << name.toStdString();
        }
    }
}

TEST_F(Menus, SeparatorsArePlainLinesWithoutACaption)
{
    for (const QMenu *menu : window->findChildren<QMenu *>()) {
        for (const QAction *action : menu->actions()) {
            if (action->isSeparator()) {
                EXPECT_EQ(action->text(), QString()) << action->objectName().toStdString();
            }
        }
    }
}

TEST_F(Menus, FifteenToolbarButtonsWithToolTipsAndThreeSeparators)
{
    QStringList layout;
    for (const QAction *action : window->Toolbar()->actions())
        layout << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
    EXPECT_EQ(layout, (QStringList{"btnNew", "btnOpen", "btnSave", "|", "btnNotiz", "btnAuftrag", "btnAufgabe",
                                   "btnGruppen", "btnADODaten", "|", "btnSyncOben", "btnSyncUnten", "|", "btnACTSuche",
                                   "btnACTNotiz", "btnACTAuftrag", "btnACTAufgabe", "btnACTGruppen"}));
    EXPECT_EQ(window->ToolButton(QStringLiteral("btnOpen"))->toolTip(), QStringLiteral("Projekt öffnen"));
    EXPECT_EQ(window->ToolButton(QStringLiteral("btnACTSuche"))->toolTip(), QStringLiteral("Kontakte in ACT! anzeigen"));
    for (const QAction *action : window->Toolbar()->actions()) {
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().isNull()) << action->objectName().toStdString();
        }
    }
}

TEST_F(Menus, EachButtonRunsItsMenuCommandAndNothingElse)
{
    const QList<std::pair<QString, QString>> routes{
        {"btnNew", "mnuNewProject"},       {"btnOpen", "mnuOpenProject"},         {"btnSave", "mnuSaveProject"},
        {"btnNotiz", "mnuReadNotes"},      {"btnAuftrag", "mnuReadSales"},        {"btnAufgabe", "mnuReadActivities"},
        {"btnGruppen", "mnuReadGroups"},   {"btnADODaten", "mnuReadADOData"},     {"btnSyncOben", "mnuZoomContacts"},
        {"btnSyncUnten", "mnuZoomExtraData"}, {"btnACTSuche", "mnuACTSuche"},     {"btnACTNotiz", "mnuShowNote"},
        {"btnACTAuftrag", "mnuShowSale"},  {"btnACTAufgabe", "mnuShowActivity"}, {"btnACTGruppen", "mnuShowGroup"}};
    QStringList ran;
    for (const auto &route : routes)
        window->AddCommand(route.second, [&ran, name = route.second] { ran << name; });
    for (const auto &route : routes)
        window->Toolbar_ButtonClick(route.first);
    window->Toolbar_ButtonClick(QStringLiteral("btnUnbekannt"));
    QStringList expected;
    for (const auto &route : routes)
        expected << route.second;
    EXPECT_EQ(ran, expected);
}

TEST_F(Menus, ACommandNotBuiltYetSaysSoInsteadOfPretending)
{
    window->RunMenuCommand(QStringLiteral("mnuGibtEsNicht"));
    EXPECT_EQ(window->StatusPanel()->text(),
              QStringLiteral("Der Befehl \"mnuGibtEsNicht\" steht noch nicht zur Verfügung!"));
    EXPECT_FALSE(modHaupt::Projekt->IsSaved());
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
}

TEST_F(Menus, AnUntrappedFailureOfAnyKindIsReportedAndLeavesTheWindowUsable)
{
    const QList<std::pair<std::function<void()>, QString>> failures{
        {[] { throw platform::VbError(53, QStringLiteral("Datei nicht gefunden")); },
         QStringLiteral("Fehler 53: Datei nicht gefunden")},
        {[] { throw std::runtime_error("kaputt"); }, QStringLiteral("Fehler: kaputt")},
        {[] { throw 42; }, QStringLiteral("Fehler: Ein unerwarteter Fehler ist aufgetreten.")}};
    for (const auto &[raise, text] : failures) {
        window->AddCommand(QStringLiteral("mnuReadNotes"), [this, raise = raise] {
            window->EnableControls(false, true);
            raise();
        });
        ui.expectMsgBox(platform::MsgIcon::Exclamation, text);
        window->RunMenuCommand(QStringLiteral("mnuReadNotes"));
        EXPECT_EQ(ui.records().last().text, text);
        EXPECT_TRUE(window->Toolbar()->isEnabled());
        EXPECT_TRUE(enabled("mnuDatei"));
        EXPECT_FALSE(window->AbbruchPanel()->isVisible());
        EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    }
}

TEST_F(Menus, NoSecondCommandStartsWhileOneRuns)
{
    modHaupt::Projekt->DataChanged();
    window->UpdateMenus();
    QStringList ran;
    window->AddCommand(QStringLiteral("mnuReadSales"), [&] { ran << QStringLiteral("mnuReadSales"); });
    window->AddCommand(QStringLiteral("mnuZoomContacts"), [&] { ran << QStringLiteral("mnuZoomContacts"); });
    bool tablesTookCommands = true;
    window->AddCommand(QStringLiteral("mnuUpdateNotes"), [&] {
        window->EnableControls(false, false);
        // Clicks that wait while the read runs: a menu item, a toolbar button and the command itself.
        QMetaObject::invokeMethod(window->Menu(QStringLiteral("mnuReadSales")), &QAction::trigger,
                                  Qt::QueuedConnection);
        QMetaObject::invokeMethod(window->ToolButton(QStringLiteral("btnSyncOben")), &QAction::trigger,
                                  Qt::QueuedConnection);
        QMetaObject::invokeMethod(
            window.get(), [this] { window->RunMenuCommand(QStringLiteral("mnuReadSales")); }, Qt::QueuedConnection);
        window->SetStatusBarText(QStringLiteral("Übertrage Notizdaten... (53/100)"));
        tablesTookCommands = window->InfoZoomKontakt()->CommandsEnabled() || window->InfoZoomExtra()->CommandsEnabled();
        window->EnableControls(true, false);
    });
    window->RunMenuCommand(QStringLiteral("mnuUpdateNotes"));
    QApplication::processEvents();
    EXPECT_TRUE(ran.isEmpty()) << ran.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(tablesTookCommands);
    EXPECT_TRUE(window->InfoZoomExtra()->CommandsEnabled());

    window->RunMenuCommand(QStringLiteral("mnuReadSales"));
    EXPECT_EQ(ran, QStringList{QStringLiteral("mnuReadSales")});
}

TEST_F(Menus, ATableTakingTheFocusDuringACommandLeavesTheMenusClosed)
{
    modHaupt::Projekt->DataChanged();
    window->UpdateMenus();
    ASSERT_TRUE(enabled("mnuData"));
    QStringList openDuringRead;
    window->AddCommand(QStringLiteral("mnuUpdateNotes"), [&] {
        window->EnableControls(false, false);
        emit window->InfoZoomExtra()->GotFocus();
        emit window->InfoZoomKontakt()->Notify(QStringLiteral("Command"), QStringLiteral("CInsertAttributeCommand"),
                                               QString(), QString());
        for (const char *name : {"mnuDatei", "mnuEdit", "mnuData", "mnuAktionen", "mnuHelp"})
            if (enabled(name))
                openDuringRead << QString::fromLatin1(name);
        if (window->Toolbar()->isEnabled())
            openDuringRead << QStringLiteral("Toolbar");
        window->EnableControls(true, false);
    });
    window->RunMenuCommand(QStringLiteral("mnuUpdateNotes"));
    EXPECT_TRUE(openDuringRead.isEmpty()) << openDuringRead.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(enabled("mnuData"));
    EXPECT_TRUE(enabled("mnuAktionen"));
    EXPECT_TRUE(buttonEnabled("btnNotiz"));
}

TEST_F(Menus, ANestedCommandThatEndsOrFailsLeavesTheOuterOneBusy)
{
    for (const bool nestedFails : {false, true}) {
        window->AddCommand(QStringLiteral("mnuSaveProject"), [this, nestedFails] {
            window->EnableControls(false, true);
            if (nestedFails)
                throw platform::VbError(61, QStringLiteral("Datenträger voll"));
            window->EnableControls(true, true);
        });
        bool busyAfterSave = false;
        window->AddCommand(QStringLiteral("mnuReadNotes"), [&] {
            window->EnableControls(false, false);
            window->RunNestedCommand(QStringLiteral("mnuSaveProject"));
            busyAfterSave =
                !enabled("mnuDatei") && !window->Toolbar()->isEnabled() && window->AbbruchPanel()->isVisible();
            window->EnableControls(true, false);
        });
        if (nestedFails)
            ui.expectMsgBox(platform::MsgIcon::Exclamation, QStringLiteral("Datenträger voll"));
        window->RunMenuCommand(QStringLiteral("mnuReadNotes"));
        EXPECT_TRUE(busyAfterSave) << nestedFails;
        EXPECT_TRUE(enabled("mnuDatei"));
        EXPECT_FALSE(window->AbbruchPanel()->isVisible());
    }
}

TEST_F(Menus, EveryCommandLooksBusyWhileItRunsAndEndsWithTheMenusOfWhatItLeft)
{
    modHaupt::Projekt->DataChanged();
    window->UpdateMenus();
    QStringList openDuringCommand;
    window->AddCommand(QStringLiteral("mnuDataChoice"), [&] {
        for (const char *name : {"mnuDatei", "mnuEdit", "mnuData", "mnuAktionen", "mnuHelp"})
            if (enabled(name))
                openDuringCommand << QString::fromLatin1(name);
        if (window->Toolbar()->isEnabled())
            openDuringCommand << QStringLiteral("Toolbar");
        if (window->AbbruchPanel()->isVisible())
            openDuringCommand << QStringLiteral("Abbruch"); // nothing to cancel here
        window->InfoZoomExtra()->setTag(QStringLiteral("Gruppen"));
    });
    window->RunMenuCommand(QStringLiteral("mnuDataChoice"));
    EXPECT_TRUE(openDuringCommand.isEmpty()) << openDuringCommand.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(enabled("mnuData"));
    EXPECT_TRUE(enabled("mnuUpdateGroups"));
}

TEST_F(Menus, WithoutAProjectOnlyFileAndHelpCanBeUsed)
{
    EXPECT_TRUE(enabled("mnuDatei"));
    EXPECT_TRUE(enabled("mnuHelp"));
    EXPECT_FALSE(enabled("mnuEdit"));
    EXPECT_FALSE(enabled("mnuData"));
    EXPECT_FALSE(enabled("mnuAktionen"));
    EXPECT_TRUE(enabled("mnuNewProject"));
    EXPECT_TRUE(enabled("mnuOpenProject"));
    EXPECT_TRUE(enabled("mnuBeenden"));
    EXPECT_FALSE(enabled("mnuSaveProject"));
    EXPECT_FALSE(enabled("mnuSaveAsProject"));
    EXPECT_FALSE(enabled("mnuCloseProject"));
    EXPECT_FALSE(enabled("mnuPrint"));
    EXPECT_EQ(window->Menu(QStringLiteral("mnuPrint"))->text(), QStringLiteral("Drucken..."));
    EXPECT_TRUE(buttonEnabled("btnNew"));
    EXPECT_TRUE(buttonEnabled("btnOpen"));
    for (const char *key : {"btnSave", "btnNotiz", "btnAuftrag", "btnAufgabe", "btnGruppen", "btnADODaten",
                            "btnSyncOben", "btnSyncUnten", "btnACTSuche", "btnACTNotiz", "btnACTAuftrag",
                            "btnACTAufgabe", "btnACTGruppen"})
        EXPECT_FALSE(buttonEnabled(key)) << key;
}

TEST_F(Menus, AnAttributeChangeInATableMarksTheProjectChanged)
{
    emit window->InfoZoomExtra()->Notify(QStringLiteral("Command"), QStringLiteral("CInsertAttributeCommand"),
                                         QString(), QString());
    EXPECT_TRUE(modHaupt::Projekt->IsChanged());
    EXPECT_TRUE(enabled("mnuSaveProject"));
    EXPECT_TRUE(enabled("mnuData"));
    EXPECT_TRUE(buttonEnabled("btnSave"));
    EXPECT_TRUE(buttonEnabled("btnNotiz"));
    EXPECT_FALSE(buttonEnabled("btnSyncOben")) << "the lower table holds nothing to synchronise with";
    EXPECT_FALSE(buttonEnabled("btnACTNotiz"));
    EXPECT_FALSE(enabled("mnuUpdateNotes"));
}

TEST_F(Menus, OtherNotificationsDoNotChangeTheProject)
{
    emit window->InfoZoomKontakt()->Notify(QStringLiteral("Command"), QStringLiteral("CZoomCommand"), QString(),
                                           QString());
    emit window->InfoZoomKontakt()->Notify(QStringLiteral("Info"), QStringLiteral("CDeleteAttributeCommand"),
                                           QString(), QString());
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
}

TEST_F(Menus, TheFocusedTableBecomesActiveAndColoursTheSplitter)
{
    window->InfoZoomExtra()->Table()->SetMainColor(40, 120, 200);
    window->InfoZoomExtra()->setTag(QStringLiteral("Notizen"));
    emit window->InfoZoomExtra()->GotFocus();
    EXPECT_EQ(window->ActiveTable(), window->InfoZoomExtra());
    EXPECT_EQ(window->Trennbalken()->color(), QColor(40, 120, 200));
    EXPECT_TRUE(enabled("mnuPrint"));
    EXPECT_EQ(window->Menu(QStringLiteral("mnuPrint"))->text(), QStringLiteral("Drucken... (Notizen)"));

    emit window->InfoZoomKontakt()->GotFocus();
    EXPECT_FALSE(enabled("mnuPrint")) << "the active table is empty, whatever the other one holds";
}

TEST_F(Menus, MovingAttributesActivatesTheTable)
{
    emit window->InfoZoomExtra()->Notify(QStringLiteral("CommandNotSubmitted"), QStringLiteral("CAttributesMover"),
                                         QString(), QString());
    EXPECT_EQ(window->ActiveTable(), window->InfoZoomExtra());
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
}
