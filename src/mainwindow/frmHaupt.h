// The main window: two stacked tables with the splitter between them, menus, toolbar and status
// bar, and the services every command uses (status text, enabling, table reset, menu state).
// Its commands live in several files by area (frmHaupt*.cpp).
#pragma once

#include "MainWindowEnvironment.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <exception>
#include <functional>

class InfoZoomControl;
class QAction;
namespace platform {
class FileTransaction;
}
namespace records {
class clKontakte;
}
class QMenu;
class QToolBar;

namespace mainwindow {

class SplitterBar;
class frmDatenuebersicht;
class StatusBarPanel;

class frmHaupt final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmHaupt)

public:
    explicit frmHaupt(MainWindowEnvironment environment, QWidget *parent = nullptr);
    ~frmHaupt() override;

    // The load event: status-bar panels, geometry and splitter from the settings, empty tables,
    // title, menu state. Run once, before the window is shown.
    void Form_Load();

    // Opens a project file (the project commands).
    void OpenProject(const QString &fileName);

    // Services of every command.
    // Shows a text in the "Status" panel, then lets waiting events run (so the cancel click
    // reaches a running loop).
    void SetStatusBarText(const QString &text);
    // Enable False: menus and toolbar disabled, "Abbruch" shown; True: the reverse. With
    // setPointer the window's pointer becomes the hourglass (False) or the default (True).
    // It nests: a command run inside another cannot enable what the outer one disabled, and menus and
    // toolbar stay disabled until the outermost command has returned.
    void EnableControls(bool enable, bool setPointer);
    // Empties one table control and gives it the standard display options.
    void ResetInfoZoom(InfoZoomControl *control);
    // Sets which menu items and toolbar buttons are enabled, and the captions that change.
    void UpdateMenus();
    // Refills the data overview when it is shown (after new, open, save and every re-read).
    void UpdateDatenuebersicht();

    // Runs the command of a menu item by its name, as a click on it does. While another command
    // runs nothing starts ("Beenden" becomes a close request that waits for it); a failure nobody
    // trapped is reported in one message box and leaves the window usable.
    void RunMenuCommand(const QString &name);
    // A step of the running command that runs another command (the save offered first, the re-read
    // after a Yes): never refused; its failure is reported as above, and the running command goes on.
    void RunNestedCommand(const QString &name);
    // Runs work the way a command runs: the window counts as busy meanwhile (menus and toolbar
    // disabled), and whatever it throws is reported as above. The outermost command ends with menus
    // and toolbar as UpdateMenus computes them; a close requested meanwhile is carried out then.
    void RunAsCommand(const std::function<void()> &work);
    // True from the start of a command until it returned, while EnableControls has disabled the
    // window, and during the shut-down: no further command can start then, a close request waits.
    bool IsBusy() const { return m_commandDepth > 0 || m_disabledAtDepth >= 0 || m_unloading; }
    // Commands register here under their menu item's name; an item without one reports that its
    // command is not available.
    void AddCommand(const QString &name, std::function<void()> command);
    void Toolbar_ButtonClick(const QString &key);
    void StatusBar_PanelClick(const QString &key);

    // The contacts record object (modHaupt::Kontakte), or null.
    records::clKontakte *Kontakte() const;
    // The data overview as last filled, or null; the shut-down unloads it.
    frmDatenuebersicht *Datenuebersicht() const;
    void UnloadDatenuebersicht();

    // Window state.
    InfoZoomControl *InfoZoomKontakt() const { return m_infoZoomKontakt; }
    InfoZoomControl *InfoZoomExtra() const { return m_infoZoomExtra; }
    InfoZoomControl *ActiveTable() const { return m_activeTable; }
    StatusBarPanel *StatusPanel() const { return m_statusPanel; }
    StatusBarPanel *ACTDBPanel() const { return m_actdbPanel; }
    StatusBarPanel *AbbruchPanel() const { return m_abbruchPanel; }
    SplitterBar *Trennbalken() const { return m_trennbalken; }
    QToolBar *Toolbar() const { return m_toolbar; }
    bool CancelRequested() const { return m_cancelRequested; }
    void setCancelRequested(bool requested) { m_cancelRequested = requested; }
    double BarRatio() const { return m_barRatio; }
    bool BarCollapsed() const { return m_barCollapsed; }
    double SavedBarRatio() const { return m_savedBarRatio; }
    int BarMinTop() const { return m_barMinTop; }
    int BarMaxTop() const { return m_barMaxTop; }

    // A menu item, submenu or top menu by its name (mnuReadNotes, mnuUpdateData, mnuDatei), or null.
    QAction *Menu(const QString &name) const { return m_menuItems.value(name); }
    // Every menu item in the order of the menu tree.
    QStringList MenuNames() const { return m_menuOrder; }
    // A toolbar button by its key (btnNew ... btnACTGruppen), or null.
    QAction *ToolButton(const QString &key) const { return m_buttons.value(key); }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction (frmHauptMenus.cpp, frmHaupt.cpp).
    void BuildMenus();
    void BuildToolbar();
    void BuildStatusBar();
    void BuildTables();
    void RegisterCommands();

    // Layout and splitter (frmHauptLayout.cpp); lengths in pixels of the window's inner area.
    void Form_Resize();
    void MoveTrennbalken(int y);
    void PlaceBarFromRatio();
    void Trennbalken_MouseDown();
    void Trennbalken_MouseMove(int y, bool leftHeld);
    void Trennbalken_MouseUp();
    void Trennbalken_DblClick();
    void ColorBarLikeActiveTable();

    // Geometry kept in the settings, in twips.
    void RestoreGeometry();
    void StoreGeometry();

    // Shut-down. A close request (close box, "Beenden", a close waiting for a command) never runs
    // the shut-down inside a close event: Qt grants a second request that arrives while one is being
    // handled without asking, and would end the program under the save question.
    void RequestShutDown(bool fromCloseEvent);
    void ShutDown();
    // The unload event.
    void Form_Unload();

    // Table and status-bar events.
    void InfoZoom_GotFocus(InfoZoomControl *control);
    void InfoZoom_Notify(InfoZoomControl *control, const QString &kind, const QString &command);
    void InfoZoomNotified(InfoZoomControl *control, const QString &kind, const QString &command);
    void StatusBarPanelClicked(const QString &key);

    // Commands.
    void mnuBeenden_Click();

    // Project commands (frmHauptProject.cpp).
    void RegisterProjectCommands();
    void SetProjectTitle();
    void AskToSaveChanges();
    void mnuNewProject_Click();
    void AbandonProject();
    QString SelectACTDatabase();
    bool DatabasePathRefused(const QString &path);
    void mnuSaveProject_Click();
    void mnuSaveAsProject_Click();
    bool SaveAsSteps(const QString &oldFile, const QString &oldName, const QString &oldFolder);
    void CopyProjectFile(const QString &source, const QString &dest, bool ask, bool &success,
                         platform::FileTransaction &save);
    void mnuCloseProject_Click();

    // Contacts commands (frmHauptContacts.cpp).
    void mnuUpdateContacts_Click();
    void mnuChangeContactFields_Click();
    bool ContactsDatabaseOpen();
    void RecordContactsRead();

    // Data overview (frmHauptDataOverview.cpp).
    void mnuDataChoice_Click();

    // Menu state (frmHauptMenuState.cpp).
    // The items of the lower table's kind; n is the number of its selected rows.
    void UpdateLowerTableMenus(int n);
    void CommandNotAvailable(const QString &name);
    void ReportCommandFailure(const std::exception_ptr &failure);
    // Busy state (frmHauptMenus.cpp).
    void DispatchCommand(const QString &name);
    void EndOfCommand();
    void ClearRunningTexts();
    // Menus, toolbar, "Abbruch" and the tables' own commands as the busy state has them.
    void BusyChanged();
    void ApplyProjectMenus();
    // Runs the work of a window or table event; a failure is reported and the event is over.
    void RunHandler(const std::function<void()> &work);

    MainWindowEnvironment m_environment;
    QHash<QString, QAction *> m_menuItems;
    QHash<QString, QMenu *> m_menus;
    QStringList m_menuOrder;
    QHash<QString, std::function<void()>> m_commands;
    QHash<QString, QAction *> m_buttons;

    QToolBar *m_toolbar = nullptr;
    QWidget *m_frameArea = nullptr;
    InfoZoomControl *m_infoZoomKontakt = nullptr;
    InfoZoomControl *m_infoZoomExtra = nullptr;
    SplitterBar *m_trennbalken = nullptr;
    StatusBarPanel *m_statusPanel = nullptr;
    StatusBarPanel *m_actdbPanel = nullptr;
    StatusBarPanel *m_abbruchPanel = nullptr;

    InfoZoomControl *m_activeTable = nullptr;
    bool m_cancelRequested = false;
    QPointer<frmDatenuebersicht> m_datenuebersicht;
    double m_barRatio = 0.5;
    bool m_barCollapsed = false;
    double m_savedBarRatio = 0.5;
    int m_barMinTop = 0;
    int m_barMaxTop = 0;
    bool m_barDragged = false;
    bool m_loaded = false;
    bool m_unloading = false;
    bool m_unloaded = false;
    int m_commandDepth = 0;
    // The command depth at which EnableControls disabled the window (0: outside any command), or -1.
    int m_disabledAtDepth = -1;
    bool m_closeRequested = false;
    // The state UpdateMenus gave "&Bearbeiten", "D&aten" and "&Aktionen"; they show it while the
    // window is not busy.
    bool m_projectMenusEnabled = false;
};

} // namespace mainwindow
