// ADO column types and values in the external-data table and in the data source dialog's test list.
#include "ADOValues.h"

#include "FieldValues.h"
#include "ado/DataTypeEnum.h"
#include "ado/ExactDecimal.h"
#include "project/VbDate.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace records {

namespace {

// The parts of an exact decimal in plain notation, without leading zeros before the point.
struct DecimalParts
{
    bool negative = false;
    QString whole;    // "0" at least
    QString fraction; // as many places as the text has
};

DecimalParts partsOf(const QString &plain)
{
    DecimalParts parts;
    QStringView text(plain);
    parts.negative = text.startsWith(u'-');
    if (text.startsWith(u'-') || text.startsWith(u'+'))
        text = text.mid(1);
    const qsizetype point = text.indexOf(u'.');
    QStringView whole = point < 0 ? text : text.left(point);
    while (whole.size() > 1 && whole.front() == u'0')
        whole = whole.mid(1);
    parts.whole = whole.isEmpty() ? QStringLiteral("0") : whole.toString();
    parts.fraction = point < 0 ? QString() : text.mid(point + 1).toString();
    return parts;
}

// Adds one to the last digit of a string of decimal digits.
void incrementDigits(QString &digits)
{
    qsizetype i = digits.size() - 1;
    for (; i >= 0 && digits.at(i) == u'9'; --i)
        digits[i] = u'0';
    if (i < 0)
        digits.prepend(u'1');
    else
        digits[i] = QChar(digits.at(i).unicode() + 1);
}

// Rounds to two places, halves away from zero: the rule by which a binary number's two shown
// places are rounded too, here on the exact digits.
void roundToTwoPlaces(DecimalParts &parts)
{
    const QString places = (parts.fraction + QStringLiteral("000")).left(3);
    QString digits = parts.whole + places.left(2);
    if (places.at(2) >= u'5')
        incrementDigits(digits);
    parts.whole = digits.chopped(2);
    parts.fraction = digits.right(2);
}

// Rounds to a whole number, halves to the even one, as a binary number is rounded for a
// whole-number column.
void roundToWhole(DecimalParts &parts)
{
    const QStringView fraction(parts.fraction);
    if (!fraction.isEmpty() && fraction.front() >= u'5') {
        const bool beyondHalf = fraction.front() > u'5' ||
                                std::any_of(fraction.begin() + 1, fraction.end(), [](QChar c) { return c != u'0'; });
        const bool odd = (parts.whole.back().unicode() - u'0') % 2 == 1;
        if (beyondHalf || odd)
            incrementDigits(parts.whole);
    }
    parts.fraction.clear();
}

// The parts written in the user's notation: grouped or not, trailing zeros of the places dropped,
// no sign on a zero.
QString decimalText(DecimalParts parts, bool grouped)
{
    while (parts.fraction.endsWith(u'0'))
        parts.fraction.chop(1);
    QLocale locale;
    if (!grouped)
        locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    QString whole = parts.whole;
    if (whole.size() <= 18) {
        whole = locale.toString(whole.toULongLong());
    } else if (!(locale.numberOptions() & QLocale::OmitGroupSeparator)) {
        for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
            whole.insert(at, locale.groupSeparator());
    }
    const bool zero = parts.whole == QLatin1String("0") && parts.fraction.isEmpty();
    return (parts.negative && !zero ? locale.negativeSign() : QString()) + whole +
           (parts.fraction.isEmpty() ? QString() : locale.decimalPoint() + parts.fraction);
}

// A value that reads as a number; Booleans count as -1 and 0, as they convert in VB.
std::optional<double> numberOf(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<ado::ExactDecimal>())
        return value.value<ado::ExactDecimal>().text.toDouble();
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? -1.0 : 0.0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        return std::isfinite(number) ? std::optional<double>(number) : std::nullopt;
    }
    case QMetaType::QString:
        return NumberInText(value.toString());
    default:
        return std::nullopt;
    }
}

// A whole number as the table keeps it: int within 32 bits, else qlonglong.
QVariant tableWhole(qlonglong whole)
{
    if (whole >= std::numeric_limits<int>::min() && whole <= std::numeric_limits<int>::max())
        return int(whole);
    return whole;
}

// Beyond 64 bits the exact digits become a text: the table holds no wider whole number, and a
// double would lose digits.
QVariant wholeOfDigits(const DecimalParts &parts)
{
    const bool zero = parts.whole == QLatin1String("0");
    const QString text = (parts.negative && !zero ? QStringLiteral("-") : QString()) + parts.whole;
    bool ok = false;
    const qlonglong whole = text.toLongLong(&ok);
    return ok ? tableWhole(whole) : QVariant(text);
}

