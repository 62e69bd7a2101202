// A views object on the bus (ACTViews), registered for the client that asked for it.
#pragma once

#include "ACTViews.h"
#include "ActBusObject.h"

#include <QDBusObjectPath>
#include <QDBusVariant>

namespace actserver {

class ActBusViewsAdaptor final : public ActBusObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.datolux.ACT.Views")
public:
    ActBusViewsAdaptor(ActBusServer &server, std::shared_ptr<ACTViews> views);
    void setPath(const QString &path) { m_path = path; }

public slots:
    QDBusObjectPath GetActive();
    QDBusObjectPath Create(int viewType, const QDBusVariant &mode);
    void Release();

private:
    QDBusObjectPath publish(std::shared_ptr<ACTView> view);

    std::shared_ptr<ACTViews> m_views;
    QString m_path;
};

} // namespace actserver
