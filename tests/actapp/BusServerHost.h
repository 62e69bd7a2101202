// A running application served on the session bus from a thread of its own (as a separate
// program would be), over the in-memory demo database, for tests of the bus transport.
#pragma once

#include "MemoryAppStore.h"

#include <QThread>
#include <functional>

namespace actserver {
class ActAppState;
class ActBusServer;
} // namespace actserver

class BusServerHost
{
public:
    BusServerHost();
    ~BusServerHost();

    // False when there is no session bus or the service name is taken.
    bool start();
    // Leaves the bus: the service and every object it served are gone.
    void disconnect();
    // Runs f on the server's thread and waits for it.
    void run(const std::function<void()> &f);
    // Keeps the server's thread busy for ms milliseconds without waiting for it.
    void block(int ms);

    MemoryAppStore *store = nullptr;
    actserver::ActAppState *state = nullptr;
    actserver::ActBusServer *server = nullptr;

private:
    QThread m_thread;
    QObject *m_context = nullptr;
    QString m_connectionName;
};