QVariant wholeNumber(const QVariant &value)
{
    if (value.typeId() == QMetaType::LongLong)
        return tableWhole(value.toLongLong());
    if (value.typeId() == QMetaType::ULongLong) {
        const qulonglong whole = value.toULongLong();
        return whole <= qulonglong(std::numeric_limits<qlonglong>::max()) ? tableWhole(qlonglong(whole))
                                                                          : QVariant(QString::number(whole));
    }
    if (value.metaType() == QMetaType::fromType<ado::ExactDecimal>()) {
        DecimalParts parts = partsOf(value.value<ado::ExactDecimal>().text);
        roundToWhole(parts);
        return wholeOfDigits(parts);
    }
    const std::optional<double> number = numberOf(value);
    if (!number)
        return -1;
    const double rounded = std::nearbyint(*number); // the default rounding mode sends halves to even
    if (rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max())
        return int(rounded);
    if (std::fabs(rounded) < 9.2e18)
        return qlonglong(rounded);
    return rounded;
}

QVariant decimalNumber(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<ado::ExactDecimal>()) {
        DecimalParts parts = partsOf(value.value<ado::ExactDecimal>().text);
        roundToTwoPlaces(parts);
        return decimalText(parts, true);
    }
    const std::optional<double> number = numberOf(value);
    if (!number)
        return -1;
    // Rounded to two places as the binary number it is (halves away from zero), then written like an
    // exact number.
    return decimalText(partsOf(QString::number(*number, 'f', 2)), true);
}

// A date-time of the calendar only: no time zone is asked (a plain local date-time costs a look at
// the zone file per value), and the texts below take nothing but its date and time.
QDateTime calendarDateTime(const QDate &date, const QTime &time)
{
    return QDateTime(date, time, Qt::UTC);
}

QVariant dateText(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return DateTimeText(value.toDateTime());
    case QMetaType::QDate:
        return DateTimeText(calendarDateTime(value.toDate(), QTime(0, 0, 0)));
    case QMetaType::QTime:
        return DateTimeText(calendarDateTime(QDate(1899, 12, 30), value.toTime()));
    default: {
        const QString text = ADOValueText(value);
        const std::optional<QDateTime> date = project::TextToDate(text);
        return date ? DateTimeText(*date) : text;
    }
    }
}

} // namespace

bool ADOTypeHasScale(int adoType)
{
    return adoType == ado::adSingle || adoType == ado::adDouble || adoType == ado::adCurrency ||
           adoType == ado::adDecimal || adoType == ado::adNumeric;
}

int ADOFieldTypeCode(int adoType, int numericScale)
{
    switch (adoType) {
    case ado::adSmallInt:
    case ado::adInteger:
    case ado::adTinyInt:
    case ado::adUnsignedTinyInt:
    case ado::adUnsignedSmallInt:
    case ado::adUnsignedInt:
    case ado::adBigInt:
    case ado::adUnsignedBigInt:
        return FieldTypeCode::WholeNumber;
    case ado::adSingle:
    case ado::adDouble:
    case ado::adCurrency:
    case ado::adDecimal:
    case ado::adNumeric:
        return numericScale > 0 ? FieldTypeCode::Decimal : FieldTypeCode::WholeNumber;
    case ado::adDate:
    case ado::adDBDate:
    case ado::adDBTimeStamp:
        return FieldTypeCode::DateTime;
    case ado::adBoolean:
    case ado::adGUID:
    case ado::adBinary:
    case ado::adChar:
    case ado::adWChar:
    case ado::adVarChar:
    case ado::adLongVarChar:
    case ado::adVarWChar:
    case ado::adLongVarWChar:
        return FieldTypeCode::Text;
    default:
        return -1;
    }
}

QVariant ADOCellValue(int code, const QVariant &value)
{
    const bool null = !value.isValid() || value.isNull();
    switch (code) {
    case FieldTypeCode::WholeNumber:
        return null ? QVariant(0) : wholeNumber(value);
    case FieldTypeCode::Decimal:
        return null ? QVariant(0) : decimalNumber(value);
    case FieldTypeCode::DateTime:
        return null ? QVariant(QString()) : dateText(value);
    default:
        return ADOValueText(value);
    }
}

QString ADOValueText(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    if (value.metaType() == QMetaType::fromType<ado::ExactDecimal>())
        return decimalText(partsOf(value.value<ado::ExactDecimal>().text), false);
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("Wahr") : QStringLiteral("Falsch");
    case QMetaType::Double:
    case QMetaType::Float: {
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(value.toDouble(), 'g', 15);
    }
    case QMetaType::QDateTime:
        return project::DateToText(value.toDateTime());
    case QMetaType::QDate:
        return project::DateToText(calendarDateTime(value.toDate(), QTime(0, 0, 0)));
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("HH:mm:ss"));
    case QMetaType::QByteArray:
        return QString::fromLatin1(value.toByteArray().toHex().toUpper());
    default:
        return value.toString();
    }
}

} // namespace records
