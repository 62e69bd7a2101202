// The client's line to the running ACT! on the session bus: calls a member of a served object with
// a bounded wait and turns every failure into the VB error a late-bound automation call gives.
#pragma once

#include "platform/VbError.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantList>
#include <memory>
#include <optional>

namespace actserver {

class ActBusChannel
{
public:
    // How long one call may take before the server counts as gone.
    static constexpr int kDefaultTimeoutMs = 15000;
    // The wait of channels made without one of their own (tests shorten it).
    static int defaultTimeoutMs();
    static void setDefaultTimeoutMs(int ms);

    // A negative timeoutMs waits defaultTimeoutMs().
    ActBusChannel(const QDBusConnection &connection, const QString &service, int timeoutMs = -1);

    // Calls the method and returns its reply's first argument (invalid for none). Throws
    // platform::VbError: kServerFault for a fault inside the server, kServerUnavailable when the
    // server is gone or does not answer in time (a German sentence saying that ACT! does not
    // answer; the bus error goes to the error output), 438 for a member the object does not have.
    QVariant call(const QString &path, const char *interface, const QString &method, const QVariantList &args = {});
    // Tells the server the object is no longer used; never waits and never throws.
    void release(const QString &path, const char *interface) noexcept;

    bool isServiceRegistered() const;
    int timeoutMs() const { return m_timeoutMs; }

    // One user command's dealings with the running ACT!. Once a call of the command went
    // unanswered, or the user ended the wait, the command's further calls fail at once with the
    // same error: a frozen ACT! costs a command one wait, not one per call. Scopes nest; the
    // outermost one starts afresh. Outside every scope each call waits on its own.
    class CommandScope
    {
    public:
        CommandScope();
        ~CommandScope();
        CommandScope(const CommandScope &) = delete;
        CommandScope &operator=(const CommandScope &) = delete;
    };

    // Ends the running wait for an answer (the cancel panel): the call fails as if the server had
    // not answered. Does nothing when no call waits.
    static void cancelWait();

private:
    // The reply; none when the user ended the wait. On the user-interface thread the wait lets
    // window events run, so that the cancel panel can be clicked; the busy window keeps every
    // other command out meanwhile.
    std::optional<QDBusMessage> awaitReply(const QDBusMessage &message);
    [[noreturn]] static void raise(const QDBusMessage &reply, const QString &method);
    // Throws Error, and makes the rest of the running command fail with it at once.
    [[noreturn]] static void giveUp(const platform::VbError &error);

    QDBusConnection m_connection;
    QString m_service;
    int m_timeoutMs;
};

} // namespace actserver
