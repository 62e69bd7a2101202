// An entry of a table's attribute list.
#include "InfoZoomAttributeNode.h"

#include "InfoZoomAttributes.h"
#include "TableData.h"
#include "TableErrors.h"

AttributeNodeData &InfoZoomAttributeNode::node() const
{
    if (!m_node || !m_node->table)
        TableErrors::raiseAttributeGone();
    return *m_node;
}

bool InfoZoomAttributeNode::isAttached() const
{
    return m_node && m_node->table;
}

QString InfoZoomAttributeNode::Name() const
{
    return node().name;
}

void InfoZoomAttributeNode::setName(const QString &name)
{
    AttributeNodeData &n = node();
    n.name = name;
    n.table->nodeChanged();
}

int InfoZoomAttributeNode::NodeType() const
{
    return node().type;
}

bool InfoZoomAttributeNode::Selected() const
{
    return node().selected;
}

void InfoZoomAttributeNode::setSelected(bool selected)
{
    AttributeNodeData &n = node();
    if (selected)
        for (AttributeNodeData *other : n.table->flatList())
            other->selected = false;
    n.selected = selected;
    n.table->nodeChanged();
}

InfoZoomAttributes InfoZoomAttributeNode::Attributes() const
{
    AttributeNodeData &n = node();
    if (n.type != AttributeNodeData::Folder)
        TableErrors::raise(TableErrors::Number(438),
                           QStringLiteral("Das Attribut \"%1\" ist kein Ordner und hat keine Attribute.").arg(n.name));
    return InfoZoomAttributes(m_node);
}

QString InfoZoomAttributeNode::ImportName() const
{
    return node().importName;
}

void InfoZoomAttributeNode::setImportName(const QString &name)
{
    AttributeNodeData &n = node();
    n.importName = name;
    n.table->nodeChanged();
}
