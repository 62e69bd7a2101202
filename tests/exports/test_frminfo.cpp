// The about box: version line, product label, the credits window moving one unit per tick and
// starting again after the last full window, and what closes it.
#include "mainwindow/frmInfo.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using mainwindow::frmInfo;

namespace {

// A credits picture whose row y is painted in a colour that names y.
QPixmap numberedRows(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(y % 256, y / 256, 7));
    return QPixmap::fromImage(image);
}

int shownRow(const frmInfo &box, int yInBox = 0)
{
    const QImage frame = box.picScrollText()->pixmap().toImage();
    const QRgb pixel = frame.pixel(3, yInBox);
    return qRed(pixel) + 256 * qGreen(pixel);
}

} // namespace

TEST(frmInfo, VersionLineAndProduct)
{
    EXPECT_EQ(frmInfo::VersionText(2, 14, 305), QStringLiteral("Version 2.14.0.305"));
    frmInfo box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Informationen über das Programm"));
    EXPECT_EQ(box.lbVersion()->text(),
              frmInfo::VersionText(DATOLUX_TEST_VERSION_MAJOR, DATOLUX_TEST_VERSION_MINOR, DATOLUX_TEST_VERSION_PATCH));
    EXPECT_EQ(box.lbProdukt()->text(), QStringLiteral("Datolux"));
    EXPECT_EQ(box.ScrollPosition(), 0);
    EXPECT_TRUE(box.Timer1()->isActive());
    EXPECT_EQ(box.Timer1()->interval(), 70);
    // The credits picture of its own is taller than the box it scrolls in.
    ASSERT_EQ(box.ilScrollTexte().size(), 1);
    EXPECT_GT(box.ilScrollTexte().first().height(), box.picScrollText()->contentsRect().height());
}

TEST(frmInfo, CreditsWrapAfterTheLastFullWindow)
{
    frmInfo box;
    box.Timer1()->stop();
    box.picScrollText()->setFixedSize(120, 44);
    box.setCreditsPicture(numberedRows(120, 500));
    for (int position = 0; position <= 455; ++position) {
        ASSERT_EQ(box.ScrollPosition(), position);
        box.Timer1_Timer();
        ASSERT_EQ(shownRow(box), position);
        ASSERT_EQ(shownRow(box, 43), position + 43);
    }
    EXPECT_EQ(box.ScrollPosition(), 0);
    box.Timer1_Timer();
    EXPECT_EQ(shownRow(box), 0);
    EXPECT_EQ(box.ScrollPosition(), 1);
}

TEST(frmInfo, TimerMovesTheCredits)
{
    frmInfo box;
    box.show();
    QTest::qWait(400);
    EXPECT_GE(box.ScrollPosition(), 2);
}

TEST(frmInfo, ClickOnAnyPartCloses)
{
    for (int target = 0; target < 4; ++target) {
        frmInfo box;
        box.show();
        QWidget *widgets[] = {&box, box.lbVersion(), box.lbProdukt(), box.picScrollText()};
        QTest::mouseClick(widgets[target], Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_FALSE(box.isVisible()) << target;
        EXPECT_FALSE(box.Timer1()->isActive()) << target;
    }
}

TEST(frmInfo, OnlyEscCloses)
{
    frmInfo box;
    box.show();
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_F1})
        QTest::keyClick(&box, key);
    EXPECT_TRUE(box.isVisible());
    EXPECT_TRUE(box.Timer1()->isActive());
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_FALSE(box.isVisible());
}
