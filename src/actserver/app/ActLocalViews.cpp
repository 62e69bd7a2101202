// In-process views: the active view and the creation of view objects.
#include "ActLocalViews.h"

#include "ActLocalView.h"

namespace actserver {

std::shared_ptr<ACTView> ActLocalViews::GetActive()
{
    if (!m_state.isOpen() || m_state.activeViewType() == 0)
        return nullptr;
    return std::make_shared<ActLocalView>(m_state, m_state.activeViewType());
}

bool ActLocalViews::opensView(const QVariant &mode)
{
    return !mode.isValid() || (mode.typeId() == QMetaType::QString && mode.toString().isEmpty());
}

std::shared_ptr<ACTView> ActLocalViews::Create(int viewType, const QVariant &mode)
{
    if (!m_state.isOpen())
        return nullptr;
    if (viewType != ActViewType::Contact && viewType != ActViewType::ContactList && viewType != ActViewType::Group)
        return nullptr;
    if (opensView(mode))
        m_state.setActiveViewType(viewType);
    return std::make_shared<ActLocalView>(m_state, viewType);
}

} // namespace actserver
