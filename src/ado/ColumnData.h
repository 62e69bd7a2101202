// The values of one result column, stored by kind so that a static cursor of many rows stays compact.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariant>
#include <vector>

namespace ado {

class ColumnData final
{
public:
    // How values are kept and which QVariant type Value gives: Int -> qlonglong, UInt -> qulonglong,
    // Double -> double, Decimal -> qlonglong for whole numbers in range else ExactDecimal (the
    // driver's digits; a double for a text in another notation), Bool -> bool,
    // Date -> QDate, Time -> QTime, DateTime -> QDateTime (local time), Text -> QString,
    // Bytes -> QByteArray. Null is an invalid QVariant.
    //
    // Numbers arrive as the driver's text, so that what a dynamically typed source (SQLite) keeps in
    // a number column comes through as it is: "12.7" in a whole-number column stays 12.7 (a
    // double), and a text that is no number ("", "abc") stays that text (a QString).
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

    void appendNull();
    void appendInt(qint64 value);
    // For the four number kinds: the driver's text form, "." as decimal point.
    void appendNumberText(const char *text, qsizetype length);
    void appendDate(int year, int month, int day);
    void appendTime(int hour, int minute, int second, int msec = 0);
    void appendDateTime(int year, int month, int day, int hour, int minute, int second, int msec);
    void appendText(const QString &value) { appendText(value.utf16(), value.size()); }
    void appendText(const ushort *utf16, qsizetype length);
    void appendBytes(const QByteArray &value);

    bool isNull(qsizetype row) const { return m_null[size_t(row)]; }
    QVariant value(qsizetype row) const;

private:
    enum Tag : quint8
    {
        SignedTag,
        UnsignedTag,
        DoubleTag,
        TextTag,
        DecimalTag // the digits lie in m_text; m_numbers holds where (start << 16 | length)
    };

    void appendNumber(Tag tag, qint64 bits);

    Kind m_kind;
    std::vector<bool> m_null;
    std::vector<qint64> m_numbers; // ints, bools, julian days, msecs, packed date-times, double bits
    std::vector<quint8> m_tags;    // number kinds: what each m_numbers entry holds
    QHash<qsizetype, QString> m_textsInNumbers;
    // Texts lie end to end in one buffer (m_numbers holds where each ends): one allocation per
    // growth instead of one per cell. Decimal columns keep their exact digits there too.
    std::vector<ushort> m_text;
    std::vector<QByteArray> m_bytes;
};

} // namespace ado
