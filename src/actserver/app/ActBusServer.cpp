// Registration of the application object and of the per-call objects on the session bus.
#include "ActBusServer.h"

#include "ActBusAppAdaptor.h"
#include "ActBusNames.h"

#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>

namespace actserver {

ActBusServer::ActBusServer(ActAppState &state, const QDBusConnection &connection, QObject *parent)
    : QObject(parent), m_state(state), m_connection(connection)
{
    m_app = new ActBusAppAdaptor(*this, state);
    m_app->setParent(this);
    m_watcher = new QDBusServiceWatcher(this);
    m_watcher->setConnection(m_connection);
    m_watcher->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, &ActBusServer::releaseOwner);
}

ActBusServer::~ActBusServer()
{
    for (auto it = m_objects.begin(); it != m_objects.end(); ++it) {
        m_connection.unregisterObject(it.key());
        delete it->object;
    }
    m_objects.clear();
    if (m_connection.isConnected()) {
        m_connection.unregisterObject(bus::applicationPath());
        m_connection.unregisterService(bus::serviceName());
    }
}

bool ActBusServer::start(QString *error)
{
    if (!m_connection.isConnected()) {
        *error = QStringLiteral("Keine Verbindung zum Sitzungsbus: %1").arg(m_connection.lastError().message());
        return false;
    }
    if (!m_connection.registerObject(bus::applicationPath(), m_app, QDBusConnection::ExportAllSlots)) {
        *error = QStringLiteral("Das Anwendungsobjekt konnte nicht angemeldet werden.");
        return false;
    }
    if (!m_connection.registerService(bus::serviceName())) {
        m_connection.unregisterObject(bus::applicationPath());
        *error = QStringLiteral("Ein anderes ACT! ist bereits am Sitzungsbus angemeldet (%1).").arg(bus::serviceName());
        return false;
    }
    return true;
}

QDBusObjectPath ActBusServer::publish(QObject *object, const QString &kind, const QString &owner)
{
    const QString path = QStringLiteral("/ACTOLE/%1/%2").arg(kind).arg(m_nextId++);
    object->setParent(this);
    m_connection.registerObject(path, object, QDBusConnection::ExportAllSlots);
    m_objects.insert(path, {object, owner});
    if (!owner.isEmpty() && !m_watcher->watchedServices().contains(owner))
        m_watcher->addWatchedService(owner);
    return QDBusObjectPath(path);
}

void ActBusServer::release(const QString &path)
{
    auto it = m_objects.find(path);
    if (it == m_objects.end())
        return;
    m_connection.unregisterObject(path);
    it->object->deleteLater(); // may be the object whose slot runs now
    m_objects.erase(it);
}

void ActBusServer::releaseOwner(const QString &owner)
{
    QStringList paths;
    for (auto it = m_objects.cbegin(); it != m_objects.cend(); ++it)
        if (it->owner == owner)
            paths.append(it.key());
    for (const QString &path : paths)
        release(path);
    m_watcher->removeWatchedService(owner);
}

} // namespace actserver
