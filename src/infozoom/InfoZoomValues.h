// A set of values of one attribute (its selected values), walked by Reset, then Count times
// NextValue. The values are taken when the set is made and again at each Reset.
#pragma once

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
    std::shared_ptr<AttributeNodeData> m_attribute;
    std::vector<uint32_t> m_codes;
    size_t m_next = 0;
};
