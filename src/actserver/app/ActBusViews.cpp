// Client proxy of the views object.
#include "ActBusViews.h"

#include "ActBusNames.h"
#include "ActBusView.h"

#include <QDBusObjectPath>
#include <QDBusVariant>

namespace actserver {

ActBusViews::ActBusViews(std::shared_ptr<ActBusChannel> channel, const QString &path)
    : m_channel(std::move(channel)), m_path(path)
{
}

ActBusViews::~ActBusViews() { m_channel->release(m_path, bus::kViewsInterface); }

std::shared_ptr<ACTView> ActBusViews::viewAt(const QVariant &pathValue)
{
    const QString path = qvariant_cast<QDBusObjectPath>(pathValue).path();
    if (path.isEmpty() || path == bus::nullPath())
        return nullptr;
    return std::make_shared<ActBusView>(m_channel, path);
}

std::shared_ptr<ACTView> ActBusViews::GetActive()
{
    return viewAt(m_channel->call(m_path, bus::kViewsInterface, QStringLiteral("GetActive")));
}

std::shared_ptr<ACTView> ActBusViews::Create(int viewType, const QVariant &mode)
{
    // A bus variant cannot be empty; an absent mode means opening the view, as "" does.
    const QVariant sent = mode.isValid() ? mode : QVariant(QString());
    return viewAt(m_channel->call(m_path, bus::kViewsInterface, QStringLiteral("Create"),
                                  {viewType, QVariant::fromValue(QDBusVariant(sent))}));
}

} // namespace actserver
