// Appends and reads the typed values of a result column.
#include "ado/ColumnData.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cstring>

namespace ado {
namespace {

constexpr qint64 kMsecsPerDay = 86400000;

bool usesNumbers(ColumnData::Kind kind)
{
    return kind != ColumnData::Kind::Bytes && kind != ColumnData::Kind::Decimal;
}

bool usesBytes(ColumnData::Kind kind)
{
    return kind == ColumnData::Kind::Bytes || kind == ColumnData::Kind::Decimal;
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

QVariant decimalValue(const QByteArray &text)
{
    bool ok = false;
    if (!text.contains('.') && !text.contains('e') && !text.contains('E')) {
        const qlonglong whole = text.toLongLong(&ok);
        if (ok)
            return QVariant(whole);
    }
    const double value = text.toDouble(&ok);
    return ok ? QVariant(value) : QVariant(QString::fromLatin1(text));
}

} // namespace

void ColumnData::reserve(qsizetype rows)
{
    m_null.reserve(size_t(rows));
    if (usesNumbers(m_kind))
        m_numbers.reserve(size_t(rows));
    else if (usesBytes(m_kind))
        m_bytes.reserve(size_t(rows));
}

void ColumnData::appendNull()
{
    m_null.push_back(true);
    if (m_kind == Kind::Text)
        m_numbers.push_back(qint64(m_text.size()));
    else if (usesNumbers(m_kind))
        m_numbers.push_back(0);
    else
        m_bytes.emplace_back();
}

void ColumnData::appendInt(qint64 value)
{
    m_null.push_back(false);
    m_numbers.push_back(value);
}

void ColumnData::appendDouble(double value)
{
    appendInt(doubleBits(value));
}

void ColumnData::appendDecimal(const QByteArray &text)
{
    m_null.push_back(false);
    m_bytes.push_back(text);
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
    switch (m_kind) {
    case Kind::Int:
        return QVariant(qlonglong(m_numbers[i]));
    case Kind::UInt:
        return QVariant(qulonglong(m_numbers[i]));
    case Kind::Double:
        return QVariant(bitsDouble(m_numbers[i]));
    case Kind::Decimal:
        return decimalValue(m_bytes[i]);
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
        return QVariant(QDateTime(QDate::fromJulianDay(days), QTime::fromMSecsSinceStartOfDay(msecs)));
    }
    case Kind::Text: {
        const qint64 begin = i == 0 ? 0 : m_numbers[i - 1];
        return QVariant(QString(reinterpret_cast<const QChar *>(m_text.data() + begin), m_numbers[i] - begin));
    }
    case Kind::Bytes:
        return QVariant(m_bytes[i]);
    }
    return QVariant();
}

} // namespace ado
