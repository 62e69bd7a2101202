// Runs a Python script with the Debian interpreter that has python3-dbf and python3-dbfread, for the
// tests that check our files against those independent implementations.
#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

struct PythonResult
{
    bool ok = false;
    QString out;
    QString err;
};

inline QString pythonInterpreter()
{
    // The Debian packages install into the system interpreter, which a user-level python3 may shadow.
    return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                               : QStringLiteral("python3");
}

inline PythonResult runPython(const QString &script, const QStringList &args = {})
{
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(pythonInterpreter(), QStringList{QStringLiteral("-c"), script} + args);
    PythonResult r;
    if (!p.waitForStarted(10000)) {
        r.err = QStringLiteral("python3 did not start");
        return r;
    }
    p.closeWriteChannel();
    p.waitForFinished(120000);
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    r.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return r;
}
