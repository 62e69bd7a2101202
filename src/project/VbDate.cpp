// Standard date texts under the regional settings and the lenient date reading.
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

// A number of digits at pos; its value in *value and its length in *digits.
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
    return n > 0;
}

void skipBlanks(const QString &text, qsizetype &pos)
{
    while (pos < text.size() && text.at(pos).isSpace())
        ++pos;
}

bool isDateSeparator(QChar c) { return c == u'.' || c == u'/' || c == u'-'; }

int fullYear(int year, int digits)
{
    if (digits <= 2)
        return year < 30 ? 2000 + year : 1900 + year;
    return year;
}

// Up to three numbers of a date part; false when the text at pos is no date.
bool readDatePart(const QString &text, qsizetype &pos, QDate *date)
{
    std::array<int, 3> numbers{};
    std::array<int, 3> digits{};
    int count = 0;
    while (count < 3) {
        if (!readNumber(text, pos, &numbers[count], &digits[count]))
            return false;
        ++count;
        if (count == 3 || pos >= text.size() || !isDateSeparator(text.at(pos)))
            break;
        ++pos;
    }
    if (count < 2)
        return false;
    int day = numbers[0], month = numbers[1];
    int year = count == 3 ? fullYear(numbers[2], digits[2]) : QDate::currentDate().year();
    if (digits[0] == 4 && count == 3) {
        year = numbers[0];
        month = numbers[1];
        day = numbers[2];
    } else if (month > 12 && day <= 12) {
        std::swap(day, month);
    }
    *date = QDate(year, month, day);
    return date->isValid();
}

bool readTimePart(const QString &text, qsizetype &pos, QTime *time)
{
    std::array<int, 3> numbers{};
    int digits = 0;
    int count = 0;
    while (count < 3) {
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
    const QString rest = text.mid(pos).toUpper();
    if (rest.startsWith(QLatin1String("AM")) || rest.startsWith(QLatin1String("PM"))) {
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (rest.startsWith(QLatin1String("PM")) ? 12 : 0);
        pos += 2;
    }
    *time = QTime(hour, numbers[1], numbers[2]);
    return time->isValid();
}

} // namespace

QDateTime MissingDate() { return QDateTime(QDate(1970, 1, 1), QTime(0, 0, 0)); }

QString DateToText(const QDateTime &value)
{
    const QLocale locale;
    const QString date = locale.toString(value.date(), regionalDateFormat());
    const QTime time = value.time();
    if (time == QTime(0, 0, 0))
        return date;
    return date + QLatin1Char(' ') + locale.toString(QTime(time.hour(), time.minute(), time.second()),
                                                     regionalTimeFormat());
}

std::optional<QDateTime> TextToDate(const QString &text)
{
    const QLocale locale;
    const QString trimmed = text.trimmed();
    const QString dateFormat = regionalDateFormat();
    QDateTime value = locale.toDateTime(trimmed, dateFormat + QLatin1Char(' ') + regionalTimeFormat());
    if (value.isValid())
        return value;
    const QDate date = locale.toDate(trimmed, dateFormat);
    if (date.isValid())
        return QDateTime(date, QTime(0, 0, 0));
    return LenientDate(text);
}

std::optional<QDateTime> LenientDate(const QString &text)
{
    qsizetype pos = 0;
    skipBlanks(text, pos);
    QDate date(1899, 12, 30);
    QTime time(0, 0, 0);
    const qsizetype start = pos;
    // A time alone ("14:30") has ":" after its first number.
    qsizetype probe = pos;
    int number = 0, digits = 0;
    const bool timeOnly = readNumber(text, probe, &number, &digits) && probe < text.size() && text.at(probe) == u':';
    if (!timeOnly) {
        if (!readDatePart(text, pos, &date))
            return std::nullopt;
        const qsizetype afterDate = pos;
        skipBlanks(text, pos);
        if (pos == text.size())
            return QDateTime(date, time);
        if (pos == afterDate && pos != start)
            return std::nullopt;
    }
    if (!readTimePart(text, pos, &time))
        return std::nullopt;
    skipBlanks(text, pos);
    if (pos != text.size())
        return std::nullopt;
    return QDateTime(date, time);
}

} // namespace project
