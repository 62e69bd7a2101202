// Client proxy of the application object.
#include "ActBusAppObject.h"

#include "ActAutomationError.h"
#include "ActBusNames.h"
#include "ActBusViews.h"
#include "platform/VbError.h"

#include <QDBusObjectPath>

namespace actserver {

ActBusAppObject::ActBusAppObject(std::shared_ptr<ActBusChannel> channel) : m_channel(std::move(channel)) {}

std::shared_ptr<ACTAppObject> ActBusAppObject::create(int timeoutMs)
{
    return create(QDBusConnection::sessionBus(), timeoutMs);
}

std::shared_ptr<ACTAppObject> ActBusAppObject::create(const QDBusConnection &connection, int timeoutMs)
{
    auto channel = std::make_shared<ActBusChannel>(connection, bus::serviceName(), timeoutMs);
    if (!channel->isServiceRegistered())
        throw platform::VbError(kCannotCreateObject,
                                QStringLiteral("Objekterstellung durch ActiveX-Komponente nicht möglich."),
                                QStringLiteral("ACTOLE.APPOBJECT"));
    return std::make_shared<ActBusAppObject>(std::move(channel));
}

QVariant ActBusAppObject::call(const QString &method, const QVariantList &args)
{
    return m_channel->call(bus::applicationPath(), bus::kApplicationInterface, method, args);
}

QString ActBusAppObject::GetOpenDBName() { return call(QStringLiteral("GetOpenDBName")).toString(); }
QString ActBusAppObject::GetUserId() { return call(QStringLiteral("GetUserId")).toString(); }
QString ActBusAppObject::GetCurrentUserName() { return call(QStringLiteral("GetCurrentUserName")).toString(); }
QString ActBusAppObject::GetVersion(int kind) { return call(QStringLiteral("GetVersion"), {kind}).toString(); }
void ActBusAppObject::Show(bool show) { call(QStringLiteral("Show"), {show}); }
void ActBusAppObject::Minimize() { call(QStringLiteral("Minimize")); }
int ActBusAppObject::OpenDB(const QString &path) { return call(QStringLiteral("OpenDB"), {path}).toInt(); }
int ActBusAppObject::CloseDB() { return call(QStringLiteral("CloseDB")).toInt(); }
void ActBusAppObject::Command(int commandId) { call(QStringLiteral("Command"), {commandId}); }

std::shared_ptr<ACTViews> ActBusAppObject::Views()
{
    const QString path = qvariant_cast<QDBusObjectPath>(call(QStringLiteral("Views"))).path();
    if (path.isEmpty() || path == bus::nullPath())
        return nullptr;
    return std::make_shared<ActBusViews>(m_channel, path);
}

} // namespace actserver
