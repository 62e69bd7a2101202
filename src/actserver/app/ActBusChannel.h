// The client's line to the running ACT! on the session bus: calls a member of a served object with
// a bounded wait and turns every failure into the VB error a late-bound automation call gives.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantList>
#include <memory>

namespace actserver {

class ActBusChannel
{
public:
    // How long one call may take before the server counts as gone.
    static constexpr int kDefaultTimeoutMs = 15000;

    ActBusChannel(const QDBusConnection &connection, const QString &service, int timeoutMs = kDefaultTimeoutMs);

    // Calls the method and returns its reply's first argument (invalid for none). Throws
    // platform::VbError: kServerFault for a fault inside the server, kServerUnavailable when the
    // server is gone or does not answer in time, 438 for a member the object does not have.
    QVariant call(const QString &path, const char *interface, const QString &method, const QVariantList &args = {});
    // Tells the server the object is no longer used; never waits and never throws.
    void release(const QString &path, const char *interface) noexcept;

    bool isServiceRegistered() const;
    int timeoutMs() const { return m_timeoutMs; }

private:
    [[noreturn]] static void raise(const QDBusMessage &reply);

    QDBusConnection m_connection;
    QString m_service;
    int m_timeoutMs;
};

} // namespace actserver
