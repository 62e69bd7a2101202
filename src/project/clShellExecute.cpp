// Shell launching on the desktop's helpers: xdg-open opens, lp prints.
#include "clShellExecute.h"

#include "ServiceError.h"
#include "ShellLauncher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>

namespace project {

namespace {

constexpr long kSuccessCode = 42; // any code above 32 means success
// The helpers answer at once when they cannot open something; a helper still running after this
// has handed the document over (or runs the viewer itself).
constexpr int kHelperAnswerMs = 1000;

bool isUrl(const QString &target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

QString expandEnvironment(QString text)
{
    static const QRegularExpression variable(
        QStringLiteral("%([A-Za-z_][A-Za-z0-9_]*)%|\\$\\{([A-Za-z_][A-Za-z0-9_]*)\\}"));
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QString out;
    qsizetype last = 0;
    for (auto it = variable.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
        out += text.mid(last, m.capturedStart() - last);
        // An unknown variable stays as written.
        out += env.contains(name) ? env.value(name) : m.captured(0);
        last = m.capturedEnd();
    }
    return out + text.mid(last);
}

long missingCode(const QString &path)
{
    return QFileInfo(path).absoluteDir().exists() ? clShellExecute::ErrFileNotFound : clShellExecute::ErrPathNotFound;
}

// How long a helper still running after kHelperAnswerMs may take to refuse: xdg-open's search of
// every known viewer and browser takes seconds on a busy machine.
constexpr qint64 kLateAnswerMs = 20000;

// The helper's exit as the shell's answer (xdg-open: 2 file missing, 3 no tool, 4 failed).
long exitCode(QProcess::ExitStatus status, int code)
{
    if (status == QProcess::NormalExit && code == 0)
        return kSuccessCode;
    return code == 2 ? clShellExecute::ErrFileNotFound : clShellExecute::ErrNoAssociation;
}

long helperCode(QProcess &process)
{
    if (!process.waitForFinished(kHelperAnswerMs))
        return kSuccessCode;
    return exitCode(process.exitStatus(), process.exitCode());
}

long convention(long code)
{
    return code > 32 ? clShellExecute::True : code;
}

} // namespace

clShellExecute::clShellExecute(ShellLauncher *launcher) : m_launcher(launcher) {}

clShellExecute::~clShellExecute()
{
    releaseProcess(std::move(m_lastProcess));
}

ShellLauncher &clShellExecute::launcher() const
{
    return m_launcher ? *m_launcher : shellLauncher();
}

void clShellExecute::reset()
{
    m_lastInstApp = 0;
    releaseProcess(std::move(m_lastProcess));
}

clShellExecute::Outcome clShellExecute::openWithDesktop(const QString &target, const QString &startIn) const
{
    Outcome outcome;
    if (!isUrl(target) && !QFileInfo::exists(target)) {
        outcome.code = missingCode(target);
        return outcome;
    }
    if (!startIn.isEmpty() && !QFileInfo(startIn).isDir()) {
        outcome.code = ErrPathNotFound;
        return outcome;
    }
    outcome.process = launcher().start(QStringLiteral("xdg-open"), {target}, startIn);
    outcome.code = outcome.process ? helperCode(*outcome.process) : ErrNoAssociation;
    return outcome;
}

clShellExecute::Outcome clShellExecute::print(const QString &document) const
{
    Outcome outcome;
    if (!QFileInfo(document).isFile()) {
        outcome.code = QFileInfo::exists(document) ? ErrNoAssociation : missingCode(document);
        return outcome;
    }
    outcome.process = launcher().start(QStringLiteral("lp"), {QStringLiteral("--"), document}, QString());
    outcome.code = outcome.process ? helperCode(*outcome.process) : ErrNoAssociation;
    return outcome;
}

clShellExecute::Outcome clShellExecute::startProgram(const QString &program, const QString &parameters,
                                                     const QString &startIn) const
{
    Outcome outcome;
    QString path = program;
    if (!program.contains(QLatin1Char('/')) && !QFileInfo::exists(program))
        path = QStandardPaths::findExecutable(program);
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        outcome.code = path.isEmpty() ? ErrFileNotFound : missingCode(path);
        return outcome;
    }
    const QFileInfo info(path);
    if (info.isDir() || !info.isExecutable())
        return openWithDesktop(path, startIn); // a document: its associated program opens it
    if (!startIn.isEmpty() && !QFileInfo(startIn).isDir()) {
        outcome.code = ErrPathNotFound;
        return outcome;
    }
    outcome.process = launcher().start(info.absoluteFilePath(), QProcess::splitCommand(parameters), startIn);
    outcome.code = outcome.process ? kSuccessCode : ErrAccessDenied;
    return outcome;
}

long clShellExecute::finishSimple(Outcome outcome)
{
    releaseProcess(std::move(outcome.process));
    return convention(outcome.code);
}

long clShellExecute::finishKept(Outcome outcome)
{
    m_lastInstApp = outcome.code;
    m_lastProcess = std::move(outcome.process);
    return convention(outcome.code);
}

void clShellExecute::WatchLateAnswer(QObject *context, std::function<void(long)> answered)
{
    if (m_lastInstApp <= 32 || !m_lastProcess || m_lastProcess->state() == QProcess::NotRunning)
        return;
    QElapsedTimer since;
    since.start();
    QObject::connect(m_lastProcess.get(), &QProcess::finished, context,
                     [since, answered = std::move(answered)](int code, QProcess::ExitStatus status) {
                         if (since.elapsed() <= kLateAnswerMs)
                             answered(convention(exitCode(status, code)));
                     });
}

bool clShellExecute::StillExecuting()
{
    try {
        if (m_lastInstApp == 0 || !m_lastProcess)
            return false;
        return m_lastProcess->state() != QProcess::NotRunning && !m_lastProcess->waitForFinished(0);
    } catch (...) {
        showTrappedError(QStringLiteral("StillExecuting"));
        return false;
    }
}

long clShellExecute::Explore(QWidget *, const QString &folder, int)
{
    try {
        reset();
        if (QFileInfo::exists(folder) && !QFileInfo(folder).isDir())
            return ErrNoAssociation;
        return finishSimple(openWithDesktop(folder, QString()));
    } catch (...) {
        showTrappedError(QStringLiteral("Explore"));
        return 0;
    }
}

long clShellExecute::LaunchDocument(QWidget *, const QString &document, const QString &startIn, int)
{
    try {
        reset();
        return finishKept(openWithDesktop(expandEnvironment(document), expandEnvironment(startIn)));
    } catch (...) {
        showTrappedError(QStringLiteral("LaunchDocument"));
        return 0;
    }
}

long clShellExecute::LaunchEmail(QWidget *, const QString &address, int)
{
    try {
        reset();
        return finishSimple(openWithDesktop(QStringLiteral("mailto:") + address, QString()));
    } catch (...) {
        showTrappedError(QStringLiteral("LaunchEmail"));
        return 0;
    }
}

long clShellExecute::LaunchFolder(QWidget *, const QString &folder, int)
{
    try {
        reset();
        return finishSimple(openWithDesktop(folder, QString()));
    } catch (...) {
        showTrappedError(QStringLiteral("LaunchFolder"));
        return 0;
    }
}

long clShellExecute::LaunchProgram(QWidget *, const QString &program, const QString &parameters, const QString &startIn,
                                   int)
{
    try {
        reset();
        return finishKept(
            startProgram(expandEnvironment(program), expandEnvironment(parameters), expandEnvironment(startIn)));
    } catch (...) {
        showTrappedError(QStringLiteral("LaunchProgram"));
        return 0;
    }
}

long clShellExecute::LaunchURL(QWidget *, const QString &url, int)
{
    try {
        reset();
        // The shell takes a bare web address as one.
        const bool bareWeb = url.startsWith(QLatin1String("www."), Qt::CaseInsensitive) && !QFileInfo::exists(url);
        return finishSimple(openWithDesktop(bareWeb ? QStringLiteral("http://") + url : url, QString()));
    } catch (...) {
        showTrappedError(QStringLiteral("LaunchURL"));
        return 0;
    }
}

long clShellExecute::PrintDocument(QWidget *, const QString &document)
{
    try {
        reset();
        return finishSimple(print(document));
    } catch (...) {
        showTrappedError(QStringLiteral("PrintDocument"));
        return 0;
    }
}

} // namespace project
