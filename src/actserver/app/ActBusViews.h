// Client proxy of a views object served on the bus; released on the server when dropped.
#pragma once

#include "ACTViews.h"
#include "ActBusChannel.h"

namespace actserver {

class ActBusViews final : public ACTViews
{
public:
    ActBusViews(std::shared_ptr<ActBusChannel> channel, const QString &path);
    ~ActBusViews() override;
    Q_DISABLE_COPY_MOVE(ActBusViews)

    std::shared_ptr<ACTView> GetActive() override;
    std::shared_ptr<ACTView> Create(int viewType, const QVariant &mode) override;

private:
    std::shared_ptr<ACTView> viewAt(const QVariant &pathValue);

    std::shared_ptr<ActBusChannel> m_channel;
    QString m_path;
};

} // namespace actserver
