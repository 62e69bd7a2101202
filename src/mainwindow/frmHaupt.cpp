// The main window's construction, load and unload, and the services every command uses.
#include "frmHaupt.h"

#include "ReadCommandStatus.h"
#include "SplitterBar.h"
#include "StatusBarPanel.h"
#include "WindowGeometry.h"
#include "modHaupt.h"

#include "actlink/clACTApplication.h"
#include "platform/UiServices.h"
#include "project/clProjekt.h"
#include "records/RecordClassBase.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <cmath>

namespace mainwindow {

namespace {

int toPixels(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

} // namespace

frmHaupt::frmHaupt(MainWindowEnvironment environment, QWidget *parent)
    : QMainWindow(parent), m_environment(std::move(environment))
{
    setObjectName(QStringLiteral("frmHaupt"));
    setContextMenuPolicy(Qt::PreventContextMenu);
    BuildMenus();
    BuildToolbar();
    BuildTables();
    BuildStatusBar();
    RegisterCommands();
    setMinimumSize((MinimumWindowWidthTwips + TwipsPerPixel - 1) / TwipsPerPixel,
                   (MinimumWindowHeightTwips + TwipsPerPixel - 1) / TwipsPerPixel);
}

frmHaupt::~frmHaupt() = default;

void frmHaupt::BuildTables()
{
    m_frameArea = new QWidget(this);
    m_frameArea->setObjectName(QStringLiteral("FrameArea"));
    setCentralWidget(m_frameArea);
    m_infoZoomKontakt = new InfoZoomControl(m_frameArea);
    m_infoZoomKontakt->setObjectName(QStringLiteral("InfoZoomKontakt"));
    m_trennbalken = new SplitterBar(m_frameArea);
    m_infoZoomExtra = new InfoZoomControl(m_frameArea);
    m_infoZoomExtra->setObjectName(QStringLiteral("InfoZoomExtra"));
    m_activeTable = m_infoZoomKontakt;
    m_frameArea->installEventFilter(this);

    connect(m_trennbalken, &SplitterBar::leftPressed, this, &frmHaupt::Trennbalken_MouseDown);
    connect(m_trennbalken, &SplitterBar::mouseMoved, this, &frmHaupt::Trennbalken_MouseMove);
    connect(m_trennbalken, &SplitterBar::leftReleased, this, &frmHaupt::Trennbalken_MouseUp);
    connect(m_trennbalken, &SplitterBar::doubleClicked, this, &frmHaupt::Trennbalken_DblClick);
    for (InfoZoomControl *control : {m_infoZoomKontakt, m_infoZoomExtra}) {
        connect(control, &InfoZoomControl::GotFocus, this, [this, control] { InfoZoom_GotFocus(control); });
        connect(control, &InfoZoomControl::Notify, this,
                [this, control](const QString &kind, const QString &command, const QString &, const QString &) {
                    InfoZoom_Notify(control, kind, command);
                });
    }
}

void frmHaupt::BuildStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    m_statusPanel = new StatusBarPanel(QStringLiteral("Status"), statusBar());
    m_actdbPanel = new StatusBarPanel(QStringLiteral("ACTDB"), statusBar());
    m_abbruchPanel = new StatusBarPanel(QStringLiteral("Abbruch"), statusBar());
    for (StatusBarPanel *panel : {m_statusPanel, m_actdbPanel, m_abbruchPanel})
        connect(panel, &StatusBarPanel::clicked, this, &frmHaupt::StatusBar_PanelClick);
    m_statusPanel->hide();
    m_actdbPanel->hide();
    m_abbruchPanel->hide();
}

void frmHaupt::Form_Load()
{
    // The panels in their order: the status text takes the free width.
    statusBar()->addWidget(m_statusPanel, 1);
    statusBar()->addWidget(m_actdbPanel, 0);
    statusBar()->addWidget(m_abbruchPanel, 0);
    m_statusPanel->show();
    m_statusPanel->setText(QString());
    m_actdbPanel->show();
    m_abbruchPanel->setText(QStringLiteral("Abbruch"));
    m_abbruchPanel->setAlignment(Qt::AlignCenter);
    m_abbruchPanel->setBevel(StatusBarPanel::Bevel::Raised);
    m_abbruchPanel->setMinimumWidth(m_abbruchPanel->fontMetrics().horizontalAdvance(QStringLiteral("Abbruch")) + 24);
    m_abbruchPanel->hide();

    m_trennbalken->resize(m_trennbalken->width(), 8);
    m_loaded = true;
    RestoreGeometry();
    m_barRatio = RestoredBarRatio(m_environment.getOption);
    m_barCollapsed = false;
    Form_Resize();

    ResetInfoZoom(m_infoZoomKontakt);
    ResetInfoZoom(m_infoZoomExtra);
    m_activeTable = m_infoZoomKontakt;
    const project::clProjekt *projekt = modHaupt::Projekt.get();
    setWindowTitle(QStringLiteral("Datolux - ") + (projekt ? projekt->Name() : QString()));
    UpdateMenus();
}

void frmHaupt::RestoreGeometry()
{
    const WindowPlacementTwips placement =
        RestoredPlacement(m_environment.getOption, m_environment.screenSizeTwips());
    move(toPixels(placement.left), toPixels(placement.top));
    resize(toPixels(placement.width), toPixels(placement.height));
}

void frmHaupt::StoreGeometry()
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
        showNormal();
        platform::DoEvents();
    }
    // Where the platform has not restored the window (yet), its normal geometry is what counts.
    const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    const QRect client = normal ? geometry() : normalGeometry();
    const QPoint corner = normal ? pos() : client.topLeft();
    const auto set = [this](const char *key, int pixels) {
        m_environment.setOption(QString::fromLatin1(key), QVariant(pixels * TwipsPerPixel));
    };
    set("WindowHeight", client.height());
    set("WindowWidth", client.width());
    set("WindowLeft", corner.x());
    set("WindowTop", corner.y());
    if (m_barCollapsed)
        m_barRatio = m_savedBarRatio;
    m_environment.setOption(QStringLiteral("BarTop"), QVariant(m_barRatio));
}

