// Helpers of the tests that run beside a real actserver process: waiting for it (WaitFor.h), and
// asking the running server what its window shows.
#pragma once

#include "WaitFor.h"
#include "actserver/app/ActBusNames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QVariantMap>

// What the running ACT! shows: its lookup, active tab and chosen record (empty when it does not answer).
inline QVariantMap actWindowState()
{
    QDBusMessage call = QDBusMessage::createMethodCall(actserver::bus::serviceName(), actserver::bus::applicationPath(),
                                                       QString::fromLatin1(actserver::bus::kApplicationInterface),
                                                       QStringLiteral("WindowState"));
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
    return reply.type() == QDBusMessage::ReplyMessage ? qdbus_cast<QVariantMap>(reply.arguments().value(0))
                                                      : QVariantMap();
}
