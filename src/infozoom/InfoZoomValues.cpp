// A set of values of one attribute.
#include "InfoZoomValues.h"

#include "AttributeNodeData.h"
#include "InfoZoomValue.h"
#include "TableData.h"

InfoZoomValues::InfoZoomValues(std::shared_ptr<AttributeNodeData> attribute) : m_attribute(std::move(attribute))
{
    take();
}

void InfoZoomValues::take()
{
    TableData *table = m_attribute->table;
    m_codes = table ? table->selectedValueCodes(m_attribute.get()) : std::vector<uint32_t>{};
    m_takenAt = table ? table->revision() : 0;
}

void InfoZoomValues::Reset()
{
    m_next = 0;
    // Walking a large selection again costs a pass over its rows; an unchanged table keeps the values.
    if (!m_attribute->table || m_attribute->table->revision() != m_takenAt)
        take();
}

InfoZoomValue InfoZoomValues::NextValue()
{
    if (m_next >= m_codes.size())
        return {};
    return InfoZoomValue(m_attribute, m_codes[m_next++]);
}
