// Hands documents, folders, web and mail addresses to the desktop (xdg-open, lp), so that the
// program associated with them opens them, and remembers the last process it started.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QObject;
class QProcess;
class QWidget;

namespace project {

class ShellLauncher;

// The launching operations return True (-1) on success, otherwise the shell's error code 0..32:
// 2 file not found, 3 path not found, 5 access denied, 31 no program for the document or action.
// Owner and show style are accepted for the callers' sake: the desktop places the window.
class clShellExecute
{
public:
    static constexpr long True = -1;
    static constexpr long ErrFileNotFound = 2;
    static constexpr long ErrPathNotFound = 3;
    static constexpr long ErrAccessDenied = 5;
    static constexpr long ErrNoAssociation = 31;
    static constexpr int ShowNormal = 1;

    // Without a launcher the program-wide one (shellLauncher()) starts the processes.
    explicit clShellExecute(ShellLauncher *launcher = nullptr);
    ~clShellExecute();
    clShellExecute(const clShellExecute &) = delete;
    clShellExecute &operator=(const clShellExecute &) = delete;

    // True while the process of the last LaunchDocument or LaunchProgram still runs.
    bool StillExecuting();
    long Explore(QWidget *owner, const QString &folder, int showStyle = ShowNormal);
    // %VAR% and ${VAR} of the environment are expanded in document and folder.
    long LaunchDocument(QWidget *owner, const QString &document, const QString &startIn = QString(),
                        int showStyle = ShowNormal);
    long LaunchEmail(QWidget *owner, const QString &address, int showStyle = ShowNormal);
    long LaunchFolder(QWidget *owner, const QString &folder, int showStyle = ShowNormal);
    // Parameters are one command-line text, split as a shell splits it (quotes group words).
    long LaunchProgram(QWidget *owner, const QString &program, const QString &parameters,
                       const QString &startIn = QString(), int showStyle = ShowNormal);
    long LaunchURL(QWidget *owner, const QString &url, int showStyle = ShowNormal);
    long PrintDocument(QWidget *owner, const QString &document);

    // The shell's code of the last LaunchDocument or LaunchProgram (above 32 on success); 0 after
    // any other operation.
    long LastInstApp() const { return m_lastInstApp; }

    // A desktop helper still looking for a program when LaunchDocument returned (a slow system)
    // may refuse later: Answered then gets the result it would have given (2 missing, 31 no
    // program). A helper that runs on has handed the document to its program; after a while it
    // is no longer listened to. The watch ends with Context.
    void WatchLateAnswer(QObject *context, std::function<void(long)> answered);

private:
    struct Outcome
    {
        long code = 0; // shell code: above 32 on success
        std::unique_ptr<QProcess> process;
    };
    void reset();
    ShellLauncher &launcher() const;
    Outcome openWithDesktop(const QString &target, const QString &startIn) const;
    Outcome print(const QString &document) const;
    Outcome startProgram(const QString &program, const QString &parameters, const QString &startIn) const;
    long finishSimple(Outcome outcome);
    long finishKept(Outcome outcome);

    ShellLauncher *m_launcher;
    long m_lastInstApp = 0;
    std::unique_ptr<QProcess> m_lastProcess;
};

} // namespace project
