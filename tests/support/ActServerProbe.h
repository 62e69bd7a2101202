// Helpers of the tests that run beside a real actserver process: waiting for a condition while the
// event loop runs, and asking the running server what its window shows.
#pragma once

#include "actserver/app/ActBusNames.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QElapsedTimer>
#include <QThread>
#include <QVariantMap>
#include <functional>

// True once condition holds; false when it still does not after timeoutMs.
inline bool waitFor(const std::function<bool()> &condition, int timeoutMs = 20000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(50);
    }
    return true;
}

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
