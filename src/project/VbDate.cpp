// Standard date texts under the regional settings, and a reading that takes the texts of every
// regional setting.
#include "VbDate.h"

#include <QLocale>
#include <array>

namespace project {

namespace {

QString regionalDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    // A two-digit year would turn 2026 into 1926 when the text is read back.
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString regionalTimeFormat()
{
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("ss"))) {
        const qsizetype minutes = format.indexOf(QLatin1String("mm"));
        if (minutes >= 0)
            format.insert(minutes + 2, QLatin1String(":ss"));
    }
    return format;
}

// The pieces of a date text, before day and month are told apart.
struct DateText
{
    std::array<int, 3> numbers{};
    std::array<int, 3> digits{};
    int count = 0;   // numbers of the date
    int month = 0;   // a month given by name, 1 to 12; 0 = none
    QChar separator; // between the date's first two numbers
    bool hasDate = false;
    bool hasTime = false;
    bool meridiem = false; // the time carries AM or PM
    QTime time{0, 0, 0};
};

// How a regional setting writes a numeric short date: the order and padding of day and month and
// whether its times carry AM/PM.
struct DateShape
{
    bool numeric = false;
    bool monthFirst = false;
    QChar separator;
    bool firstPadded = false;
    bool secondPadded = false;
    bool twelveHour = false;
};

DateShape shapeOf(const QLocale &locale)
{
    DateShape shape;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype day = format.indexOf(u'd');
    const qsizetype month = format.indexOf(u'M');
    const qsizetype year = format.indexOf(u'y');
    if (day < 0 || month < 0 || format.count(u'M') > 2 || (year >= 0 && year < qMin(day, month)))
        return shape;
    shape.numeric = true;
    shape.monthFirst = month < day;
    const qsizetype first = qMin(day, month);
    const qsizetype second = qMax(day, month);
    const QChar firstChar = format.at(first);
    shape.firstPadded = first + 1 < format.size() && format.at(first + 1) == firstChar;
    shape.secondPadded = second + 1 < format.size() && format.at(second + 1) == format.at(second);
    const qsizetype afterFirst = first + (shape.firstPadded ? 2 : 1);
    if (afterFirst < second)
        shape.separator = format.at(afterFirst);
    const QString time = locale.timeFormat(QLocale::ShortFormat);
    shape.twelveHour = time.contains(u'a', Qt::CaseInsensitive);
    return shape;
}

bool paddedAs(int value, int digits, bool padded)
{
    return padded ? digits == 2 : digits == (value >= 10 ? 2 : 1);
}

// True when a regional setting of this shape could have written the text.
bool fits(const DateShape &shape, const DateText &text)
{
    if (!shape.numeric || text.separator != shape.separator)
        return false;
    if (!paddedAs(text.numbers[0], text.digits[0], shape.firstPadded) ||
        !paddedAs(text.numbers[1], text.digits[1], shape.secondPadded))
        return false;
    return !text.hasTime || text.meridiem == shape.twelveHour;
}

// Day and month of a numeric text whose first two numbers could each be either: the reader's own
// order when its settings could have written the text; else month first when the text has the
// American form (no leading zeros, 12-hour time); else day first, as most of the world writes.
bool monthFirst(const DateText &text)
{
    const DateShape reader = shapeOf(QLocale());
    if (fits(reader, text))
        return reader.monthFirst;
    static const DateShape american = shapeOf(QLocale(QLocale::English, QLocale::UnitedStates));
    return fits(american, text);
}

QString monthKey(const QString &name)
{
    QString key = name.toLower();
    while (key.endsWith(u'.'))
        key.chop(1);
    return key;
}

// 1 to 12 for a month name (long or short, with or without a full stop) of English, German,
// Austrian German, French or the reader's own language; 0 for anything else.
int monthOfName(const QString &word)
{
    const QString key = monthKey(word);
    const QLocale reader;
    static const std::array<QLocale, 5> known = {
        QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::German, QLocale::Austria), QLocale(QLocale::French, QLocale::France)};
    auto search = [&key](const QLocale &locale) {
        for (int month = 1; month <= 12; ++month)
            for (QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat})
                if (monthKey(locale.monthName(month, type)) == key ||
                    monthKey(locale.standaloneMonthName(month, type)) == key)
                    return month;
        return 0;
    };
    if (const int month = search(reader))
        return month;
    for (const QLocale &locale : known)
        if (const int month = search(locale))
            return month;
    return 0;
}

bool isDateSeparator(QChar c)
{
    return c == u'.' || c == u'/' || c == u'-' || c == u',';
}

bool readNumber(const QString &text, qsizetype &pos, int *value, int *digits)
{
    int v = 0;
    int n = 0;
    while (pos < text.size() && text.at(pos).isDigit() && n < 9) {
        v = v * 10 + text.at(pos).digitValue();
        ++pos;
        ++n;
    }
    *value = v;
    *digits = n;
    return n > 0 && (pos == text.size() || !text.at(pos).isDigit());
}

void skipBlanks(const QString &text, qsizetype &pos)
{
    while (pos < text.size() && text.at(pos).isSpace())
        ++pos;
}

