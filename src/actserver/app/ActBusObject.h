// Base of the objects served on the bus: runs a call on the in-process model and turns a fault
// inside it into the server-fault error reply instead of letting it escape.
#pragma once

#include "ActBusNames.h"
#include "platform/VbError.h"

#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>

namespace actserver {

class ActBusServer;

class ActBusObject : public QObject, protected QDBusContext
{
    Q_OBJECT
public:
    explicit ActBusObject(ActBusServer &server) : m_server(server) {}

protected:
    template <typename T, typename F> T guarded(F &&call, T fallback)
    {
        try {
            return call();
        } catch (const platform::VbError &e) {
            fault(QStringLiteral("%1 (%2)").arg(e.description()).arg(e.number()));
        } catch (const std::exception &e) {
            fault(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            fault(QStringLiteral("Unbekannter Fehler"));
        }
        return fallback;
    }
    template <typename F> void guardedVoid(F &&call)
    {
        guarded<int>(
            [&] {
                call();
                return 0;
            },
            0);
    }
    // The client that sent the running call ("" when called directly, as in tests).
    QString caller() const { return calledFromDBus() ? message().service() : QString(); }

    ActBusServer &m_server;

private:
    void fault(const QString &description)
    {
        if (calledFromDBus())
            sendErrorReply(bus::serverFaultError(), description);
    }
};

} // namespace actserver
