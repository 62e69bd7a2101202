// The values of one result column, stored by kind so that a static cursor of many rows stays compact.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <vector>

namespace ado {

class ColumnData final
{
public:
    // How values are kept and which QVariant type Value gives: Int -> qlonglong, UInt -> qulonglong,
    // Double -> double, Decimal -> qlonglong for whole numbers in range else double, Bool -> bool,
    // Date -> QDate, Time -> QTime, DateTime -> QDateTime (local time), Text -> QString,
    // Bytes -> QByteArray. Null is an invalid QVariant.
    enum class Kind
    {
        Int,
        UInt,
        Double,
        Decimal,
        Bool,
        Date,
        Time,
        DateTime,
        Text,
        Bytes
    };

    explicit ColumnData(Kind kind = Kind::Text) : m_kind(kind) {}

    Kind kind() const { return m_kind; }
    qsizetype size() const { return qsizetype(m_null.size()); }
    void reserve(qsizetype rows);

    void appendNull();
    void appendInt(qint64 value);
    void appendDouble(double value);
    void appendDecimal(const QByteArray &text); // the driver's text form, "." as decimal point
    void appendDate(int year, int month, int day);
    void appendTime(int hour, int minute, int second, int msec = 0);
    void appendDateTime(int year, int month, int day, int hour, int minute, int second, int msec);
    void appendText(const QString &value) { appendText(value.utf16(), value.size()); }
    void appendText(const ushort *utf16, qsizetype length);
    void appendBytes(const QByteArray &value);

    bool isNull(qsizetype row) const { return m_null[size_t(row)]; }
    QVariant value(qsizetype row) const;

private:
    Kind m_kind;
    std::vector<bool> m_null;
    std::vector<qint64> m_numbers; // ints, bools, julian days, msecs, packed date-times, double bits
    // Texts lie end to end in one buffer (m_numbers holds where each ends): one allocation per
    // growth instead of one per cell.
    std::vector<ushort> m_text;
    std::vector<QByteArray> m_bytes;
};

} // namespace ado
