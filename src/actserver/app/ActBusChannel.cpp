// Bounded bus calls with the automation error numbers.
#include "ActBusChannel.h"

#include "ActAutomationError.h"
#include "ActBusNames.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QThread>
#include <atomic>

namespace actserver {

namespace {

constexpr long kMemberNotSupported = 438;

// What the command scopes share. Only the user-interface thread runs commands, waits with events
// and gives up; a call from any other thread simply blocks until its answer or its timeout.
struct CommandState
{
    int depth = 0;
    std::optional<platform::VbError> gaveUp;
    QEventLoop *waiting = nullptr;
    bool cancelled = false;
};

CommandState &commandState()
{
    static CommandState state;
    return state;
}

bool onUserInterfaceThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

std::atomic<int> &defaultWait()
{
    static std::atomic<int> ms{ActBusChannel::kDefaultTimeoutMs};
    return ms;
}

platform::VbError unavailable(const QString &description)
{
    return platform::VbError(kServerUnavailable, description, QStringLiteral("ACTOLE.APPOBJECT"));
}

} // namespace

ActBusChannel::CommandScope::CommandScope()
{
    if (commandState().depth++ == 0)
        commandState().gaveUp.reset();
}

ActBusChannel::CommandScope::~CommandScope() { --commandState().depth; }

void ActBusChannel::cancelWait()
{
    CommandState &state = commandState();
    if (!state.waiting)
        return;
    state.cancelled = true;
    state.waiting->quit();
}

int ActBusChannel::defaultTimeoutMs()
{
    return defaultWait();
}

void ActBusChannel::setDefaultTimeoutMs(int ms)
{
    defaultWait() = ms;
}

ActBusChannel::ActBusChannel(const QDBusConnection &connection, const QString &service, int timeoutMs)
    : m_connection(connection), m_service(service), m_timeoutMs(timeoutMs < 0 ? defaultTimeoutMs() : timeoutMs)
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
    const CommandState &state = commandState();
    if (state.gaveUp && state.depth > 0 && onUserInterfaceThread())
        throw *state.gaveUp;
    QDBusMessage message =
        QDBusMessage::createMethodCall(m_service, path, QString::fromLatin1(interface), method);
    message.setArguments(args);
    const std::optional<QDBusMessage> reply = awaitReply(message);
    if (!reply)
        giveUp(unavailable(QStringLiteral("Das Warten auf die Antwort wurde abgebrochen.")));
    if (reply->type() != QDBusMessage::ReplyMessage)
        raise(*reply, method);
    return reply->arguments().value(0);
}

std::optional<QDBusMessage> ActBusChannel::awaitReply(const QDBusMessage &message)
{
    CommandState &state = commandState();
    // A call made while another one waits (from an event that wait let run) does not wait with
    // events of its own: the outer wait could not end before it.
    if (!onUserInterfaceThread() || state.waiting)
        return m_connection.call(message, QDBus::Block, m_timeoutMs);
    QDBusPendingCall pending = m_connection.asyncCall(message, m_timeoutMs);
    if (!pending.isFinished()) {
        QDBusPendingCallWatcher watcher(pending);
        QEventLoop loop;
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
        state.waiting = &loop;
        state.cancelled = false;
        loop.exec();
        state.waiting = nullptr;
        if (state.cancelled)
            return std::nullopt;
    }
    return pending.reply();
}

void ActBusChannel::giveUp(const platform::VbError &error)
{
    CommandState &state = commandState();
    if (state.depth > 0 && onUserInterfaceThread())
        state.gaveUp = error;
    throw error;
}

void ActBusChannel::raise(const QDBusMessage &reply, const QString &method)
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
    // Gone, killed mid-call, not answering in time, or the object no longer served: the user is told
    // that ACT! does not answer, the bus's own words go to the error output.
    qWarning("ACT! did not answer %s: %s (%s)", qPrintable(method), qPrintable(name), qPrintable(reply.errorMessage()));
    giveUp(unavailable(QStringLiteral("ACT! antwortet nicht. Bitte prüfen Sie, ob ACT! noch arbeitet oder auf eine "
                                      "Eingabe wartet, und versuchen Sie es dann erneut.")));
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
