// In-process tab list: rows are the related records in file order; GoTo marks the row the window shows.
#include "ActLocalViewTab.h"

#include "ActAutomationError.h"

namespace actserver {

ActLocalViewTab::ActLocalViewTab(ActAppState &state, int viewType, ActTab tab)
    : m_state(state), m_viewType(viewType), m_tab(tab)
{
}

int ActLocalViewTab::GetRowNumber(const QString &uniqueId)
{
    if (!m_state.isOpen())
        return -1;
    return int(m_state.tabRecordIds(m_viewType, m_tab).indexOf(paddedId(uniqueId)));
}

int ActLocalViewTab::GoTo(int row)
{
    if (!m_state.isOpen())
        return ActError::DBNotOpen;
    if (row < 0 || row >= m_state.tabRecordIds(m_viewType, m_tab).size())
        return ActError::InvalidParameter;
    m_state.side(m_viewType).selectedRows.insert(int(m_tab), row);
    m_state.notifyChanged();
    return ActError::Success;
}

} // namespace actserver
