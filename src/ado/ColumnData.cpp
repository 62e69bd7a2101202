// Appends and reads the typed values of a result column.
#include "ado/ColumnData.h"

#include "ado/ExactDecimal.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>
#include <cstring>

namespace ado {
namespace {

constexpr qint64 kMsecsPerDay = 86400000;

bool isNumberKind(ColumnData::Kind kind)
{
    using Kind = ColumnData::Kind;
    return kind == Kind::Int || kind == Kind::UInt || kind == Kind::Double || kind == Kind::Decimal;
}

qint64 doubleBits(double value)
{
    qint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double bitsDouble(qint64 bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool looksWhole(const QByteArray &text)
{
    return !text.contains('.') && !text.contains('e') && !text.contains('E');
}

} // namespace

void ColumnData::appendNull()
{
    m_null.push_back(true);
    if (m_kind == Kind::Bytes)
        m_bytes.emplace_back();
    else
        m_numbers.push_back(m_kind == Kind::Text ? qint64(m_text.size()) : 0);
    if (isNumberKind(m_kind))
        m_tags.push_back(SignedTag);
}

void ColumnData::appendInt(qint64 value)
{
    m_null.push_back(false);
    m_numbers.push_back(value);
}

void ColumnData::appendNumber(Tag tag, qint64 bits)
{
    m_null.push_back(false);
    m_numbers.push_back(bits);
    m_tags.push_back(tag);
}

void ColumnData::appendNumberText(const char *text, qsizetype length)
{
    const QByteArray number = QByteArray::fromRawData(text, length).trimmed();
    bool ok = false;
    if (looksWhole(number)) {
        if (m_kind == Kind::UInt) {
            const qulonglong value = number.toULongLong(&ok);
            if (ok)
                return appendNumber(UnsignedTag, qint64(value));
        } else if (m_kind != Kind::Double) {
            const qlonglong value = number.toLongLong(&ok);
            if (ok)
                return appendNumber(SignedTag, value);
        }
    }
    if (m_kind == Kind::Decimal && number.size() < 0x10000 &&
        ExactDecimal::isPlainDecimal(QLatin1String(number.constData(), number.size()))) {
        const qint64 start = qint64(m_text.size());
        m_text.insert(m_text.end(), number.cbegin(), number.cend());
        return appendNumber(DecimalTag, start << 16 | number.size());
    }
    const double value = number.isEmpty() ? 0.0 : number.toDouble(&ok);
    if (ok)
        return appendNumber(DoubleTag, doubleBits(value));
    m_textsInNumbers.insert(size(), QString::fromUtf8(text, length));
    appendNumber(TextTag, 0);
}

// A date the calendar does not have (a "zero date" some servers keep) reads as Null.
void ColumnData::appendDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return appendNull();
    appendInt(date.toJulianDay());
}

void ColumnData::appendTime(int hour, int minute, int second, int msec)
{
    const QTime time(hour, minute, second, msec);
    if (!time.isValid())
        return appendNull();
    appendInt(time.msecsSinceStartOfDay());
}

void ColumnData::appendDateTime(int year, int month, int day, int hour, int minute, int second, int msec)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return appendNull();
    const qint64 days = date.toJulianDay();
    appendInt(days * kMsecsPerDay + QTime(hour, minute, second, msec).msecsSinceStartOfDay());
}

void ColumnData::appendText(const ushort *utf16, qsizetype length)
{
    m_null.push_back(false);
    m_text.insert(m_text.end(), utf16, utf16 + length);
    m_numbers.push_back(qint64(m_text.size()));
}

void ColumnData::appendBytes(const QByteArray &value)
{
    m_null.push_back(false);
    m_bytes.push_back(value);
}

QVariant ColumnData::value(qsizetype row) const
{
    const size_t i = size_t(row);
    if (m_null[i])
        return QVariant();
    if (isNumberKind(m_kind)) {
        switch (m_tags[i]) {
        case SignedTag:
            return QVariant(qlonglong(m_numbers[i]));
        case UnsignedTag:
            return QVariant(qulonglong(m_numbers[i]));
        case DoubleTag:
            return QVariant(bitsDouble(m_numbers[i]));
        case DecimalTag: {
            ExactDecimal::registerConversions();
            const qint64 start = m_numbers[i] >> 16;
            const qint64 length = m_numbers[i] & 0xFFFF;
            return QVariant::fromValue(
                ExactDecimal{QString(reinterpret_cast<const QChar *>(m_text.data() + start), length)});
        }
        default:
            return QVariant(m_textsInNumbers.value(row));
        }
    }
    switch (m_kind) {
    case Kind::Bool:
        return QVariant(m_numbers[i] != 0);
    case Kind::Date:
        return QVariant(QDate::fromJulianDay(m_numbers[i]));
    case Kind::Time:
        return QVariant(QTime::fromMSecsSinceStartOfDay(int(m_numbers[i])));
    case Kind::DateTime: {
        // Julian days are positive for every date a driver sends, so plain division splits them.
        const qint64 packed = m_numbers[i];
        const qint64 days = packed / kMsecsPerDay;
        const int msecs = int(packed % kMsecsPerDay);
        // In the system's time zone, looked up once: a date-time in plain local time asks the C library,
        // which reads the zone file again for every value when TZ is not set.
        // Where the system names no zone Qt knows, plain local time is still right, only slower.
        static const QTimeZone systemZone = QTimeZone::systemTimeZone();
        const QDate date = QDate::fromJulianDay(days);
        const QTime time = QTime::fromMSecsSinceStartOfDay(msecs);
        return QVariant(systemZone.isValid() ? QDateTime(date, time, systemZone) : QDateTime(date, time));
    }
    case Kind::Text: {
        const qint64 begin = i == 0 ? 0 : m_numbers[i - 1];
        return QVariant(QString(reinterpret_cast<const QChar *>(m_text.data() + begin), m_numbers[i] - begin));
    }
    case Kind::Bytes:
        return QVariant(m_bytes[i]);
    default:
        return QVariant();
    }
}

} // namespace ado
