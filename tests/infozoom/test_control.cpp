// The control around the table: status line, focus event, colours, display options.
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(InfoZoomControlStatus, StatusTextShowsInTheControlsOwnLineAtOnce)
{
    InfoZoomControl control;
    control.Table()->setStatusText(QStringLiteral("Übertrage Notizdaten... (1/10)"));
    EXPECT_EQ(control.statusLineText(), QStringLiteral("Übertrage Notizdaten... (1/10)"));
    EXPECT_EQ(control.Table()->StatusText(), QStringLiteral("Übertrage Notizdaten... (1/10)"));
    control.Table()->setStatusText(QString());
    EXPECT_TRUE(control.statusLineText().isEmpty());
}

// A load that failed must not leave its "...wird geladen..." over the empty table that replaces it.
TEST(InfoZoomControlStatus, ANewTableStartsWithAnEmptyStatusLine)
{
    InfoZoomControl control;
    control.Table()->setStatusText(QStringLiteral("Kontakttabelle wird geladen..."));
    control.Table()->NewTable();
    EXPECT_TRUE(control.Table()->StatusText().isEmpty());
    EXPECT_TRUE(control.statusLineText().isEmpty());
}

TEST(InfoZoomControlStatus, StatusLineFollowsDisplayOptionH)
{
    InfoZoomControl control;
    control.resize(300, 200);
    control.show();
    auto *line = control.findChild<QWidget *>(QStringLiteral("statusLine"));
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->isVisible());
    control.Table()->setDisplayOptionH(false);
    EXPECT_FALSE(line->isVisible());
    control.Table()->setDisplayOptionH(true);
    EXPECT_TRUE(line->isVisible());
}

TEST(InfoZoomControlFocus, SetFocusRaisesGotFocus)
{
    InfoZoomControl control;
    control.show();
    QSignalSpy spy(&control, &InfoZoomControl::GotFocus);
    control.SetFocus();
    EXPECT_GE(spy.count(), 1);
}

TEST(InfoZoomControlTag, TagIsKeptAsGiven)
{
    InfoZoomControl control;
    EXPECT_TRUE(control.Tag().isEmpty());
    control.setTag(QStringLiteral("Aufträge"));
    EXPECT_EQ(control.Tag(), QStringLiteral("Aufträge"));
}

TEST(InfoZoomTableColours, MainColourGivesTheLastOneSet)
{
    InfoZoomTable table;
    table.SetMainColor(0, 0, 153);
    table.SetMainColor(255, 153, 0);
    EXPECT_EQ(table.MainColorRed(), 255);
    EXPECT_EQ(table.MainColorGreen(), 153);
    EXPECT_EQ(table.MainColorBlue(), 0);
    table.SetColor3(300, -5, 17);
    EXPECT_EQ(table.color(3), QColor(255, 0, 17));
    EXPECT_EQ(table.MainColorRed(), 255);
}

TEST(InfoZoomTableOptions, EachOptionIsStoredOnItsOwn)
{
    InfoZoomTable table;
    table.setDisplayOptionA(false);
    table.setDisplayOptionT(true);
    table.setDisplayOptionK(true);
    EXPECT_FALSE(table.DisplayOptionA());
    EXPECT_TRUE(table.DisplayOptionT());
    EXPECT_TRUE(table.DisplayOptionK());
    table.setDisplayOptionK(false);
    EXPECT_FALSE(table.DisplayOptionK());
    EXPECT_FALSE(table.DisplayOptionA());
}

TEST(InfoZoomControlDisplay, ChangesWhileDisplayIsOffAskForUpdateView)
{
    InfoZoomControl control;
    InfoZoomTable *table = control.Table();
    EXPECT_TRUE(table->ViewUpdated());
    control.setDisplayEnabled(false);
    EXPECT_FALSE(control.DisplayEnabled());
    table->NewTable();
    EXPECT_FALSE(table->ViewUpdated());
    control.setDisplayEnabled(true);
    table->Refresh();
    if (!table->ViewUpdated())
        table->UpdateView();
    EXPECT_TRUE(table->ViewUpdated());
}

TEST(InfoZoomControlDisplay, AnUpdateWhileTheDisplayStaysOffIsOutdatedByTheNextChange)
{
    InfoZoomControl control;
    InfoZoomTable *table = control.Table();
    InfoZoomAttribute name = table->Attributes().Add(QStringLiteral("Name"));
    control.setDisplayEnabled(false);
    table->Objects().Add().setValue(name, QStringLiteral("Berg"));
    table->Objects().Add().setValue(name, QStringLiteral("Tal"));
    EXPECT_FALSE(table->ViewUpdated());
    table->UpdateView();
    EXPECT_TRUE(table->ViewUpdated());
    table->Objects().Add().setValue(name, QStringLiteral("See"));
    EXPECT_FALSE(table->ViewUpdated());

    QSignalSpy repaints(table, &InfoZoomTable::contentChanged);
    control.setDisplayEnabled(true);
    EXPECT_EQ(repaints.count(), 1);
    table->Objects().Add().setValue(name, QStringLiteral("Wald"));
    QCoreApplication::processEvents();
    EXPECT_EQ(repaints.count(), 2);
    EXPECT_EQ(table->Objects().Count(), 4);
}