// The time at pos: "h:m[:s]" with an optional AM or PM (also the reader's own words for them).
bool readTime(const QString &text, qsizetype &pos, DateText *out)
{
    std::array<int, 3> numbers{};
    int count = 0;
    while (count < 3) {
        int digits = 0;
        if (!readNumber(text, pos, &numbers[count], &digits))
            return false;
        ++count;
        if (count == 3 || pos >= text.size() || text.at(pos) != u':')
            break;
        ++pos;
    }
    if (count < 2)
        return false;
    int hour = numbers[0];
    skipBlanks(text, pos);
    const QString rest = text.mid(pos).trimmed();
    const QLocale reader;
    for (const auto &[word, pm] : {std::pair{QStringLiteral("AM"), false}, std::pair{QStringLiteral("PM"), true},
                                   std::pair{reader.amText(), false}, std::pair{reader.pmText(), true}}) {
        if (word.isEmpty() || rest.compare(word, Qt::CaseInsensitive) != 0)
            continue;
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (pm ? 12 : 0);
        out->meridiem = true;
        pos = text.size();
        break;
    }
    out->time = QTime(hour, numbers[1], numbers[2]);
    out->hasTime = true;
    return out->time.isValid();
}

enum class Part
{
    Read,
    TimeBegins,
    Bad
};

// One number or month name of the date at pos, with the separators behind it.
Part readDatePart(const QString &text, qsizetype &pos, DateText *out)
{
    if (text.at(pos).isDigit()) {
        qsizetype end = pos;
        int value = 0, digits = 0;
        readNumber(text, end, &value, &digits);
        if (end < text.size() && text.at(end) == u':')
            return Part::TimeBegins;
        out->numbers[out->count] = value;
        out->digits[out->count] = digits;
        ++out->count;
        pos = end;
    } else if (text.at(pos).isLetter()) {
        const qsizetype start = pos;
        while (pos < text.size() && text.at(pos).isLetter())
            ++pos;
        if (out->month != 0)
            return Part::Bad;
        out->month = monthOfName(text.mid(start, pos - start));
        if (out->month == 0)
            return Part::Bad;
    } else {
        return Part::Bad;
    }
    const qsizetype afterPart = pos;
    while (pos < text.size() && (isDateSeparator(text.at(pos)) || text.at(pos).isSpace())) {
        if (out->separator.isNull() && out->count == 1 && out->month == 0 && isDateSeparator(text.at(pos)))
            out->separator = text.at(pos);
        ++pos;
    }
    return pos == afterPart && pos < text.size() ? Part::Bad : Part::Read;
}

// Splits a text into the numbers or month name of its date and its time.
bool readText(const QString &text, DateText *out)
{
    qsizetype pos = 0;
    skipBlanks(text, pos);
    int parts = 0;
    while (pos < text.size() && parts < 3) {
        const Part part = readDatePart(text, pos, out);
        if (part == Part::Bad)
            return false;
        if (part == Part::TimeBegins)
            break;
        ++parts;
    }
    out->hasDate = parts > 0;
    if (out->hasDate && parts < 2)
        return false;
    if (pos < text.size() && !readTime(text, pos, out))
        return false;
    skipBlanks(text, pos);
    return pos == text.size() && (out->hasDate || out->hasTime);
}

int fullYear(int year, int digits)
{
    if (digits <= 2)
        return year < 30 ? 2000 + year : 1900 + year;
    return year;
}

QDate dateOf(const DateText &text)
{
    const int currentYear = QDate::currentDate().year();
    if (text.month != 0) {
        if (text.count == 1)
            return QDate(currentYear, text.month, text.numbers[0]);
        if (text.count != 2)
            return QDate();
        // A leading four-digit number is the year; otherwise the day comes before the year.
        if (text.digits[0] == 4)
            return QDate(text.numbers[0], text.month, text.numbers[1]);
        return QDate(fullYear(text.numbers[1], text.digits[1]), text.month, text.numbers[0]);
    }
    if (text.count < 2)
        return QDate();
    if (text.count == 3 && text.digits[0] == 4)
        return QDate(text.numbers[0], text.numbers[1], text.numbers[2]);
    const int year = text.count == 3 ? fullYear(text.numbers[2], text.digits[2]) : currentYear;
    const int a = text.numbers[0];
    const int b = text.numbers[1];
    const QDate dayFirst(year, b, a);
    const QDate monthFirstDate(year, a, b);
    if (!dayFirst.isValid() || !monthFirstDate.isValid() || a == b)
        return dayFirst.isValid() ? dayFirst : monthFirstDate;
    return monthFirst(text) ? monthFirstDate : dayFirst;
}

} // namespace

QDateTime MissingDate()
{
    return QDateTime(QDate(1970, 1, 1), QTime(0, 0, 0));
}

QString DateToText(const QDateTime &value)
{
    const QLocale locale;
    const QString date = locale.toString(value.date(), regionalDateFormat());
    const QTime time = value.time();
    if (time == QTime(0, 0, 0))
        return date;
    return date + QLatin1Char(' ') +
           locale.toString(QTime(time.hour(), time.minute(), time.second()), regionalTimeFormat());
}

std::optional<QDateTime> TextToDate(const QString &text)
{
    DateText parts;
    if (readText(text, &parts)) {
        const QDate date = parts.hasDate ? dateOf(parts) : QDate(1899, 12, 30);
        if (date.isValid())
            return QDateTime(date, parts.time);
        return std::nullopt;
    }
    // Forms of the reader's own settings that the pieces above do not cover.
    const QLocale locale;
    const QString trimmed = text.trimmed();
    const QString dateFormat = regionalDateFormat();
    const QDateTime value = locale.toDateTime(trimmed, dateFormat + QLatin1Char(' ') + regionalTimeFormat());
    if (value.isValid())
        return value;
    const QDate date = locale.toDate(trimmed, dateFormat);
    if (date.isValid())
        return QDateTime(date, QTime(0, 0, 0));
    return std::nullopt;
}

} // namespace project
