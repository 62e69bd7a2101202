// The main window's menu tree and toolbar, and the dispatch of both to the commands.
#include "ActionCommands.h"
#include "ADOCommands.h"
#include "ActivitiesCommands.h"
#include "ExportCommands.h"
#include "GroupCommands.h"
#include "NoteDeletion.h"
#include "NotesSalesCommands.h"
#include "PrintCommands.h"
#include "StatusBarPanel.h"
#include "SyncCommands.h"
#include "ToolbarIcons.h"
#include "frmHaupt.h"
#include "modHaupt.h"

#include "actlink/clACTApplication.h"
#include "platform/UiServices.h"
#include "project/clProjekt.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QMenuBar>
#include <QToolBar>

namespace mainwindow {

namespace {

// One line of the menu tree; the parent "" marks a top menu, a caption "-" a separator.
struct MenuEntry
{
    const char *parent;
    const char *name;
    const char *caption;
    bool submenu = false;
};

const MenuEntry kMenuTree[] = {
    {"", "mnuDatei", "&Datei", true},
    {"mnuDatei", "mnuNewProject", "&Neues Projekt"},
    {"mnuDatei", "mnuOpenProject", "&Projekt öffnen..."},
    {"mnuDatei", "mnuDateiBlank01", "-"},
    {"mnuDatei", "mnuSaveProject", "Projekt &speichern"},
    {"mnuDatei", "mnuSaveAsProject", "Projekt speichern &unter..."},
    {"mnuDatei", "mnuCloseProject", "Projekt s&chließen"},
    {"mnuDatei", "mnuDateiBlank02", "-"},
    {"mnuDatei", "mnuPrint", "&Drucken..."},
    {"mnuDatei", "mnuPrintSetup", "S&eite einrichten..."},
    {"mnuDatei", "mnuPrintPreview", "Druck&vorschau..."},
    {"mnuDatei", "mnuDateiBlank03", "-"},
    {"mnuDatei", "mnuBeenden", "&Beenden"},

    {"", "mnuEdit", "&Bearbeiten", true},
    {"mnuEdit", "mnuCopyAttribute", "Attributwerte &kopieren", true},
    {"mnuCopyAttribute", "mnuCopyAll", "&Alle Werte"},
    {"mnuCopyAttribute", "mnuCopyKomp", "&Komprimierte Werte"},
    {"mnuCopyAttribute", "mnuCopyHistogramm", "Komprimierte Werte und &Häufigkeit"},
    {"mnuCopyAttribute", "mnuBlankCopy01", "-"},
    {"mnuCopyAttribute", "mnuCopyInformations", "Angaben der Datenquellen"},
    {"mnuEdit", "mnuEditBlank01", "-"},
    {"mnuEdit", "mnuChangeContactFields", "Auswahl der &Kontaktfelder ändern"},
    {"mnuEdit", "mnuChangeGroupFields", "Auswahl der &Gruppenfelder ändern"},
    {"mnuEdit", "mnuEditBlank02", "-"},
    {"mnuEdit", "mnuEditADOData", "Externe &Datenquelle ändern"},
    {"mnuEdit", "mnuLinkAttributes", "&Zuordnung der Attributte ändern"},

    {"", "mnuData", "D&aten", true},
    {"mnuData", "mnuDataChoice", "Datenü&bersicht"},
    {"mnuData", "mnuDataBlank01", "-"},
    {"mnuData", "mnuReadNotes", "&Notizen"},
    {"mnuData", "mnuReadSales", "&Aufträge"},
    {"mnuData", "mnuReadActivities", "A&ufgaben"},
    {"mnuData", "mnuReadGroups", "&Gruppen"},
    {"mnuData", "mnuReadADOData", "&Externe Daten"},
    {"mnuData", "mnuDataBlank02", "-"},
    {"mnuData", "mnuUpdateData", "&Daten neu einlesen", true},
    {"mnuUpdateData", "mnuUpdateContacts", "ACT!-&Kontakte neu einlesen..."},
    {"mnuUpdateData", "mnuUpdateBlank01", "-"},
    {"mnuUpdateData", "mnuUpdateNotes", "ACT!-&Notizen neu einlesen..."},
    {"mnuUpdateData", "mnuUpdateSales", "ACT!-&Aufträge neu einlesen..."},
    {"mnuUpdateData", "mnuUpdateActivities", "ACT!-A&ufgaben neu einlesen..."},
    {"mnuUpdateData", "mnuUpdateGroups", "ACT!-Gruppen neu einlesen..."},
    {"mnuUpdateData", "mnuUpdateADOData", "&Externe Daten neu einlesen..."},

    {"", "mnuAktionen", "&Aktionen", true},
    {"mnuAktionen", "mnuZoomContacts", "Zoome auf &Kontakte"},
    {"mnuAktionen", "mnuZoomOutContacts", "&Schließe Kontakte aus"},
    {"mnuAktionen", "mnuMarkContacts", "Markiere K&ontakte"},
    {"mnuAktionen", "mnuAktionenBlank01", "-"},
    {"mnuAktionen", "mnuZoomExtraData", "&Zoome auf Daten"},
    {"mnuAktionen", "mnuZoomOutExtraData", "S&chließe Daten aus"},
    {"mnuAktionen", "mnuMarkExtraData", "&Markiere Daten"},
    {"mnuAktionen", "mnuAktionenBlank02", "-"},
    {"mnuAktionen", "mnuZoomSubgroups", "Zoome auf Un&tergruppen"},
    {"mnuAktionen", "mnuZoomMaingroups", "Zoome auf &Hauptgruppen"},
    {"mnuAktionen", "mnuAktionenBlank03", "-"},
    {"mnuAktionen", "mnuACTSuche", "&ACT!-Suche bilden"},
    {"mnuAktionen", "mnuShowNote", "&Notiz in ACT! anzeigen"},
    {"mnuAktionen", "mnuShowSale", "A&uftrag in ACT! anzeigen"},
    {"mnuAktionen", "mnuShowActivity", "Au&fgabe in ACT! anzeigen"},
    {"mnuAktionen", "mnuShowGroup", "&Gruppe in ACT! anzeigen"},
    {"mnuAktionen", "mnuAktionenBlank04", "-"},
    {"mnuAktionen", "mnuDeleteNotes", "Notizen in ACT! &löschen"},

    {"", "mnuHelp", "&?", true},
    {"mnuHelp", "mnHelpBedienungsanleitung", "&Bedienungsanleitung"},
    {"mnuHelp", "mnuHelpBlank01", "-"},
    {"mnuHelp", "mnuInfo", "&Informationen über Datolux"},
};

// The toolbar from the left: key, tool tip, the menu command it runs; "" stands for a separator.
struct ButtonEntry
{
    const char *key;
    const char *toolTip;
    const char *menu;
};

const ButtonEntry kButtons[] = {
    {"btnNew", "Neues Projekt", "mnuNewProject"},
    {"btnOpen", "Projekt öffnen", "mnuOpenProject"},
    {"btnSave", "Projekt speichern", "mnuSaveProject"},
    {"", "", ""},
    {"btnNotiz", "Notizdaten laden", "mnuReadNotes"},
    {"btnAuftrag", "Auftragsdaten laden", "mnuReadSales"},
    {"btnAufgabe", "Aufgabendaten laden", "mnuReadActivities"},
    {"btnGruppen", "Gruppendaten laden", "mnuReadGroups"},
    {"btnADODaten", "Externe Daten laden", "mnuReadADOData"},
    {"", "", ""},
    {"btnSyncOben", "Zoom auf Kontakte", "mnuZoomContacts"},
    {"btnSyncUnten", "Zoom auf Daten", "mnuZoomExtraData"},
    {"", "", ""},
    {"btnACTSuche", "Kontakte in ACT! anzeigen", "mnuACTSuche"},
    {"btnACTNotiz", "Notiz in ACT! anzeigen", "mnuShowNote"},
    {"btnACTAuftrag", "Auftrag in ACT! anzeigen", "mnuShowSale"},
    {"btnACTAufgabe", "Aufgabe in ACT! anzeigen", "mnuShowActivity"},
    {"btnACTGruppen", "Gruppe in ACT! anzeigen", "mnuShowGroup"},
};

QString menuOfButton(const QString &key)
{
    for (const ButtonEntry &button : kButtons)
        if (!key.isEmpty() && key == QLatin1String(button.key))
            return QString::fromLatin1(button.menu);
    return QString();
}

// The caption as the user reads it: without access-key marks and without a trailing ellipsis.
QString plainCaption(QString caption)
{
    caption.remove(QLatin1Char('&'));
    while (caption.endsWith(QLatin1Char('.')))
        caption.chop(1);
    return caption;
}

} // namespace

void frmHaupt::BuildMenus()
{
    for (const MenuEntry &entry : kMenuTree) {
        const QString name = QString::fromUtf8(entry.name);
        const QString caption = QString::fromUtf8(entry.caption);
        const QString parentName = QString::fromUtf8(entry.parent);
        QMenu *parent = m_menus.value(parentName);
        QAction *action = nullptr;
        if (entry.submenu) {
            QMenu *menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
            menu->setObjectName(name);
            m_menus.insert(name, menu);
            action = menu->menuAction();
        } else if (caption == QLatin1String("-")) {
            // A separator with a text shows that text in some styles: it stays a plain line.
            action = parent->addSeparator();
        } else {
            action = parent->addAction(caption);
            connect(action, &QAction::triggered, this, [this, name] { RunMenuCommand(name); });
        }
        action->setObjectName(name);
        m_menuItems.insert(name, action);
        m_menuOrder << name;
    }
}

void frmHaupt::BuildToolbar()
{
    m_toolbar = addToolBar(QStringLiteral("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(24, 24));
    m_toolbar->toggleViewAction()->setVisible(false);
    for (const ButtonEntry &entry : kButtons) {
        const QString key = QString::fromLatin1(entry.key);
        if (key.isEmpty()) {
            m_toolbar->addSeparator();
            continue;
        }
        QAction *button = m_toolbar->addAction(ToolbarIcon(key), QString::fromUtf8(entry.toolTip));
        button->setObjectName(key);
        button->setToolTip(QString::fromUtf8(entry.toolTip));
        connect(button, &QAction::triggered, this, [this, key] { Toolbar_ButtonClick(key); });
        m_buttons.insert(key, button);
    }
}

void frmHaupt::AddCommand(const QString &name, std::function<void()> command)
{
    m_commands.insert(name, std::move(command));
}

void frmHaupt::RegisterCommands()
{
    RegisterProjectCommands();
    ExportCommands::Register(*this);
    PrintCommands::Register(*this);
    ADOCommands::Register(*this);
    SyncCommands::Register(*this);
    ActionCommands::Register(*this);
    NotesSalesCommands::Register(*this);
    NoteDeletion::Register(*this);
    GroupCommands::Register(*this);
    ActivitiesCommands::Register(*this);
}

void frmHaupt::RunMenuCommand(const QString &name)
{
    // "Beenden" closes the window as its close box does: while a command runs, that is a request
    // that cancels it and waits for it.
    if (name == QLatin1String("mnuBeenden")) {
        mnuBeenden_Click();
        return;
    }
    // A second command inside the first one would replace or release what the first one still uses.
    if (IsBusy())
        return;
    RunNestedCommand(name);
}

void frmHaupt::RunNestedCommand(const QString &name)
{
    RunAsCommand([this, name] { DispatchCommand(name); });
}

void frmHaupt::DispatchCommand(const QString &name)
{
    const auto command = m_commands.constFind(name);
    if (command == m_commands.constEnd())
        CommandNotAvailable(name);
    else
        (*command)();
}

void frmHaupt::RunAsCommand(const std::function<void()> &work)
{
    const actlink::clACTApplication::CommandScope actCalls;
    if (++m_commandDepth == 1)
        BusyChanged();
    try {
        work();
    } catch (...) {
        ReportCommandFailure(std::current_exception());
    }
    if (--m_commandDepth > 0)
        return;
    if (m_unloading) {
        BusyChanged();
        return;
    }
    EndOfCommand();
    if (m_closeRequested && !IsBusy()) {
        m_closeRequested = false;
        RequestShutDown(false);
    }
}

// Whatever path the outermost command took, it is over: the window must not stay disabled, and the
// menus show what the command left on screen (a zoom that changed the selection computes nothing itself).
void frmHaupt::EndOfCommand()
{
    m_disabledAtDepth = -1;
    unsetCursor();
    m_toolbar->unsetCursor();
    m_abbruchPanel->setBevel(StatusBarPanel::Bevel::Raised);
    BusyChanged();
    RunHandler([this] {
        ClearRunningTexts();
        UpdateMenus();
    });
}

// A status text that ends in "..." says that work is running; once the outermost command is over,
// whichever way it ended (a failure passed out of it, a frozen ACT!), none is.
void frmHaupt::ClearRunningTexts()
{
    const auto running = [](const QString &text) { return text.endsWith(QLatin1String("...")); };
    if (running(m_statusPanel->text()))
        m_statusPanel->setText(QString());
    for (InfoZoomControl *control : {m_infoZoomKontakt, m_infoZoomExtra})
        if (running(control->Table()->StatusText()))
            control->Table()->setStatusText(QString());
}

void frmHaupt::ReportCommandFailure(const std::exception_ptr &failure)
{
    try {
        EnableControls(true, true);
        platform::ReportFailure(failure);
    } catch (...) {
        // The report itself failed (the window is going down with the failure): nothing to add.
    }
}

void frmHaupt::RunHandler(const std::function<void()> &work)
{
    try {
        work();
    } catch (...) {
        platform::ReportFailure(std::current_exception());
    }
}

void frmHaupt::BusyChanged()
{
    const bool idle = !IsBusy();
    for (const char *name : {"mnuDatei", "mnuHelp"})
        Menu(QString::fromLatin1(name))->setEnabled(idle);
    ApplyProjectMenus();
    m_toolbar->setEnabled(idle);
    m_abbruchPanel->setVisible(m_disabledAtDepth >= 0);
    m_infoZoomKontakt->setCommandsEnabled(idle);
    m_infoZoomExtra->setCommandsEnabled(idle);
}

void frmHaupt::CommandNotAvailable(const QString &name)
{
    const QAction *item = Menu(name);
    const QString caption = item ? plainCaption(item->text()) : name;
    SetStatusBarText(QStringLiteral("Der Befehl \"%1\" steht noch nicht zur Verfügung!").arg(caption));
}

void frmHaupt::Toolbar_ButtonClick(const QString &key)
{
    const QString menu = menuOfButton(key);
    if (!menu.isEmpty())
        RunMenuCommand(menu);
}

void frmHaupt::mnuBeenden_Click() { RequestShutDown(false); }

} // namespace mainwindow
