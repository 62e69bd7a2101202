// Client proxy of a tab-list object served on the bus; released on the server when dropped.
#pragma once

#include "ACTViewTab.h"
#include "ActBusChannel.h"

namespace actserver {

class ActBusViewTab final : public ACTViewTab
{
public:
    ActBusViewTab(std::shared_ptr<ActBusChannel> channel, const QString &path);
    ~ActBusViewTab() override;
    Q_DISABLE_COPY_MOVE(ActBusViewTab)

    int GetRowNumber(const QString &uniqueId) override;
    int GoTo(int row) override;

private:
    std::shared_ptr<ActBusChannel> m_channel;
    QString m_path;
};

} // namespace actserver
