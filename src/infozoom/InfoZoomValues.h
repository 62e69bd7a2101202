// A set of values of one attribute (its selected values), walked by Reset, then Count times
// NextValue. The values are taken when the set is made and again at a Reset after the table changed.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <memory>
#include <vector>

class InfoZoomValue;
struct AttributeNodeData;

class InfoZoomValues
{
public:
    explicit InfoZoomValues(std::shared_ptr<AttributeNodeData> attribute);

    void Reset();
    int Count() const { return int(m_codes.size()); }
    // The next value; the empty value handle after the last one.
    InfoZoomValue NextValue();

private:
    void take();

    std::shared_ptr<AttributeNodeData> m_attribute;
    std::vector<uint32_t> m_codes;
    quint64 m_takenAt = 0;
    size_t m_next = 0;
};
