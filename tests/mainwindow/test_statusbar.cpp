// The status bar: panels, the cancel click reaching a running loop, the status text on the clipboard.
#include "MainWindowFixture.h"

#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

using namespace mainwindow;

class StatusBar : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        load();
    }
};

TEST_F(StatusBar, ThreePanelsInOrderWithAbbruchHidden)
{
    const QList<StatusBarPanel *> panels = window->statusBar()->findChildren<StatusBarPanel *>();
    ASSERT_EQ(panels.size(), 3);
    EXPECT_EQ(window->StatusPanel()->key(), QStringLiteral("Status"));
    EXPECT_EQ(window->ACTDBPanel()->key(), QStringLiteral("ACTDB"));
    EXPECT_EQ(window->AbbruchPanel()->text(), QStringLiteral("Abbruch"));
    EXPECT_FALSE(window->AbbruchPanel()->isVisible());
    EXPECT_LT(window->StatusPanel()->x(), window->ACTDBPanel()->x());
    // The status text takes the free width.
    EXPECT_GT(window->StatusPanel()->width(), window->width() / 2);
}

TEST_F(StatusBar, StatusClickPutsExactlyItsTextOnTheClipboard)
{
    ui.setClipboardText(QStringLiteral("etwas ganz anderes, das länger ist"));
    window->SetStatusBarText(QStringLiteral("Die Notizdaten wurden geladen."));
    clickPanel(window->StatusPanel());
    EXPECT_EQ(ui.clipboardText(), QStringLiteral("Die Notizdaten wurden geladen."));
}

TEST_F(StatusBar, TheOtherPanelsLeaveTheClipboardAlone)
{
    ui.setClipboardText(QStringLiteral("vorher"));
    window->SetStatusBarText(QStringLiteral("Text"));
    clickPanel(window->ACTDBPanel());
    EXPECT_EQ(ui.clipboardText(), QStringLiteral("vorher"));
    EXPECT_FALSE(window->CancelRequested());
}

TEST_F(StatusBar, EnableControlsDisablesMenusAndToolbarAndShowsAbbruch)
{
    window->EnableControls(false, true);
    for (const char *menu : {"mnuDatei", "mnuEdit", "mnuData", "mnuAktionen", "mnuHelp"})
        EXPECT_FALSE(window->Menu(QString::fromLatin1(menu))->isEnabled()) << menu;
    EXPECT_FALSE(window->Toolbar()->isEnabled());
    EXPECT_TRUE(window->AbbruchPanel()->isVisible());
    EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);

    window->EnableControls(true, true);
    EXPECT_TRUE(window->Menu(QStringLiteral("mnuDatei"))->isEnabled());
    EXPECT_TRUE(window->Menu(QStringLiteral("mnuHelp"))->isEnabled());
    EXPECT_TRUE(window->Toolbar()->isEnabled());
    EXPECT_FALSE(window->AbbruchPanel()->isVisible());
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(StatusBar, EnableControlsWithoutPointerLeavesThePointer)
{
    window->EnableControls(false, false);
    EXPECT_NE(window->cursor().shape(), Qt::WaitCursor);
    window->EnableControls(true, false);
}

TEST_F(StatusBar, CancelClickReachesARunningLoopThroughTheStatusText)
{
    modHaupt::Kontakte = std::make_unique<FakeRecord>();
    modHaupt::Gruppen = std::make_unique<FakeRecord>();
    window->setCancelRequested(false);
    window->EnableControls(false, true);

    // The user clicks "Abbruch" while the loop runs: the click waits in the event queue until the
    // loop's next status text lets events run.
    int doEvents = 0;
    ui.onDoEvents = [&] {
        if (++doEvents == 3) {
            StatusBarPanel *panel = window->AbbruchPanel();
            const QPointF centre = panel->rect().center();
            QApplication::postEvent(panel, new QMouseEvent(QEvent::MouseButtonPress, centre, panel->mapToGlobal(centre),
                                                           Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
            QApplication::postEvent(panel, new QMouseEvent(QEvent::MouseButtonRelease, centre,
                                                           panel->mapToGlobal(centre), Qt::LeftButton, Qt::NoButton,
                                                           Qt::NoModifier));
        }
    };
    int done = 0;
    const int total = 1000;
    while (done < total && !modHaupt::Kontakte->Cancel()) {
        ++done;
        window->SetStatusBarText(QStringLiteral("Die Kontakte werden gelesen (%1/%2)...").arg(done).arg(total));
    }
    ui.onDoEvents = nullptr;

    EXPECT_LT(done, 10);
    EXPECT_TRUE(window->CancelRequested());
    EXPECT_TRUE(modHaupt::Gruppen->Cancel());
    EXPECT_EQ(window->AbbruchPanel()->bevel(), StatusBarPanel::Bevel::Inset);
    window->EnableControls(true, true);
    EXPECT_EQ(window->AbbruchPanel()->bevel(), StatusBarPanel::Bevel::Raised);
}

TEST_F(StatusBar, CancelReachesEveryRecordObjectThatExists)
{
    modHaupt::Notizen = std::make_unique<FakeRecord>();
    modHaupt::Aufgaben = std::make_unique<FakeRecord>();
    modHaupt::ADODaten = std::make_unique<FakeRecord>();
    window->StatusBar_PanelClick(QStringLiteral("Abbruch"));
    EXPECT_TRUE(modHaupt::Notizen->Cancel());
    EXPECT_TRUE(modHaupt::Aufgaben->Cancel());
    EXPECT_TRUE(modHaupt::ADODaten->Cancel());
    EXPECT_EQ(modHaupt::Kontakte, nullptr);
    EXPECT_EQ(modHaupt::RecordObjectsInCancelOrder().size(), 3);
}
