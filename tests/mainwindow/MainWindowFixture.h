// A main window loaded with settings and a screen of the test's choosing, the scripted UI, and
// helpers that drive the splitter and the status bar with real mouse events.
#pragma once

#include "GTestScriptedUi.h"

#include "mainwindow/SplitterBar.h"
#include "mainwindow/StatusBarPanel.h"
#include "mainwindow/frmHaupt.h"
#include "mainwindow/modHaupt.h"
#include "platform/VbError.h"
#include "project/clProjekt.h"
#include "records/RecordClassBase.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QApplication>
#include <QHash>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <memory>

class FakeRecord final : public records::RecordClassBase
{
public:
    FakeRecord() : RecordClassBase(records::TableKind::Kontakte) {}
};

class MainWindowFixture : public ::testing::Test
{
protected:
    GTestScriptedUi ui;
    QHash<QString, QVariant> options;
    QSize screenTwips{1600 * 15, 1000 * 15};
    std::unique_ptr<mainwindow::frmHaupt> window;

    void SetUp() override { modHaupt::Projekt = std::make_unique<project::clProjekt>(); }
    void TearDown() override
    {
        window.reset();
        modHaupt::UnloadMainWindow();
    }

    // The settings store as the program settings present it: a missing key gives its default.
    mainwindow::MainWindowEnvironment environment()
    {
        mainwindow::MainWindowEnvironment env;
        env.getOption = [this](const QString &key) {
            static const QHash<QString, QVariant> defaults{{QStringLiteral("WindowWidth"), 7800.0},
                                                           {QStringLiteral("WindowHeight"), 6100.0},
                                                           {QStringLiteral("WindowLeft"), 0.0},
                                                           {QStringLiteral("WindowTop"), 0.0},
                                                           {QStringLiteral("BarTop"), 0.5}};
            return options.value(key, defaults.value(key));
        };
        env.setOption = [this](const QString &key, const QVariant &value) { options.insert(key, value); };
        env.screenSizeTwips = [this] { return screenTwips; };
        return env;
    }

    mainwindow::frmHaupt &load()
    {
        window = std::make_unique<mainwindow::frmHaupt>(environment());
        window->Form_Load();
        window->show();
        QApplication::processEvents();
        return *window;
    }

    // A close request as the close box makes it; the shut-down it starts runs from the event loop.
    void closeWindow()
    {
        window->close();
        QApplication::processEvents();
    }

    // The values of an attribute over a set of rows, in the set's order.
    static QStringList column(InfoZoomObjects set, const InfoZoomAttribute &attribute)
    {
        QStringList result;
        set.Reset();
        const int n = set.Count();
        for (int i = 0; i < n; ++i)
            result << set.NextObject().Value(attribute).toString();
        return result;
    }

    static void send(QWidget *target, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    void pressBar(int y = 4) { send(bar(), QEvent::MouseButtonPress, {10, y}, Qt::LeftButton, Qt::LeftButton); }
    void moveBar(int y, bool held = true)
    {
        send(bar(), QEvent::MouseMove, {10, y}, Qt::NoButton, held ? Qt::LeftButton : Qt::NoButton);
    }
    void releaseBar(int y = 4) { send(bar(), QEvent::MouseButtonRelease, {10, y}, Qt::LeftButton, Qt::NoButton); }
    void doubleClickBar()
    {
        pressBar();
        releaseBar();
        send(bar(), QEvent::MouseButtonDblClick, {10, 4}, Qt::LeftButton, Qt::LeftButton);
        releaseBar();
    }
    // Drags the bar so that its top lands at barTop (frame-area coordinates) and lets go.
    void dragBarTo(int barTop)
    {
        pressBar(4);
        moveBar(barTop - bar()->y());
        releaseBar(barTop - bar()->y());
    }

    void clickPanel(mainwindow::StatusBarPanel *panel)
    {
        const QPoint centre = panel->rect().center();
        send(panel, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
        send(panel, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
    }

    mainwindow::SplitterBar *bar() const { return window->Trennbalken(); }
    int upperHeight() const { return window->InfoZoomKontakt()->height(); }
    int lowerTop() const { return window->InfoZoomExtra()->y(); }
    int lowerHeight() const { return window->InfoZoomExtra()->height(); }
};
