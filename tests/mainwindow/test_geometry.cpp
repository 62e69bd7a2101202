// Window geometry: which stored values are accepted at start-up, and what shut-down stores.
#include "MainWindowFixture.h"

#include "mainwindow/WindowGeometry.h"

using namespace mainwindow;

namespace {

OptionReader reader(const QHash<QString, QVariant> &stored)
{
    return [stored](const QString &key) { return stored.value(key); };
}

const QSize kWideScreen(2560 * 15, 1440 * 15);

} // namespace

TEST(GeometryBounds, OutOfRangeValuesFallBackToTheirDefaults)
{
    const WindowPlacementTwips placement =
        RestoredPlacement(reader({{QStringLiteral("WindowWidth"), 7000.0},
                                  {QStringLiteral("WindowLeft"), -10.0},
                                  {QStringLiteral("WindowTop"), 16000.0},
                                  {QStringLiteral("WindowHeight"), 6000.0}}),
                          kWideScreen);
    EXPECT_EQ(placement.width, 7800);
    EXPECT_EQ(placement.left, 0);
    EXPECT_EQ(placement.top, 16000);
    EXPECT_EQ(placement.height, 6100);
    EXPECT_EQ(RestoredBarRatio(reader({{QStringLiteral("BarTop"), 1.2}})), 0.5);
    EXPECT_EQ(RestoredBarRatio(reader({{QStringLiteral("BarTop"), -0.01}})), 0.5);
}

TEST(GeometryBounds, BothBoundsAreInclusive)
{
    const QSize screen(1000 * 15, 800 * 15);
    WindowPlacementTwips placement = RestoredPlacement(reader({{QStringLiteral("WindowWidth"), 15000.0},
                                                               {QStringLiteral("WindowHeight"), 12000.0},
                                                               {QStringLiteral("WindowLeft"), 15000.0},
                                                               {QStringLiteral("WindowTop"), 0.0}}),
                                                       screen);
    EXPECT_EQ(placement.width, 15000);
    EXPECT_EQ(placement.height, 12000);
    EXPECT_EQ(placement.left, 15000);
    placement = RestoredPlacement(reader({{QStringLiteral("WindowWidth"), 15001.0},
                                          {QStringLiteral("WindowHeight"), 12001.0},
                                          {QStringLiteral("WindowLeft"), 15001.0},
                                          {QStringLiteral("WindowTop"), 12001.0}}),
                                  screen);
    EXPECT_EQ(placement.width, 7800);
    EXPECT_EQ(placement.height, 6100);
    EXPECT_EQ(placement.left, 0);
    EXPECT_EQ(placement.top, 0);
    EXPECT_EQ(RestoredBarRatio(reader({{QStringLiteral("BarTop"), 0.0}})), 0.0);
    EXPECT_EQ(RestoredBarRatio(reader({{QStringLiteral("BarTop"), 1.0}})), 1.0);
}

TEST(GeometryBounds, MissingOrUnreadableValuesGiveTheDefaults)
{
    const WindowPlacementTwips placement = RestoredPlacement(reader({}), kWideScreen);
    EXPECT_EQ(placement.width, 7800);
    EXPECT_EQ(placement.height, 6100);
    EXPECT_EQ(placement.left, 0);
    EXPECT_EQ(placement.top, 0);
    EXPECT_EQ(RestoredBarRatio(reader({{QStringLiteral("BarTop"), QStringLiteral("halb")}})), 0.5);
}

class Geometry : public MainWindowFixture
{
};

TEST_F(Geometry, StoredGeometryIsRestoredInPixels)
{
    options = {{QStringLiteral("WindowLeft"), 1500.0},
               {QStringLiteral("WindowTop"), 3000.0},
               {QStringLiteral("WindowWidth"), 12000.0},
               {QStringLiteral("WindowHeight"), 9000.0}};
    frmHaupt &main = load();
    EXPECT_EQ(main.pos(), QPoint(100, 200));
    EXPECT_EQ(main.size(), QSize(800, 600));
}

TEST_F(Geometry, TheWindowDoesNotShrinkBelowItsMinimum)
{
    frmHaupt &main = load();
    main.resize(200, 200);
    QApplication::processEvents();
    EXPECT_GE(main.width() * TwipsPerPixel, MinimumWindowWidthTwips);
    EXPECT_GE(main.height() * TwipsPerPixel, MinimumWindowHeightTwips);
}

TEST_F(Geometry, ClosingStoresPositionSizeAndRatioInTwips)
{
    options = {{QStringLiteral("WindowLeft"), 1500.0},
               {QStringLiteral("WindowTop"), 3000.0},
               {QStringLiteral("WindowWidth"), 12000.0},
               {QStringLiteral("WindowHeight"), 9000.0},
               {QStringLiteral("BarTop"), 0.25}};
    frmHaupt &main = load();
    main.move(120, 90);
    main.resize(900, 700);
    QApplication::processEvents();
    closeWindow();
    EXPECT_EQ(options.value(QStringLiteral("WindowLeft")).toInt(), 1800);
    EXPECT_EQ(options.value(QStringLiteral("WindowTop")).toInt(), 1350);
    EXPECT_EQ(options.value(QStringLiteral("WindowWidth")).toInt(), 13500);
    EXPECT_EQ(options.value(QStringLiteral("WindowHeight")).toInt(), 10500);
    EXPECT_NEAR(options.value(QStringLiteral("BarTop")).toDouble(), 0.25, 0.005);
}

TEST_F(Geometry, ClosingAMaximisedWindowStoresTheNormalGeometry)
{
    options = {{QStringLiteral("WindowLeft"), 1500.0},
               {QStringLiteral("WindowTop"), 3000.0},
               {QStringLiteral("WindowWidth"), 12000.0},
               {QStringLiteral("WindowHeight"), 9000.0}};
    frmHaupt &main = load();
    main.showMaximized();
    QApplication::processEvents();
    ASSERT_NE(main.size(), QSize(800, 600)) << "the platform did not maximise the window";
    closeWindow();
    EXPECT_EQ(options.value(QStringLiteral("WindowLeft")).toInt(), 1500);
    EXPECT_EQ(options.value(QStringLiteral("WindowTop")).toInt(), 3000);
    EXPECT_EQ(options.value(QStringLiteral("WindowWidth")).toInt(), 12000);
    EXPECT_EQ(options.value(QStringLiteral("WindowHeight")).toInt(), 9000);
}
