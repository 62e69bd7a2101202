// One row (object) of a table.
#include "InfoZoomObject.h"

#include "InfoZoomAttribute.h"
#include "TableData.h"
#include "TableErrors.h"

InfoZoomObject::InfoZoomObject(std::shared_ptr<TableData> data, uint32_t row)
    : m_data(std::move(data)), m_row(row), m_generation(m_data->generation())
{
}

bool InfoZoomObject::isAlive() const
{
    return m_data && m_data->generation() == m_generation && m_data->isAlive(m_row);
}

TableData &InfoZoomObject::table() const
{
    if (!isAlive())
        TableErrors::raiseObjectGone();
    return *m_data;
}

AttributeNodeData &InfoZoomObject::column(const InfoZoomAttribute &attribute) const
{
    AttributeNodeData *node = attribute.data();
    if (!node || node->table != m_data.get())
        TableErrors::raiseAttributeGone();
    return *node;
}

QVariant InfoZoomObject::Value(const InfoZoomAttribute &attribute) const
{
    const TableData &t = table();
    return t.value(&column(attribute), m_row);
}

void InfoZoomObject::setValue(const InfoZoomAttribute &attribute, const QVariant &value)
{
    TableData &t = table();
    t.setValue(&column(attribute), m_row, value);
}

void InfoZoomObject::setValue(const InfoZoomAttribute &attribute, const QString &text)
{
    TableData &t = table();
    AttributeNodeData &node = column(attribute);
    t.putText(&node, m_row, text);
}

void InfoZoomObject::setWhole(const InfoZoomAttribute &attribute, qint64 whole)
{
    TableData &t = table();
    AttributeNodeData &node = column(attribute);
    t.putWhole(&node, m_row, whole);
}

void InfoZoomObject::setValue(const InfoZoomAttribute &attribute, double number)
{
    TableData &t = table();
    AttributeNodeData &node = column(attribute);
    t.putNumber(&node, m_row, number);
}

bool InfoZoomObject::IsSelected(const InfoZoomAttribute &attribute) const
{
    TableData &t = table();
    column(attribute);
    return t.isRowSelected(m_row);
}

void InfoZoomObject::Delete()
{
    table().deleteRow(m_row);
}