void frmHaupt::closeEvent(QCloseEvent *event)
{
    // A second close while the first one lets events run would unload twice; the first one
    // closes the window anyway.
    if (m_unloading) {
        event->ignore();
        return;
    }
    // The running command still uses the project, the record objects and the tables: it is
    // cancelled as by the "Abbruch" panel, and the window closes once it has returned.
    if (IsBusy()) {
        event->ignore();
        m_closeRequested = true;
        StatusBar_PanelClick(QStringLiteral("Abbruch"));
        return;
    }
    m_unloading = true;
    BusyChanged();
    RunHandler([this] { Form_Unload(); });
    event->accept();
}

void frmHaupt::Form_Unload()
{
    project::clProjekt *projekt = modHaupt::Projekt.get();
    if (projekt && projekt->IsChanged()) {
        const QString question = SaveChangesQuestion();
        if (platform::ui().msgBox(question, platform::MsgIcon::Question, platform::MsgButtons::YesNo) ==
            platform::MsgAnswer::Yes)
            RunNestedCommand(QStringLiteral("mnuSaveProject"));
    }
    EnableControls(false, false);
    SetStatusBarText(QStringLiteral("Das Programm wird beendet..."));
    if (m_loaded)
        StoreGeometry();
    modHaupt::UnloadDialogs();
    UnloadDatenuebersicht();
    modHaupt::ReleaseRecordObjects();
    ResetInfoZoom(m_infoZoomKontakt);
    ResetInfoZoom(m_infoZoomExtra);
    if (modHaupt::Projekt) {
        modHaupt::Projekt->CloseProjekt();
        modHaupt::Projekt.reset();
    }
}

void frmHaupt::SetStatusBarText(const QString &text)
{
    m_statusPanel->setText(text);
    platform::DoEvents();
}

