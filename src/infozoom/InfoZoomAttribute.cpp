// An attribute (a column) of a table.
#include "InfoZoomAttribute.h"

#include "InfoZoomValues.h"
#include "TableData.h"
#include "TableErrors.h"

InfoZoomAttribute::InfoZoomAttribute(const InfoZoomAttributeNode &node) : InfoZoomAttribute(node.data() ? node.data()->shared_from_this() : nullptr)
{
}

InfoZoomAttribute::InfoZoomAttribute(std::shared_ptr<AttributeNodeData> node) : InfoZoomAttributeNode(std::move(node))
{
    if (m_node && m_node->type != AttributeNodeData::Attribute)
        TableErrors::raise(TableErrors::TypeMismatch,
                           QStringLiteral("Der Ordner \"%1\" ist kein Attribut.").arg(m_node->name));
}

QString InfoZoomAttribute::Format() const
{
    return node().format;
}

void InfoZoomAttribute::setFormat(const QString &format)
{
    AttributeNodeData &n = node();
    n.format = format;
    n.table->nodeChanged();
}

int InfoZoomAttribute::Mode() const
{
    return node().mode;
}

void InfoZoomAttribute::setMode(int mode)
{
    AttributeNodeData &n = node();
    n.mode = mode;
    n.table->nodeChanged();
}

InfoZoomValues InfoZoomAttribute::SelectedValues() const
{
    node();
    return InfoZoomValues(m_node);
}

void InfoZoomAttribute::SelectValue(const QVariant &value, bool add)
{
    AttributeNodeData &n = node();
    const std::optional<uint32_t> code = n.table->heldCode(&n, value);
    if (!code)
        TableErrors::raise(TableErrors::ValueAbsent, QStringLiteral("Der Wert \"%1\" kommt im Attribut \"%2\" nicht vor.")
                                                         .arg(value.toString(), n.name));
    if (!add)
        for (uint32_t other : std::vector<uint32_t>(n.selectedCodes))
            if (other != *code)
                n.table->setCodeSelected(&n, other, false);
    n.table->setCodeSelected(&n, *code, true);
}
