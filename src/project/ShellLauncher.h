// The seam through which shell launching starts its helper programs (xdg-open, lp) and programs:
// the real launcher starts processes, tests install one that records what would have started.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QProcess;

namespace project {

class ShellLauncher
{
public:
    virtual ~ShellLauncher() = default;
    // Starts Program with Arguments in WorkingDirectory ("" = the current one) and returns the
    // running (or already finished) process, or nullptr when it could not be started.
    virtual std::unique_ptr<QProcess> start(const QString &program, const QStringList &arguments,
                                            const QString &workingDirectory) = 0;
};

// Starts real processes.
class ProcessShellLauncher final : public ShellLauncher
{
public:
    std::unique_ptr<QProcess> start(const QString &program, const QStringList &arguments,
                                    const QString &workingDirectory) override;
};

// The program-wide launcher used by shell objects created without one of their own; nullptr
// restores the real launcher. Tests install a recording one so that nothing is really opened.
ShellLauncher &shellLauncher();
void setShellLauncher(ShellLauncher *launcher);

// Lets a process run on by itself: it is deleted once it has finished, and never killed, so a
// viewer that the user opened outlives the object that started it.
void releaseProcess(std::unique_ptr<QProcess> process);

} // namespace project
