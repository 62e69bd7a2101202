// The frequency count: line layout, bucket order, progress and cancel while listing, and the
// events that let a cancel click reach a long count.
#include "GTestScriptedUi.h"

#include "mainwindow/clHistogram.h"

#include <QStringList>
#include <gtest/gtest.h>

using mainwindow::clHistogram;

namespace {

QString dump(clHistogram &histogram, QStringList *progress = nullptr)
{
    return histogram.DumpAll([progress](const QString &text) {
        if (progress)
            *progress << text;
    });
}

void addAll(clHistogram &histogram, const QStringList &values)
{
    for (const QString &value : values)
        histogram.AddItem(value);
}

} // namespace

TEST(Histogram, EmptyValueFirstThenByFirstCharacterNoFinalLineBreak)
{
    GTestScriptedUi ui;
    clHistogram histogram;
    addAll(histogram, {"B", "A", "B", "", "A", ""});
    EXPECT_EQ(dump(histogram), QStringLiteral("<<LEER>>\t2\r\nA\t2\r\nB\t2"));
    EXPECT_EQ(histogram.ItemCount(), 6);
}

TEST(Histogram, UpperCaseBeforeLowerCaseAndCaseSensitive)
{
    GTestScriptedUi ui;
    clHistogram histogram;
    addAll(histogram, {"b", "B", "b", "a ", "a"});
    EXPECT_EQ(dump(histogram), QStringLiteral("B\t1\r\na \t1\r\na\t1\r\nb\t2"));
}

TEST(Histogram, SameFirstCharacterKeepsFirstSeenOrder)
{
    GTestScriptedUi ui;
    clHistogram histogram;
    addAll(histogram, {"Müller", "Maier", "Mayer", "Maier", "Meier", "Müller"});
    EXPECT_EQ(dump(histogram), QStringLiteral("Müller\t2\r\nMaier\t2\r\nMayer\t1\r\nMeier\t1"));
}

TEST(Histogram, BucketsFollowWindows1252Codes)
{
    EXPECT_EQ(clHistogram::BucketOf(QString()), 0);
    EXPECT_EQ(clHistogram::BucketOf(QStringLiteral("A")), 65);
    EXPECT_EQ(clHistogram::BucketOf(QStringLiteral("€uro")), 0x80);
    EXPECT_EQ(clHistogram::BucketOf(QStringLiteral("šal")), 0x9A);
    EXPECT_EQ(clHistogram::BucketOf(QStringLiteral("Äpfel")), 0xC4);
    EXPECT_EQ(clHistogram::BucketOf(QStringLiteral("ÿ")), 0xFF);
    // Not in Windows-1252: where the system's conversion puts it.
    EXPECT_EQ(clHistogram::BucketOf(QStringLiteral("Ωmega")), '?');
    EXPECT_EQ(clHistogram::BucketOf(QString::fromUtf8("\xF0\x9F\x98\x80")), '?');
}

TEST(Histogram, NonAsciiValuesListedByTheirCodePageCode)
{
    GTestScriptedUi ui;
    clHistogram histogram;
    addAll(histogram, {"Zebra", "Äpfel", "€uro", "Ωmega", "1", "?x", "Ölung", "Ωmega"});
    EXPECT_EQ(dump(histogram),
              QStringLiteral("1\t1\r\nΩmega\t2\r\n?x\t1\r\nZebra\t1\r\n€uro\t1\r\nÄpfel\t1\r\nÖlung\t1"));
}

TEST(Histogram, EmptyCountListsNothing)
{
    GTestScriptedUi ui;
    clHistogram histogram;
    QStringList progress;
    EXPECT_EQ(dump(histogram, &progress), QString());
    EXPECT_TRUE(progress.isEmpty());
}

TEST(Histogram, CountsBeyondAnyShortRange)
{
    GTestScriptedUi ui;
    clHistogram histogram;
    for (int i = 0; i < 100000; ++i)
        histogram.AddItem(QStringLiteral("x"));
    EXPECT_EQ(dump(histogram), QStringLiteral("x\t100000"));
}

TEST(Histogram, ProgressEvery79LinesAgainstAllAddedValues)
{
    GTestScriptedUi ui;
    clHistogram histogram;
    // 1000 calls, 500 distinct values: the percentages count calls, not lines.
    for (int i = 0; i < 1000; ++i)
        histogram.AddItem(QStringLiteral("v%1").arg(i % 500, 3, 10, QLatin1Char('0')));
    QStringList progress;
    const QString text = dump(histogram, &progress);
    ASSERT_EQ(progress.size(), 6); // lines 79, 158, ..., 474 of 500
    EXPECT_EQ(progress.first(), QStringLiteral("Die Daten werden in die Zwischenablage kopiert...(7%)"));
    EXPECT_EQ(progress.at(1), QStringLiteral("Die Daten werden in die Zwischenablage kopiert...(15%)"));
    EXPECT_EQ(progress.last(), QStringLiteral("Die Daten werden in die Zwischenablage kopiert...(47%)"));
    EXPECT_EQ(text.split(QStringLiteral("\r\n")).size(), 500);
}

TEST(Histogram, FirstProgressAt79thLineWith7PercentOf1000Values)
{
    GTestScriptedUi ui;
    clHistogram histogram;
    for (int i = 0; i < 1000; ++i)
        histogram.AddItem(QString::number(i));
    QStringList progress;
    int linesAtFirstProgress = -1;
    QString partial;
    // The listing is cancelled at its first progress step: what it returns is what it had.
    ui.onDoEvents = [&] { histogram.setCancel(true); };
    partial = histogram.DumpAll([&](const QString &text) { progress << text; });
    linesAtFirstProgress = static_cast<int>(partial.split(QStringLiteral("\r\n")).size());
    ASSERT_EQ(progress.size(), 1);
    EXPECT_EQ(progress.first(), QStringLiteral("Die Daten werden in die Zwischenablage kopiert...(7%)"));
    EXPECT_EQ(linesAtFirstProgress, 79);
    EXPECT_FALSE(partial.endsWith(QStringLiteral("\r\n")));
}

TEST(Histogram, CancelSetBeforeListingStopsAtFirstProgressStep)
{
    GTestScriptedUi ui;
    clHistogram histogram;
    for (int i = 0; i < 300; ++i)
        histogram.AddItem(QStringLiteral("w%1").arg(i, 3, 10, QLatin1Char('0')));
    histogram.setCancel(true);
    const QString partial = dump(histogram);
    EXPECT_EQ(partial.count(QStringLiteral("\r\n")), 78);
    EXPECT_TRUE(partial.endsWith(QStringLiteral("w078\t1")));
    EXPECT_TRUE(histogram.Cancel());
}

TEST(Histogram, EventsRunWhileCountingSoACancelClickArrives)
{
    GTestScriptedUi ui;
    clHistogram histogram;
    for (int i = 0; i < 232; ++i)
        histogram.AddItem(QStringLiteral("same"));
    EXPECT_EQ(ui.doEventsCalls(), 0);
    ui.onDoEvents = [&] { histogram.setCancel(true); };
    histogram.AddItem(QStringLiteral("other"));
    EXPECT_EQ(ui.doEventsCalls(), 1);
    EXPECT_TRUE(histogram.Cancel());
    for (int i = 0; i < 233; ++i)
        histogram.AddItem(QStringLiteral("x"));
    EXPECT_EQ(ui.doEventsCalls(), 2);
}
