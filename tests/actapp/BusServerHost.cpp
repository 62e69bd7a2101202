// Bus server on a thread of its own for the transport tests.
#include "BusServerHost.h"

#include "ActAppFixture.h"
#include "actserver/app/ActAppState.h"
#include "actserver/app/ActBusServer.h"

#include <QDBusConnection>
#include <QMetaObject>
#include <atomic>

namespace {
std::atomic<int> g_hosts{0};
}

BusServerHost::BusServerHost()
{
    m_connectionName = QStringLiteral("actserver-test-%1").arg(++g_hosts);
    m_thread.start();
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
}

BusServerHost::~BusServerHost()
{
    run([this] {
        delete server;
        delete state;
        server = nullptr;
        state = nullptr;
        delete m_context;
    });
    QDBusConnection::disconnectFromBus(m_connectionName);
    m_thread.quit();
    m_thread.wait();
}

void BusServerHost::run(const std::function<void()> &f)
{
    QMetaObject::invokeMethod(m_context, f, Qt::BlockingQueuedConnection);
}

void BusServerHost::block(int ms)
{
    QMetaObject::invokeMethod(m_context, [ms] { QThread::msleep(ms); }, Qt::QueuedConnection);
}

bool BusServerHost::start()
{
    bool ok = false;
    run([&] {
        state = new actserver::ActAppState([this](const QString &path) -> std::unique_ptr<actserver::ActAppStore> {
            auto s = makeDemoStore(path);
            store = s.get();
            return s;
        });
        state->openDatabase(QStringLiteral("/daten/DEMO.dbf"));
        QDBusConnection connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_connectionName);
        server = new actserver::ActBusServer(*state, connection);
        QString error;
        ok = server->start(&error);
    });
    return ok;
}

void BusServerHost::disconnect()
{
    run([this] {
        delete server;
        server = nullptr;
        QDBusConnection::disconnectFromBus(m_connectionName);
    });
}
