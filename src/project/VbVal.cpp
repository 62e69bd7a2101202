// VB-style Val: locale-independent leading-number reading.
#include "VbVal.h"

#include <QLocale>

namespace project {

namespace {

QString withoutBlanks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            out += c;
    return out;
}

int digitOf(QChar c)
{
    const char16_t u = c.toLower().unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'z')
        return u - 'a' + 10;
    return 99;
}

double radixNumber(const QString &digits, int base)
{
    qint64 value = 0;
    for (QChar c : digits) {
        const int d = digitOf(c);
        if (d >= base || value > (qint64(1) << 56))
            break;
        value = value * base + d;
    }
    return double(value);
}

qsizetype skipDigits(const QString &s, qsizetype i)
{
    while (i < s.size() && s.at(i).unicode() >= '0' && s.at(i).unicode() <= '9')
        ++i;
    return i;
}

} // namespace

double vbVal(const QString &text)
{
    const QString s = withoutBlanks(text);
    if (s.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        return radixNumber(s.mid(2), 16);
    if (s.startsWith(QLatin1String("&O"), Qt::CaseInsensitive))
        return radixNumber(s.mid(2), 8);

    qsizetype i = 0;
    if (i < s.size() && (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-')))
        ++i;
    const qsizetype intStart = i;
    i = skipDigits(s, i);
    bool anyDigit = i > intStart;
    if (i < s.size() && s.at(i) == QLatin1Char('.')) {
        const qsizetype fracStart = i + 1;
        i = skipDigits(s, fracStart);
        anyDigit = anyDigit || i > fracStart;
    }
    if (!anyDigit)
        return 0.0;
    QString number = s.left(i);
    if (i < s.size() && (s.at(i).toUpper() == QLatin1Char('E') || s.at(i).toUpper() == QLatin1Char('D'))) {
        qsizetype j = i + 1;
        if (j < s.size() && (s.at(j) == QLatin1Char('+') || s.at(j) == QLatin1Char('-')))
            ++j;
        const qsizetype expEnd = skipDigits(s, j);
        if (expEnd > j)
            number += QLatin1Char('e') + s.mid(i + 1, expEnd - i - 1);
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    return ok ? value : 0.0;
}

} // namespace project
