// The main window on a real X display: toolbar, upper table, splitter, lower table and status bar
// stand one below the other without gaps or overlaps. With DATOLUX_SCREENSHOT set to a file path,
// the shown window is also saved there as an image.
#include "GTestScriptedUi.h"

#include "mainwindow/MainWindowEnvironment.h"
#include "mainwindow/SplitterBar.h"
#include "mainwindow/StatusBarPanel.h"
#include "mainwindow/frmHaupt.h"
#include "mainwindow/modHaupt.h"
#include "infozoom/InfoZoomControl.h"

#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using namespace mainwindow;

namespace {

MainWindowEnvironment testEnvironment(QHash<QString, QVariant> *options)
{
    MainWindowEnvironment environment;
    environment.getOption = [options](const QString &key) { return options->value(key); };
    environment.setOption = [options](const QString &key, const QVariant &value) { options->insert(key, value); };
    environment.screenSizeTwips = [] { return QSize(1600 * TwipsPerPixel, 1000 * TwipsPerPixel); };
    return environment;
}

QRect inWindow(const QWidget *widget, const QWidget *window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

} // namespace

TEST(MainWindowOnScreen, TheFramePartsStackFromToolbarToStatusBar)
{
    GTestScriptedUi ui;
    QHash<QString, QVariant> options{{QStringLiteral("WindowLeft"), 600.0},
                                     {QStringLiteral("WindowTop"), 600.0},
                                     {QStringLiteral("WindowWidth"), 15000.0},
                                     {QStringLiteral("WindowHeight"), 10500.0},
                                     {QStringLiteral("BarTop"), 0.45}};
    modHaupt::Main(QString(), testEnvironment(&options));
    frmHaupt *window = modHaupt::MainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    window->SetStatusBarText(QStringLiteral("Bereit."));
    QTest::qWait(50);

    const QRect toolbar = inWindow(window->Toolbar(), window);
    const QRect upper = inWindow(window->InfoZoomKontakt(), window);
    const QRect bar = inWindow(window->Trennbalken(), window);
    const QRect lower = inWindow(window->InfoZoomExtra(), window);
    const QRect status = inWindow(window->statusBar(), window);

    EXPECT_GE(toolbar.top(), window->menuBar()->geometry().bottom());
    EXPECT_LE(toolbar.bottom(), upper.top());
    EXPECT_EQ(bar.top(), upper.bottom() + 1 + 1);
    EXPECT_EQ(lower.top(), bar.bottom() + 1 + 1);
    EXPECT_LE(lower.bottom(), status.top());
    EXPECT_EQ(status.bottom(), window->height() - 1);
    for (const QRect &part : {upper, bar, lower})
        EXPECT_EQ(part.width(), window->width()) << "every part takes the full inner width";
    EXPECT_GT(upper.height(), 100);
    EXPECT_GT(lower.height(), 100);
    EXPECT_TRUE(window->StatusPanel()->isVisible());

    const QString screenshot = qEnvironmentVariable("DATOLUX_SCREENSHOT");
    if (!screenshot.isEmpty())
        window->grab().save(screenshot);

    window->close();
    modHaupt::UnloadMainWindow();
}
