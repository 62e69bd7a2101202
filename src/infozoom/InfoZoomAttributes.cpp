// One level of a table's attribute tree.
#include "InfoZoomAttributes.h"

#include "InfoZoomAttribute.h"
#include "TableData.h"
#include "TableErrors.h"

AttributeNodeData &InfoZoomAttributes::folder() const
{
    if (!m_folder || !m_folder->table)
        TableErrors::raiseAttributeGone();
    return *m_folder;
}

int InfoZoomAttributes::Count() const
{
    return int(folder().children.size());
}

InfoZoomAttributeNode InfoZoomAttributes::Item(int index) const
{
    AttributeNodeData &f = folder();
    if (index < 0 || index >= int(f.children.size()))
        TableErrors::raiseOutOfRange(index, long(f.children.size()));
    return InfoZoomAttributeNode(f.children[size_t(index)]);
}

InfoZoomAttribute InfoZoomAttributes::Add(const QString &name, const QString &definition)
{
    AttributeNodeData &f = folder();
    if (!definition.isEmpty())
        TableErrors::raise(TableErrors::InvalidCall,
                           QStringLiteral("Berechnete Attribute werden beim Anlegen nicht unterstützt."));
    return InfoZoomAttribute(f.table->addNode(&f, AttributeNodeData::Attribute, name));
}

InfoZoomAttributeNode InfoZoomAttributes::AddFolder(const QString &name)
{
    AttributeNodeData &f = folder();
    return InfoZoomAttributeNode(f.table->addNode(&f, AttributeNodeData::Folder, name));
}
