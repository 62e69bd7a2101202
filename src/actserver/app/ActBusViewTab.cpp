// Client proxy of a tab list.
#include "ActBusViewTab.h"

#include "ActBusNames.h"

namespace actserver {

ActBusViewTab::ActBusViewTab(std::shared_ptr<ActBusChannel> channel, const QString &path)
    : m_channel(std::move(channel)), m_path(path)
{
}

ActBusViewTab::~ActBusViewTab() { m_channel->release(m_path, bus::kViewTabInterface); }

int ActBusViewTab::GetRowNumber(const QString &uniqueId)
{
    return m_channel->call(m_path, bus::kViewTabInterface, QStringLiteral("GetRowNumber"), {uniqueId}).toInt();
}

int ActBusViewTab::GoTo(int row)
{
    return m_channel->call(m_path, bus::kViewTabInterface, QStringLiteral("GoTo"), {row}).toInt();
}

} // namespace actserver
