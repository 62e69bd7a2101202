// Process starting for shell launching, and the program-wide launcher.
#include "ShellLauncher.h"

#include <QList>
#include <QProcess>

namespace project {

namespace {
ShellLauncher *g_launcher = nullptr;
constexpr int kStartTimeoutMs = 5000;

// The processes handed off while they ran, until each has finished. Deleting one would kill its
// program; the list, never destroyed itself, keeps those still running at the end of the program
// known as what they are, not lost.
QList<QProcess *> &handedOff()
{
    static auto *processes = new QList<QProcess *>;
    return *processes;
}
} // namespace

std::unique_ptr<QProcess> ProcessShellLauncher::start(const QString &program, const QStringList &arguments,
                                                      const QString &workingDirectory)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments(arguments);
    if (!workingDirectory.isEmpty())
        process->setWorkingDirectory(workingDirectory);
    // The launched program talks to the user, not to us.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted(kStartTimeoutMs))
        return nullptr;
    return process;
}

ShellLauncher &shellLauncher()
{
    static ProcessShellLauncher real;
    return g_launcher ? *g_launcher : real;
}

void setShellLauncher(ShellLauncher *launcher)
{
    g_launcher = launcher;
}

void releaseProcess(std::unique_ptr<QProcess> process)
{
    if (!process)
        return;
    if (process->state() == QProcess::NotRunning || process->waitForFinished(0))
        return; // finished: deleting it kills nothing
    QProcess *running = process.release();
    handedOff().append(running);
    QObject::connect(running, &QProcess::finished, running, [running] {
        handedOff().removeOne(running);
        running->deleteLater();
    });
}

} // namespace project
