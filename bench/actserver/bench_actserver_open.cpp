// Opening a 200,000-contact demo database in the ACT! stand-in: the actserver program started on it
// until its window is shown and answers on the bus (target: 2 s), with its peak resident memory
// (target: 300 MB).
#include "BenchDemoDatabase.h"
#include "BenchSize.h"
#include "actserver/app/ActBusNames.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <benchmark/benchmark.h>

namespace {

const int kContacts = benchSize(200000);

// DATOLUX_BENCH_OPEN may name an existing demo database of kContacts contacts.
const QString &contactFile()
{
    static const QString path = benchDemoDatabase(kContacts, QStringLiteral("Oeffnen"), "DATOLUX_BENCH_OPEN");
    return path;
}

// A line of /proc/PID/status in megabytes ("VmHWM" is the peak resident memory).
double statusMegabytes(qint64 pid, const QByteArray &name)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// The window's state over the bus; false while the service is not there or does not answer.
bool windowAnswers(const QString &service)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, actserver::bus::applicationPath(),
                                                       QString::fromLatin1(actserver::bus::kApplicationInterface),
                                                       QStringLiteral("WindowState"));
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 60000).type() == QDBusMessage::ReplyMessage;
}

void BM_ActServerWindowShown(benchmark::State &state)
{
    if (!QDBusConnection::sessionBus().isConnected()) {
        state.SkipWithError("needs a session bus");
        return;
    }
    const QString path = contactFile();
    double peak = 0;
    for (auto _ : state) {
        const QString service = QStringLiteral("org.datolux.ACT.bench%1").arg(QCoreApplication::applicationPid());
        QProcess server;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DATOLUX_ACT_SERVICE"), service);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        server.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        server.start(QStringLiteral(ACTSERVER_PATH), {path});
        while (server.state() != QProcess::NotRunning && !windowAnswers(service))
            QThread::msleep(5);
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        if (server.state() == QProcess::NotRunning) {
            state.SkipWithError("actserver ended before its window was shown");
            break;
        }
        state.SetIterationTime(seconds);
        peak = std::max(peak, statusMegabytes(server.processId(), "VmHWM"));
        server.kill();
        server.waitForFinished();
    }
    state.counters["peak_resident_MB"] = peak;
}
BENCHMARK(BM_ActServerWindowShown)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
