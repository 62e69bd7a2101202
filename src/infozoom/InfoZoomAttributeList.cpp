// The flat attribute list of a table.
#include "InfoZoomAttributeList.h"

#include "InfoZoomAttributeNode.h"
#include "TableData.h"
#include "TableErrors.h"

int InfoZoomAttributeList::Count() const
{
    return int(m_data->flatList().size());
}

InfoZoomAttributeNode InfoZoomAttributeList::Item(int index) const
{
    const auto &flat = m_data->flatList();
    if (index < 0 || index >= int(flat.size()))
        TableErrors::raiseOutOfRange(index, long(flat.size()));
    return InfoZoomAttributeNode(flat[size_t(index)]->shared_from_this());
}
