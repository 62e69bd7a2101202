// Bounded bus calls with the automation error numbers.
#include "ActBusChannel.h"

#include "ActAutomationError.h"
#include "ActBusNames.h"
#include "platform/VbError.h"

#include <QDBusConnectionInterface>
#include <QDBusError>

namespace actserver {

namespace {
constexpr long kMemberNotSupported = 438;
}

ActBusChannel::ActBusChannel(const QDBusConnection &connection, const QString &service, int timeoutMs)
    : m_connection(connection), m_service(service), m_timeoutMs(timeoutMs)
{
}

bool ActBusChannel::isServiceRegistered() const
{
    if (!m_connection.isConnected() || !m_connection.interface())
        return false;
    return m_connection.interface()->isServiceRegistered(m_service).value();
}

QVariant ActBusChannel::call(const QString &path, const char *interface, const QString &method,
                             const QVariantList &args)
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(m_service, path, QString::fromLatin1(interface), method);
    message.setArguments(args);
    // Block, not BlockWithGui: no user input may run inside an automation call.
    const QDBusMessage reply = m_connection.call(message, QDBus::Block, m_timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        raise(reply);
    return reply.arguments().value(0);
}

void ActBusChannel::raise(const QDBusMessage &reply)
{
    const QString name = reply.errorName();
    if (name == bus::serverFaultError())
        throw platform::VbError(kServerFault,
                                QStringLiteral("Automatisierungsfehler: Der Server hat eine Ausnahme ausgelöst. %1")
                                    .arg(reply.errorMessage())
                                    .trimmed(),
                                QStringLiteral("ACTOLE.APPOBJECT"));
    const QDBusError::ErrorType type = QDBusError(reply).type();
    if (type == QDBusError::UnknownMethod || type == QDBusError::InvalidArgs || type == QDBusError::InvalidSignature)
        throw platform::VbError(kMemberNotSupported,
                                QStringLiteral("Objekt unterstützt diese Eigenschaft oder Methode nicht."),
                                QStringLiteral("ACTOLE.APPOBJECT"));
    // Gone, killed mid-call, not answering in time, or the object no longer served.
    throw platform::VbError(kServerUnavailable,
                            QStringLiteral("Der RPC-Server ist nicht verfügbar. (%1)").arg(name),
                            QStringLiteral("ACTOLE.APPOBJECT"));
}

void ActBusChannel::release(const QString &path, const char *interface) noexcept
{
    try {
        if (!m_connection.isConnected())
            return;
        QDBusMessage message =
            QDBusMessage::createMethodCall(m_service, path, QString::fromLatin1(interface), QStringLiteral("Release"));
        message.setAutoStartService(false);
        m_connection.send(message);
    } catch (...) {
    }
}

} // namespace actserver
