// Conversion of source texts into table values by FieldTypeCode.
#include "FieldValues.h"

#include "project/VbDate.h"

#include <QHash>
#include <QLocale>
#include <charconv>
#include <cmath>
#include <limits>

namespace records {

namespace {

int twoDigits(const QChar *p) { return (p[0].unicode() - '0') * 10 + (p[1].unicode() - '0'); }

bool allDigits(const QChar *p, int n)
{
    for (int i = 0; i < n; ++i)
        if (p[i].unicode() < '0' || p[i].unicode() > '9')
            return false;
    return true;
}

// The form the ACT! tables deliver: "dd.mm.yyyy" or "dd.mm.yyyy hh:mm:ss", checked for a real
// day and time.
bool isQuickDate(const QString &text)
{
    const qsizetype n = text.size();
    if (n != 10 && n != 19)
        return false;
    const QChar *p = text.constData();
    if (p[2] != u'.' || p[5] != u'.' || !allDigits(p, 2) || !allDigits(p + 3, 2) || !allDigits(p + 6, 4))
        return false;
    if (!QDate::isValid(twoDigits(p + 6) * 100 + twoDigits(p + 8), twoDigits(p + 3), twoDigits(p)))
        return false;
    if (n == 10)
        return true;
    return p[10] == u' ' && p[13] == u':' && p[16] == u':' && allDigits(p + 11, 2) && allDigits(p + 14, 2) &&
           allDigits(p + 17, 2) && QTime::isValid(twoDigits(p + 11), twoDigits(p + 14), twoDigits(p + 17));
}

// "hh:mm:ss" or "hh:mm" with two digits each.
bool isQuickTime(const QString &text)
{
    const qsizetype n = text.size();
    if (n != 5 && n != 8)
        return false;
    const QChar *p = text.constData();
    if (p[2] != u':' || !allDigits(p, 2) || !allDigits(p + 3, 2))
        return false;
    if (n == 8 && (p[5] != u':' || !allDigits(p + 6, 2)))
        return false;
    return QTime::isValid(twoDigits(p), twoDigits(p + 3), n == 8 ? twoDigits(p + 6) : 0);
}

std::optional<QDateTime> quickDate(const QString &text)
{
    if (!isQuickDate(text))
        return std::nullopt;
    const QChar *p = text.constData();
    const QDate date(twoDigits(p + 6) * 100 + twoDigits(p + 8), twoDigits(p + 3), twoDigits(p));
    if (text.size() == 10)
        return QDateTime(date, QTime(0, 0, 0));
    return QDateTime(date, QTime(twoDigits(p + 11), twoDigits(p + 14), twoDigits(p + 17)));
}

// A plain decimal number ("-12", "3.50"), the form the tables deliver, read without a locale. The
// conversion rounds exactly as the locale's would; anything else is left to the locales.
std::optional<double> plainNumber(const QString &text)
{
    constexpr qsizetype MaxChars = 40;
    const qsizetype n = text.size();
    if (n == 0 || n > MaxChars)
        return std::nullopt;
    char ascii[MaxChars];
    bool digits = false;
    bool point = false;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= u'0' && c <= u'9')
            digits = true;
        else if (c == u'.' && digits && !point)
            point = true;
        else if (c != u'-' || i != 0)
            return std::nullopt;
        ascii[i] = char(c);
    }
    if (!digits || ascii[n - 1] < '0' || ascii[n - 1] > '9')
        return std::nullopt;
    double value = 0;
    const std::from_chars_result read = std::from_chars(ascii, ascii + n, value);
    if (read.ec != std::errc() || read.ptr != ascii + n)
        return std::nullopt;
    return value;
}

void putTwo(QChar *d, int v)
{
    d[0] = QChar(u'0' + v / 10);
    d[1] = QChar(u'0' + v % 10);
}

} // namespace

std::optional<double> NumberInText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (const std::optional<double> plain = plainNumber(trimmed); plain && std::isfinite(*plain))
        return plain;
    bool ok = false;
    double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString FormatOfCode(int code)
{
    switch (code) {
    case FieldTypeCode::WholeNumber:
        return QStringLiteral("####");
    case FieldTypeCode::Decimal:
        return QStringLiteral("#.###,00");
    case FieldTypeCode::DateTime:
        return QStringLiteral("tt.mm.jjjj ss:mm:ss");
    case FieldTypeCode::Time:
        return QStringLiteral("ss:mm:ss");
    default:
        return QString();
    }
}

QVariant WholeNumberValue(const QString &text)
{
    const std::optional<double> number = NumberInText(text);
    if (!number)
        return text.isEmpty() ? 0 : -1;
    const double rounded = std::nearbyint(*number); // the default rounding mode sends halves to even
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max())
        return -1;
    return int(rounded);
}

QVariant DecimalValue(const QString &text)
{
    const std::optional<double> number = NumberInText(text);
    if (!number)
        return text.isEmpty() ? 0 : -1;
    const QLocale locale;
    QString result = locale.toString(*number, 'f', 2);
    // "#,###.##": the decimals are optional digits, so trailing zeros and a bare separator go.
    const QString point = locale.decimalPoint();
    if (result.contains(point)) {
        while (result.endsWith(u'0'))
            result.chop(1);
        if (result.endsWith(point))
            result.chop(point.size());
    }
    if (result == QLatin1String("-0"))
        result = QStringLiteral("0");
    return result;
}

std::optional<QDateTime> SourceDate(const QString &text, const QString &emptyDate)
{
    const QString &source = text.isEmpty() ? emptyDate : text;
    if (std::optional<QDateTime> quick = quickDate(source))
        return quick;
    return project::TextToDate(source);
}

QString DateTimeText(const QDateTime &value)
{
    const QDate d = value.date();
    const QTime t = value.time();
    QString out(19, QChar(u' '));
    QChar *p = out.data();
    putTwo(p, d.day());
    p[2] = u'.';
    putTwo(p + 3, d.month());
    p[5] = u'.';
    putTwo(p + 6, d.year() / 100 % 100);
    putTwo(p + 8, d.year() % 100);
    putTwo(p + 11, t.hour());
    p[13] = u':';
    putTwo(p + 14, t.minute());
    p[16] = u':';
    putTwo(p + 17, t.second());
    return out;
}

QString TimeText(const QDateTime &value) { return DateTimeText(value).mid(11); }

bool IsFullDateText(const QString &text)
{
    return text.size() == 19 && isQuickDate(text);
}

QString DateValueText(const QString &text, const QString &emptyDate, bool timeOnly)
{
    if (text.isEmpty()) {
        // The empty date of a kind is read once, not once per value.
        static QHash<QString, QString> emptyTexts;
        auto cached = emptyTexts.constFind(emptyDate);
        if (cached == emptyTexts.constEnd()) {
            const std::optional<QDateTime> date = project::TextToDate(emptyDate);
            cached = emptyTexts.insert(emptyDate, date ? DateTimeText(*date) : QString());
        }
        return timeOnly && !cached->isEmpty() ? cached->mid(11) : *cached;
    }
    if (isQuickDate(text)) {
        const QString full = text.size() == 19 ? text : text + QStringLiteral(" 00:00:00");
        return timeOnly ? full.mid(11) : full;
    }
    if (isQuickTime(text)) {
        const QString time = text.size() == 8 ? text : text + QStringLiteral(":00");
        return timeOnly ? time : QStringLiteral("30.12.1899 ") + time;
    }
    const std::optional<QDateTime> date = project::TextToDate(text);
    if (!date)
        return QString();
    return timeOnly ? TimeText(*date) : DateTimeText(*date);
}

} // namespace records
