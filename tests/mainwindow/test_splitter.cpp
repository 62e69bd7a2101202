// The splitter between the two tables: layout from the ratio, drag limits, collapse and restore.
#include "MainWindowFixture.h"

#include "infozoom/InfoZoomTable.h"

using namespace mainwindow;

class Splitter : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        options = {{QStringLiteral("WindowWidth"), 12000.0},
                   {QStringLiteral("WindowHeight"), 9000.0},
                   {QStringLiteral("BarTop"), 0.5}};
        load();
    }
    int range() const { return window->BarMaxTop() - window->BarMinTop(); }
};

TEST_F(Splitter, TheRatioPlacesTheBarBetweenTheTables)
{
    ASSERT_GT(range(), 100);
    const int split = range() / 2; // the whole-number part of 0.5 x range
    EXPECT_EQ(bar()->height(), 8);
    EXPECT_EQ(bar()->y(), split - 1);
    EXPECT_EQ(upperHeight(), split - 2);
    EXPECT_EQ(lowerTop(), split + 8);
    EXPECT_EQ(lowerHeight(), window->BarMaxTop() - split - 8);
    EXPECT_EQ(bar()->width(), window->centralWidget()->width());
    EXPECT_NEAR(window->BarRatio(), 0.5, 1.0 / range());
}

TEST_F(Splitter, AResizeKeepsTheSplitAtTheSameFraction)
{
    window->resize(window->width(), window->height() + 200);
    QApplication::processEvents();
    EXPECT_NEAR(double(bar()->y() + 1) / range(), 0.5, 2.0 / range());
}

TEST_F(Splitter, DraggingMovesTheSplitAndTheRatio)
{
    dragBarTo(100);
    EXPECT_EQ(bar()->y(), 100);
    EXPECT_EQ(upperHeight(), 99);
    EXPECT_EQ(lowerTop(), 109);
    EXPECT_NEAR(window->BarRatio(), 101.0 / range(), 0.0001);
}

TEST_F(Splitter, DragLimitsAreExclusive)
{
    const int before = bar()->y();
    pressBar();
    moveBar(window->BarMinTop() - bar()->y()); // onto the upper table's top edge
    EXPECT_EQ(bar()->y(), before);
    moveBar(window->centralWidget()->height() - 8 - bar()->y()); // onto the status bar
    EXPECT_EQ(bar()->y(), before);
    moveBar(window->centralWidget()->height() - 9 - bar()->y());
    EXPECT_EQ(bar()->y(), window->centralWidget()->height() - 9);
    moveBar(1 - bar()->y());
    EXPECT_EQ(bar()->y(), 1);
    releaseBar();
}

TEST_F(Splitter, MovingWithoutTheButtonDoesNotDrag)
{
    const int before = bar()->y();
    moveBar(-40, false);
    EXPECT_EQ(bar()->y(), before);
}

TEST_F(Splitter, AClickWithoutMovingLeavesTheSplitWhereItIs)
{
    const int before = bar()->y();
    const double ratio = window->BarRatio();
    for (int i = 0; i < 3; ++i) {
        pressBar();
        releaseBar();
    }
    EXPECT_EQ(bar()->y(), before);
    EXPECT_DOUBLE_EQ(window->BarRatio(), ratio);
}

TEST_F(Splitter, DoubleClickDragDoubleClickReturnsToTheFirstRatio)
{
    const double first = window->BarRatio();
    doubleClickBar();
    EXPECT_TRUE(window->BarCollapsed());
    EXPECT_EQ(window->BarRatio(), 0.0);
    EXPECT_EQ(window->SavedBarRatio(), first);
    EXPECT_EQ(upperHeight(), 2);
    EXPECT_EQ(lowerTop(), window->BarMinTop() + 8);

    dragBarTo(150);
    EXPECT_TRUE(window->BarCollapsed()) << "dragging does not clear the collapsed state";
    EXPECT_GT(window->BarRatio(), 0.0);

    doubleClickBar();
    EXPECT_FALSE(window->BarCollapsed());
    EXPECT_EQ(window->BarRatio(), first);
    EXPECT_EQ(bar()->y(), range() / 2 - 1);
}

TEST_F(Splitter, ClosingCollapsedStoresTheSavedRatio)
{
    dragBarTo(120);
    const double beforeCollapse = window->BarRatio();
    doubleClickBar();
    ASSERT_EQ(window->BarRatio(), 0.0);
    closeWindow();
    EXPECT_DOUBLE_EQ(options.value(QStringLiteral("BarTop")).toDouble(), beforeCollapse);
}

TEST_F(Splitter, PressingLightensTheBarAndReleasingTakesTheActiveTablesColour)
{
    window->ActiveTable()->Table()->SetMainColor(230, 100, 20);
    bar()->setColor(QColor(230, 100, 20));
    pressBar();
    EXPECT_EQ(bar()->color(), QColor(255, 148, 68));
    window->InfoZoomExtra()->Table()->SetMainColor(10, 20, 30);
    emit window->InfoZoomExtra()->GotFocus();
    releaseBar();
    EXPECT_EQ(bar()->color(), QColor(10, 20, 30));
}

TEST_F(Splitter, ARatioWrittenAtCloseIsReadBackToTheSameSplit)
{
    dragBarTo(140);
    const int split = bar()->y();
    closeWindow();
    window.reset();
    modHaupt::Projekt = std::make_unique<project::clProjekt>();
    load();
    EXPECT_NEAR(bar()->y(), split, 1);
}

TEST_F(Splitter, AMinimisedWindowKeepsItsLayout)
{
    const int barTop = bar()->y();
    const int upper = upperHeight();
    window->showMinimized();
    QApplication::processEvents();
    ASSERT_TRUE(window->isMinimized());
    window->resize(window->width() + 100, window->height() + 300);
    QApplication::processEvents();
    EXPECT_EQ(bar()->y(), barTop);
    EXPECT_EQ(upperHeight(), upper);
}
