// One counted value of a frequency count: the value, how often it was added, and a free tag.
#pragma once

#include <QString>

namespace mainwindow {

class clHistItem
{
public:
    clHistItem() = default;
    clHistItem(const QString &value, long long count, const QString &tag) : m_value(value), m_count(count), m_tag(tag)
    {
    }

    QString Value() const { return m_value; }
    void setValue(const QString &value) { m_value = value; }
    long long Count() const { return m_count; }
    void setCount(long long count) { m_count = count; }
    // Kept for callers that mark items; the frequency count itself only sets it to "".
    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    // The hot path of the count; avoids copying the value.
    const QString &valueRef() const { return m_value; }
    void increment() { ++m_count; }

private:
    QString m_value;
    long long m_count = 0;
    QString m_tag;
};

} // namespace mainwindow
