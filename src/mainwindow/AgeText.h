// How old a table of the project is against the ACT! file it was read from, and dates as the data
// overview writes them.
#pragma once

#include <QDateTime>
#include <QString>

namespace mainwindow {

// The date that stands for "no date" in the table descriptors: 1/1/1970 0:0:0, local time.
QDateTime MissingDate();
bool IsMissingDate(const QDateTime &date);

// "-" for the missing date (or no date at all); otherwise the date in the user's short date format
// with a four-digit year, followed by the time of day to the second unless it is exactly midnight.
QString DateText(const QDateTime &date);

// The age of a table read at tableDate against a source changed at sourceDate:
// "-" when the table has no date, "Aktuell" when the table is strictly later than the source,
// otherwise "älter als " and the count of the largest calendar unit whose boundary lies between the
// two (days, hours, minutes, seconds; "23:59 to 0:01" is one day), with its German singular or
// plural; "" when both fall on the same second.
QString AgeText(const QDateTime &tableDate, const QDateTime &sourceDate);

} // namespace mainwindow