void frmHaupt::EnableControls(bool enable, bool setPointer)
{
    if (setPointer) {
        if (enable) {
            unsetCursor();
            m_toolbar->unsetCursor();
        } else {
            setCursor(Qt::WaitCursor);
            m_toolbar->setCursor(Qt::WaitCursor);
        }
    }
    m_controlsDisabled = !enable;
    for (const char *name : {"mnuDatei", "mnuHelp"})
        Menu(QString::fromLatin1(name))->setEnabled(enable);
    ApplyProjectMenus();
    m_toolbar->setEnabled(enable);
    m_abbruchPanel->setVisible(!enable);
    m_abbruchPanel->setBevel(StatusBarPanel::Bevel::Raised);
    BusyChanged();
    update();
    platform::DoEvents();
}

// Enabled means enabled by UpdateMenus and the window not disabled by EnableControls: a table that
// takes the focus during a command recomputes the menus, and must not open them for a second one.
void frmHaupt::ApplyProjectMenus()
{
    for (const char *name : {"mnuEdit", "mnuData", "mnuAktionen"})
        Menu(QString::fromLatin1(name))->setEnabled(m_projectMenusEnabled && !m_controlsDisabled);
}

void frmHaupt::ResetInfoZoom(InfoZoomControl *control)
{
    control->setTag(QString());
    InfoZoomTable *table = control->Table();
    table->Refresh();
    table->SetMainColor(127, 127, 127);
    table->setDisplayOptionB(false);
    table->setDisplayOptionC(false);
    table->setDisplayOptionD(false);
    table->setDisplayOptionA(false);
    table->setDisplayOptionE(false);
    table->setDisplayOptionH(true);
    table->setDisplayOptionT(true);
    table->setDisplayOptionN(true);
    table->setDisplayOptionO(true);
    table->setDisplayOptionS(true);
    table->setDisplayOptionL(true);
    table->setDisplayOptionP(true);
    table->setDisplayOptionI(false);
    table->setDisplayOptionK(false);
    table->setDisplayOptionQ(true);
    table->setDisplayOptionM(false);
    table->setDisplayOptionJ(true);
    table->setDisplayOptionG(true);
    table->setDisplayOptionF(true);
    table->setDisplayOptionR(true);
    table->NewTable();
    platform::DoEvents();
    table->Refresh();
}

void frmHaupt::StatusBar_PanelClick(const QString &key)
{
    RunHandler([this, &key] { StatusBarPanelClicked(key); });
}

void frmHaupt::StatusBarPanelClicked(const QString &key)
{
    if (key == QLatin1String("Status")) {
        platform::ui().setClipboardText(m_statusPanel->text());
    } else if (key == QLatin1String("Abbruch")) {
        m_abbruchPanel->setBevel(StatusBarPanel::Bevel::Inset);
        for (records::RecordClassBase *record : modHaupt::RecordObjectsInCancelOrder())
            record->setCancel(true);
        m_cancelRequested = true;
        // A command waiting for a frozen ACT! stops waiting too.
        actlink::clACTApplication::CancelWaiting();
    }
}

void frmHaupt::InfoZoom_GotFocus(InfoZoomControl *control)
{
    RunHandler([this, control] {
        m_activeTable = control;
        ColorBarLikeActiveTable();
        UpdateMenus();
    });
}

void frmHaupt::InfoZoom_Notify(InfoZoomControl *control, const QString &kind, const QString &command)
{
    RunHandler([&] { InfoZoomNotified(control, kind, command); });
}

void frmHaupt::InfoZoomNotified(InfoZoomControl *control, const QString &kind, const QString &command)
{
    if (kind == QLatin1String("Command") &&
        (command == QLatin1String("CInsertAttributeCommand") || command == QLatin1String("CDeleteAttributeCommand") ||
         command == QLatin1String("CRedefineAttributeCommand"))) {
        if (modHaupt::Projekt)
            modHaupt::Projekt->DataChanged();
        if (control == m_infoZoomKontakt)
            UpdateMenus();
    } else if (kind == QLatin1String("CommandNotSubmitted") && command == QLatin1String("CAttributesMover")) {
        m_activeTable = control;
    }
    UpdateMenus();
}

} // namespace mainwindow
