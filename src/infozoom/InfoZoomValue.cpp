// One distinct value of an attribute.
#include "InfoZoomValue.h"

#include "TableData.h"
#include "TableErrors.h"

AttributeNodeData &InfoZoomValue::attribute() const
{
    if (!m_attribute || !m_attribute->table || m_code >= m_attribute->column->distinctCount())
        TableErrors::raiseAttributeGone();
    return *m_attribute;
}

QVariant InfoZoomValue::Value() const
{
    return attribute().column->value(m_code);
}

bool InfoZoomValue::Marked() const
{
    return attribute().column->isMarked(m_code);
}

void InfoZoomValue::setMarked(bool marked)
{
    AttributeNodeData &a = attribute();
    a.column->setMarked(m_code, marked);
    a.table->nodeChanged();
}
