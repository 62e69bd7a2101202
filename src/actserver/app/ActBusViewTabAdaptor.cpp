// Tab-list object on the bus.
#include "ActBusViewTabAdaptor.h"

#include "ActBusServer.h"

namespace actserver {

ActBusViewTabAdaptor::ActBusViewTabAdaptor(ActBusServer &server, std::shared_ptr<ACTViewTab> tab)
    : ActBusObject(server), m_tab(std::move(tab))
{
}

int ActBusViewTabAdaptor::GetRowNumber(const QString &uniqueId)
{
    return guarded<int>([&] { return m_tab->GetRowNumber(uniqueId); }, -1);
}

int ActBusViewTabAdaptor::GoTo(int row)
{
    return guarded<int>([&] { return m_tab->GoTo(row); }, 0);
}

void ActBusViewTabAdaptor::Release() { m_server.release(m_path); }

} // namespace actserver
