// Age and date texts of the data overview: calendar-unit boundaries, singular and plural, the
// missing date.
#include "mainwindow/AgeText.h"

#include <gtest/gtest.h>

using mainwindow::AgeText;
using mainwindow::DateText;
using mainwindow::MissingDate;

namespace {

QDateTime at(int day, int hour, int minute, int second = 0, int month = 12)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute, second));
}

} // namespace

TEST(AgeText, TableWithoutDateIsDash)
{
    EXPECT_EQ(AgeText(MissingDate(), at(9, 10, 0)), QStringLiteral("-"));
    EXPECT_EQ(AgeText(MissingDate(), MissingDate()), QStringLiteral("-"));
    EXPECT_EQ(AgeText(QDateTime(), at(9, 10, 0)), QStringLiteral("-"));
}

TEST(AgeText, TableLaterThanSourceIsCurrent)
{
    EXPECT_EQ(AgeText(at(9, 8, 0), at(9, 7, 0)), QStringLiteral("Aktuell"));
    EXPECT_EQ(AgeText(at(9, 8, 0, 1), at(9, 8, 0, 0)), QStringLiteral("Aktuell"));
}

TEST(AgeText, SourceFileMissingMeansCurrent)
{
    EXPECT_EQ(AgeText(at(9, 8, 0), MissingDate()), QStringLiteral("Aktuell"));
    EXPECT_EQ(AgeText(at(9, 8, 0), QDateTime()), QStringLiteral("Aktuell"));
}

TEST(AgeText, SameSecondIsEmpty)
{
    EXPECT_EQ(AgeText(at(9, 10, 15, 7), at(9, 10, 15, 7)), QString());
}

TEST(AgeText, LargestUnitWithABoundaryBetween)
{
    EXPECT_EQ(AgeText(at(9, 10, 15, 0), at(9, 10, 15, 40)), QStringLiteral("älter als 40 Sekunden"));
    EXPECT_EQ(AgeText(at(9, 10, 59), at(9, 11, 1)), QStringLiteral("älter als 1 Stunde"));
    EXPECT_EQ(AgeText(at(8, 23, 30), at(9, 0, 10)), QStringLiteral("älter als 1 Tag"));
    EXPECT_EQ(AgeText(at(6, 12, 0), at(9, 12, 0)), QStringLiteral("älter als 3 Tage"));
    // Boundaries, not elapsed time: 59 seconds across a minute change is one minute.
    EXPECT_EQ(AgeText(at(9, 10, 0, 59), at(9, 10, 1, 0)), QStringLiteral("älter als 1 Minute"));
    EXPECT_EQ(AgeText(at(9, 10, 0, 1), at(9, 10, 0, 59)), QStringLiteral("älter als 58 Sekunden"));
    // Across a month and a year.
    EXPECT_EQ(AgeText(QDateTime(QDate(2025, 12, 31), QTime(23, 59)), QDateTime(QDate(2026, 1, 1), QTime(0, 1))),
              QStringLiteral("älter als 1 Tag"));
}

TEST(AgeText, SingularOnlyForOne)
{
    EXPECT_EQ(AgeText(at(9, 10, 0, 0), at(9, 10, 0, 1)), QStringLiteral("älter als 1 Sekunde"));
    EXPECT_EQ(AgeText(at(9, 10, 0, 0), at(9, 10, 0, 2)), QStringLiteral("älter als 2 Sekunden"));
    EXPECT_EQ(AgeText(at(9, 10, 0), at(9, 10, 2)), QStringLiteral("älter als 2 Minuten"));
    EXPECT_EQ(AgeText(at(9, 10, 0), at(9, 12, 0)), QStringLiteral("älter als 2 Stunden"));
    EXPECT_EQ(AgeText(at(9, 10, 0), at(11, 9, 0)), QStringLiteral("älter als 2 Tage"));
}

TEST(AgeText, CountsOnTheWallClockAcrossDaylightSavingChanges)
{
    // The test environment runs in Europe/Berlin: on 29 March 2026 the clock jumps from 2:00 to 3:00.
    EXPECT_EQ(AgeText(at(29, 1, 30, 0, 3), at(29, 3, 10, 0, 3)), QStringLiteral("älter als 2 Stunden"));
}

TEST(DateText, MissingDateIsDash)
{
    EXPECT_EQ(DateText(MissingDate()), QStringLiteral("-"));
    EXPECT_EQ(DateText(QDateTime()), QStringLiteral("-"));
}

TEST(DateText, DateWithTimeUnlessMidnight)
{
    EXPECT_EQ(DateText(at(9, 14, 5, 3)), QStringLiteral("09.12.2026 14:05:03"));
    EXPECT_EQ(DateText(at(9, 0, 0, 0)), QStringLiteral("09.12.2026"));
    EXPECT_EQ(DateText(at(9, 0, 0, 1)), QStringLiteral("09.12.2026 00:00:01"));
    EXPECT_EQ(DateText(QDateTime(QDate(1970, 1, 1), QTime(0, 0, 1))), QStringLiteral("01.01.1970 00:00:01"));
}
