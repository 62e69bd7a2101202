// Age and date texts of the data overview.
#include "AgeText.h"

#include <QLocale>

namespace mainwindow {

namespace {

// Seconds on the wall clock since the start of the Julian day count: unit boundaries are counted
// on the clock the user reads, so a change of daylight-saving time does not move them.
qint64 wallSeconds(const QDateTime &date)
{
    return date.date().toJulianDay() * 86400 + date.time().msecsSinceStartOfDay() / 1000;
}

qint64 floorDiv(qint64 value, qint64 unit)
{
    return value >= 0 ? value / unit : -((-value + unit - 1) / unit);
}

QString countText(qint64 count, const char *unit, const char *pluralEnding)
{
    QString text = QStringLiteral("älter als %1 ").arg(count) + QString::fromUtf8(unit);
    if (count > 1)
        text += QString::fromUtf8(pluralEnding);
    return text;
}

} // namespace

QDateTime MissingDate()
{
    return QDateTime(QDate(1970, 1, 1), QTime(0, 0, 0));
}

bool IsMissingDate(const QDateTime &date)
{
    return !date.isValid() || (date.date() == QDate(1970, 1, 1) && date.time().msecsSinceStartOfDay() / 1000 == 0);
}

QString DateText(const QDateTime &date)
{
    if (IsMissingDate(date))
        return QStringLiteral("-");
    const QLocale locale;
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QLatin1String("yyyy")))
        dateFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    QString text = locale.toString(date.date(), dateFormat);
    const QTime time = date.time();
    if (time.msecsSinceStartOfDay() / 1000 != 0) {
        QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
        if (!timeFormat.contains(QLatin1String("ss")))
            timeFormat.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
        text += QLatin1Char(' ') + locale.toString(time, timeFormat);
    }
    return text;
}

QString AgeText(const QDateTime &tableDate, const QDateTime &sourceDate)
{
    if (IsMissingDate(tableDate))
        return QStringLiteral("-");
    const QDateTime sourceOrMissing = sourceDate.isValid() ? sourceDate : MissingDate();
    const qint64 table = wallSeconds(tableDate);
    const qint64 source = wallSeconds(sourceOrMissing);
    if (table > source)
        return QStringLiteral("Aktuell");
    const qint64 days = sourceOrMissing.date().toJulianDay() - tableDate.date().toJulianDay();
    if (days >= 1)
        return countText(days, "Tag", "e");
    const qint64 hours = floorDiv(source, 3600) - floorDiv(table, 3600);
    if (hours >= 1)
        return countText(hours, "Stunde", "n");
    const qint64 minutes = floorDiv(source, 60) - floorDiv(table, 60);
    if (minutes >= 1)
        return countText(minutes, "Minute", "n");
    const qint64 seconds = source - table;
    if (seconds >= 1)
        return countText(seconds, "Sekunde", "n");
    return QString();
}

} // namespace mainwindow
