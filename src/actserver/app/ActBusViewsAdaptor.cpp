// Views object on the bus: view objects it gives are published for the same client.
#include "ActBusViewsAdaptor.h"

#include "ActBusServer.h"
#include "ActBusViewAdaptor.h"

namespace actserver {

ActBusViewsAdaptor::ActBusViewsAdaptor(ActBusServer &server, std::shared_ptr<ACTViews> views)
    : ActBusObject(server), m_views(std::move(views))
{
}

QDBusObjectPath ActBusViewsAdaptor::publish(std::shared_ptr<ACTView> view)
{
    if (!view)
        return QDBusObjectPath(bus::nullPath());
    auto *adaptor = new ActBusViewAdaptor(m_server, std::move(view));
    const QDBusObjectPath path = m_server.publish(adaptor, QStringLiteral("View"), caller());
    adaptor->setPath(path.path());
    return path;
}

QDBusObjectPath ActBusViewsAdaptor::GetActive()
{
    return guarded<QDBusObjectPath>([&] { return publish(m_views->GetActive()); }, QDBusObjectPath(bus::nullPath()));
}

QDBusObjectPath ActBusViewsAdaptor::Create(int viewType, const QDBusVariant &mode)
{
    return guarded<QDBusObjectPath>([&] { return publish(m_views->Create(viewType, mode.variant())); },
                                    QDBusObjectPath(bus::nullPath()));
}

void ActBusViewsAdaptor::Release() { m_server.release(m_path); }

} // namespace actserver
