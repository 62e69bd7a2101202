// The demo database a benchmark reads: written once per benchmark program into a temporary folder
// that lasts until the program ends.
#pragma once

#include "actserver/ActDemoDatabase.h"

#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

// The contact file of a single-user demo database `name` of `contacts` contacts. When the
// environment variable `existing` is set, it names a database to use instead (writing one takes far
// longer than the benchmarks when profiling repeatedly).
inline QString benchDemoDatabase(int contacts, const QString &name = QStringLiteral("Bench"),
                                 const char *existing = nullptr)
{
    if (existing) {
        const QString given = qEnvironmentVariable(existing);
        if (!given.isEmpty())
            return given;
    }
    static QTemporaryDir dir;
    actserver::ActDemoOptions options;
    options.contacts = contacts;
    options.singleUser = true;
    QString error;
    if (!actserver::ActDemoDatabase::create(dir.path(), name, options, &error))
        qFatal("demo database: %s", qPrintable(error));
    return dir.filePath(name + QStringLiteral(".dbf"));
}
