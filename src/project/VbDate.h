// Dates as the program writes them into the project file and reads them back from the project file
// and from ACT!: the standard date text under the user's regional settings, and a lenient reading.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace project {

// 1 January 1970, 00:00:00 local time: the value of a missing date everywhere in the program.
QDateTime MissingDate();

// The standard text of a date under the user's regional settings: the short date (with a four-digit
// year even where the region writes two), a blank and the time with seconds; only the date when the
// time is exactly 00:00:00.
QString DateToText(const QDateTime &value);

// Reads a date text written under any regional settings, to the second: day, month and year as
// numbers separated by ".", "/" or "-" (a leading four-digit number is the year: year-month-day) or
// with the month by name ("9 Dec 2026", "9. Dez. 2026"); an optional time "h:m[:s]" with an
// optional AM/PM; blanks around ignored; two-digit years 0-29 mean 20xx, 30-99 mean 19xx; a time
// alone stands on 30 December 1899. When day and month could be either, the reader's own order
// holds if its settings could have written the text, else the American order for American-looking
// texts, else day first. Empty when the text is no date.
std::optional<QDateTime> TextToDate(const QString &text);

} // namespace project
