// Serves the running application on the session bus: the application object under a fixed path,
// and every views, view and tab-list object a client asks for under a path of its own, until the
// client releases it or leaves the bus.
#pragma once

#include "ActAppState.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QHash>
#include <QObject>

class QDBusServiceWatcher;

namespace actserver {

class ActBusAppAdaptor;

class ActBusServer final : public QObject
{
    Q_OBJECT
public:
    ActBusServer(ActAppState &state, const QDBusConnection &connection, QObject *parent = nullptr);
    ~ActBusServer() override;

    // Registers the application object and claims the service name; false (with *error) when the
    // bus is not there or another ACT! already serves the name.
    bool start(QString *error);

    ActAppState &state() { return m_state; }

    // Registers a per-call object for the client that asked for it; the server owns it.
    QDBusObjectPath publish(QObject *object, const QString &kind, const QString &owner);
    void release(const QString &path);
    int publishedCount() const { return int(m_objects.size()); }

private:
    void releaseOwner(const QString &owner);

    struct Published
    {
        QObject *object;
        QString owner;
    };

    ActAppState &m_state;
    QDBusConnection m_connection;
    ActBusAppAdaptor *m_app = nullptr;
    QDBusServiceWatcher *m_watcher = nullptr;
    QHash<QString, Published> m_objects;
    quint64 m_nextId = 1;
};

} // namespace actserver
