// The FieldTypeCode of a source field and the rules by which its attribute format and the values
// written into the table are chosen.
#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

namespace records {

namespace FieldTypeCode {
constexpr int Text = 0;
constexpr int WholeNumber = 1;
constexpr int Decimal = 2;
constexpr int DateTime = 3;
constexpr int IdOrName = 4;
constexpr int Time = 5;
} // namespace FieldTypeCode

// The number a text holds: C notation first ("12.5"), then the user's ("12,5"); none for an empty,
// unreadable or infinite text.
std::optional<double> NumberInText(const QString &text);

// The attribute format of a code; "" for text and IDs (no format is set for them).
QString FormatOfCode(int code);

// Whole number: a numeric text becomes a 32-bit number with halves rounded to the even number;
// any other text gives -1, the empty text 0. A number beyond the 32-bit range counts as not numeric.
QVariant WholeNumberValue(const QString &text);

// Decimal: the number read with "." as decimal point, written with digit grouping and at most two
// decimals in the user's number format ("1.234,5" under German settings); -1 / 0 as for whole numbers.
QVariant DecimalValue(const QString &text);

// A date read from the source: the empty text stands for emptyDate; the text is read by the user's
// date conventions, then leniently. Empty when it is no date at all.
std::optional<QDateTime> SourceDate(const QString &text, const QString &emptyDate);

// The value written for a date (code 3) or time (code 5) field: "dd.mm.yyyy hh:nn:ss" or "hh:nn:ss"
// of SourceDate; "" when the text is no date. The form the ACT! tables deliver is converted without
// a date object (a local-time conversion per value would cost a time-zone lookup each).
QString DateValueText(const QString &text, const QString &emptyDate, bool timeOnly);
// True when a date text is already the full "dd.mm.yyyy hh:mm:ss" DateValueText makes of it.
bool IsFullDateText(const QString &text);

// "dd.mm.yyyy hh:nn:ss" and "hh:nn:ss".
QString DateTimeText(const QDateTime &value);
QString TimeText(const QDateTime &value);

} // namespace records
