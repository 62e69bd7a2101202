// Application object on the bus: forwards to the in-process application object.
#include "ActBusAppAdaptor.h"

#include "ActBusServer.h"
#include "ActBusViewsAdaptor.h"

namespace actserver {

ActBusAppAdaptor::ActBusAppAdaptor(ActBusServer &server, ActAppState &state) : ActBusObject(server), m_app(state) {}

QString ActBusAppAdaptor::GetOpenDBName()
{
    return guarded<QString>([&] { return m_app.GetOpenDBName(); }, QString());
}

QString ActBusAppAdaptor::GetUserId()
{
    return guarded<QString>([&] { return m_app.GetUserId(); }, QString());
}

QString ActBusAppAdaptor::GetCurrentUserName()
{
    return guarded<QString>([&] { return m_app.GetCurrentUserName(); }, QString());
}

QString ActBusAppAdaptor::GetVersion(int kind)
{
    return guarded<QString>([&] { return m_app.GetVersion(kind); }, QString());
}

void ActBusAppAdaptor::Show(bool show)
{
    guardedVoid([&] { m_app.Show(show); });
}

void ActBusAppAdaptor::Minimize()
{
    guardedVoid([&] { m_app.Minimize(); });
}

int ActBusAppAdaptor::OpenDB(const QString &path)
{
    return guarded<int>([&] { return m_app.OpenDB(path); }, 0);
}

int ActBusAppAdaptor::CloseDB()
{
    return guarded<int>([&] { return m_app.CloseDB(); }, 0);
}

void ActBusAppAdaptor::Command(int commandId)
{
    guardedVoid([&] { m_app.Command(commandId); });
}

QDBusObjectPath ActBusAppAdaptor::Views()
{
    return guarded<QDBusObjectPath>(
        [&] {
            auto *views = new ActBusViewsAdaptor(m_server, m_app.Views());
            const QDBusObjectPath path = m_server.publish(views, QStringLiteral("Views"), caller());
            views->setPath(path.path());
            return path;
        },
        QDBusObjectPath(bus::nullPath()));
}

} // namespace actserver
