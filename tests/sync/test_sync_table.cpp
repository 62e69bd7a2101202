// SyncTable on two bare tables: progress steps, the mode rule when marking or excluding is not
// possible, values of other types than text, and errors that are not an absent value.
#include "mainwindow/SyncTable.h"

#include "GTestScriptedUi.h"
#include "platform/VbError.h"
#include "infozoom/InfoZoomTable.h"
#include "infozoom/TableData.h"

#include <gtest/gtest.h>

namespace {

using mainwindow::ApplySyncMode;
using mainwindow::SyncTable;

class SyncTableTest : public ::testing::Test
{
protected:
    GTestScriptedUi ui;
    InfoZoomTable source;
    InfoZoomTable dest;
    QStringList progress;

    // n rows in each table; the source holds the values 1..n as texts, the destination "present".
    void fill(InfoZoomTable &table, InfoZoomAttribute &attribute, const QStringList &values)
    {
        attribute = table.Attributes().Add(QStringLiteral("Schlüssel"));
        InfoZoomObjects rows = table.Objects();
        for (const QString &v : values)
            rows.Add().setValue(attribute, v);
    }
    static QStringList numbers(int from, int to, const QString &prefix = QStringLiteral("W"))
    {
        QStringList list;
        for (int i = from; i <= to; ++i)
            list << prefix + QString::number(i);
        return list;
    }
    mainwindow::SyncCounts sync(bool mark, bool zoom)
    {
        return SyncTable(&dest, src, dst, mark, zoom, [this](const QString &text) { progress << text; });
    }

    InfoZoomAttribute src, dst;
};

TEST_F(SyncTableTest, ProgressEverySeventyOneValuesWithTheTotal)
{
    fill(source, src, numbers(1, 142));
    fill(dest, dst, numbers(1, 200));
    for (const QString &v : numbers(1, 142))
        src.SelectValue(v, true);
    const mainwindow::SyncCounts counts = sync(false, true);
    EXPECT_EQ(counts.found, 142);
    EXPECT_EQ(counts.notFound, 0);
    EXPECT_EQ(progress, (QStringList{QStringLiteral("Synchronisiere Tabelle... (71/142)"),
                                     QStringLiteral("Synchronisiere Tabelle... (142/142)")}));
    EXPECT_EQ(dest.CurrentObjects().Count(), 142);
}

TEST_F(SyncTableTest, NoProgressBelowSeventyOneValues)
{
    fill(source, src, numbers(1, 70));
    fill(dest, dst, numbers(1, 10));
    for (const QString &v : numbers(1, 70))
        src.SelectValue(v, true);
    const mainwindow::SyncCounts counts = sync(true, false);
    EXPECT_TRUE(progress.isEmpty());
    EXPECT_EQ(counts.found, 10);
    EXPECT_EQ(counts.notFound, 60);
    EXPECT_EQ(dest.StatusText(), QStringLiteral("10 gefundene(s) Objekt(e) wurden markiert, und 60 nicht gefundene(s) "
                                                "Objekt(e) wurde(n) markiert"));
}

TEST_F(SyncTableTest, WholeNumbersMeetTheirTextInTheDestination)
{
    src = source.Attributes().Add(QStringLiteral("Nummer"));
    InfoZoomObjects rows = source.Objects();
    for (int n : {7, 12, 4000})
        rows.Add().setValue(src, n);
    fill(dest, dst, {QStringLiteral("7"), QStringLiteral("12"), QStringLiteral("8")});
    for (int n : {7, 12, 4000})
        src.SelectValue(n, true);
    const mainwindow::SyncCounts counts = sync(false, true);
    EXPECT_EQ(counts.found, 2);
    EXPECT_EQ(counts.notFound, 1);
    EXPECT_EQ(dest.CurrentObjects().Count(), 2);
}

TEST_F(SyncTableTest, TheDestinationSelectionIsResetEvenWhenNothingMatches)
{
    fill(source, src, {QStringLiteral("x")});
    fill(dest, dst, {QStringLiteral("a"), QStringLiteral("b")});
    dst.SelectValue(QStringLiteral("a"), true);
    src.SelectValue(QStringLiteral("x"), true);
    sync(false, true);
    EXPECT_FALSE(dest.data()->hasSelection());
    EXPECT_FALSE(dest.CanZoomBack());
}

TEST_F(SyncTableTest, ADestinationAttributeThatLeftItsTableIsAnErrorNotANotFound)
{
    fill(source, src, {QStringLiteral("a")});
    fill(dest, dst, {QStringLiteral("a")});
    src.SelectValue(QStringLiteral("a"), true);
    dest.DeleteAttribute(dst);
    EXPECT_THROW(sync(false, true), platform::VbError);
}

// A table that answers CanMark and CanExclude as told and records what is done to it.
struct RecordingTable
{
    bool canMark = true;
    bool canExclude = true;
    QStringList calls;
    bool CanMark() const { return canMark; }
    bool CanExclude() const { return canExclude; }
    void Mark() { calls << QStringLiteral("Mark"); }
    void Zoom() { calls << QStringLiteral("Zoom"); }
    void Exclude() { calls << QStringLiteral("Exclude"); }
};

TEST(SyncMode, ExcludeMarksFirstWhenItCan)
{
    RecordingTable table;
    ApplySyncMode(table, false, false);
    EXPECT_EQ(table.calls, (QStringList{QStringLiteral("Mark"), QStringLiteral("Exclude")}));
}

TEST(SyncMode, ExcludeWithoutCanMarkExcludesWithoutMarking)
{
    RecordingTable table;
    table.canMark = false;
    ApplySyncMode(table, false, false);
    EXPECT_EQ(table.calls, QStringList{QStringLiteral("Exclude")});
}

TEST(SyncMode, ExcludeWithoutCanExcludeDoesNothing)
{
    RecordingTable table;
    table.canExclude = false;
    ApplySyncMode(table, false, false);
    EXPECT_TRUE(table.calls.isEmpty());
}

TEST(SyncMode, MarkOnlyWhenItCanAndZoomAlways)
{
    RecordingTable table;
    table.canMark = false;
    ApplySyncMode(table, true, false);
    EXPECT_TRUE(table.calls.isEmpty());
    ApplySyncMode(table, false, true);
    EXPECT_EQ(table.calls, QStringList{QStringLiteral("Zoom")});
    table.canMark = true;
    table.calls.clear();
    ApplySyncMode(table, true, true);
    EXPECT_EQ(table.calls, QStringList{QStringLiteral("Mark")});
}

} // namespace
