// A set of values of one attribute.
#include "InfoZoomValues.h"

#include "AttributeNodeData.h"
#include "InfoZoomValue.h"

InfoZoomValues::InfoZoomValues(std::shared_ptr<AttributeNodeData> attribute) : m_attribute(std::move(attribute))
{
    Reset();
}

void InfoZoomValues::Reset()
{
    m_next = 0;
    m_codes = m_attribute->table ? m_attribute->selectedCodes : std::vector<uint32_t>{};
}

InfoZoomValue InfoZoomValues::NextValue()
{
    if (m_next >= m_codes.size())
        return {};
    return InfoZoomValue(m_attribute, m_codes[m_next++]);
}
