// One row (object) of a table. A handle: it stays usable while the caller walks a set and rows are
// added or deleted; after its row was deleted, or the table emptied or loaded anew, its members
// raise error 91.
#pragma once

#include <QVariant>
#include <cstdint>
#include <memory>
#include <type_traits>

class InfoZoomAttribute;
class TableData;
struct AttributeNodeData;

class InfoZoomObject
{
public:
    InfoZoomObject() = default;
    InfoZoomObject(std::shared_ptr<TableData> data, uint32_t row);

    bool isNull() const { return !m_data; }
    explicit operator bool() const { return !isNull(); }
    bool operator==(const InfoZoomObject &o) const { return m_data == o.m_data && m_row == o.m_row; }

    // The row's value in an attribute: a text, a whole number (int) or a decimal number (double);
    // an empty cell is an empty text.
    QVariant Value(const InfoZoomAttribute &attribute) const;
    // A 32-bit whole number stays a number (sorted and compared as one); texts stay texts.
    void setValue(const InfoZoomAttribute &attribute, const QVariant &value);
    // The same without a QVariant in between (filling large tables).
    void setValue(const InfoZoomAttribute &attribute, const QString &text);
    void setValue(const InfoZoomAttribute &attribute, const char *text) { setValue(attribute, QString::fromUtf8(text)); }
    // Any whole number type (int, long, qint64, unsigned ...) is stored as a whole number.
    template <typename T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>, int> = 0>
    void setValue(const InfoZoomAttribute &attribute, T whole)
    {
        setWhole(attribute, qint64(whole));
    }
    // A Boolean is stored as the whole number -1 (True) or 0, as VB converts it.
    void setValue(const InfoZoomAttribute &attribute, bool flag) { setWhole(attribute, flag ? -1 : 0); }
    void setValue(const InfoZoomAttribute &attribute, double number);
    // True exactly for the rows of the current selection (the attribute only has to belong to the
    // table).
    bool IsSelected(const InfoZoomAttribute &attribute) const;
    // Removes the row from the table.
    void Delete();

    bool isAlive() const;
    uint32_t row() const { return m_row; }

private:
    void setWhole(const InfoZoomAttribute &attribute, qint64 whole);
    TableData &table() const;
    AttributeNodeData &column(const InfoZoomAttribute &attribute) const;

    std::shared_ptr<TableData> m_data;
    uint32_t m_row = 0;
    quint64 m_generation = 0;
};
