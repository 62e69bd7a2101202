// Creates the SQLite files that the ODBC tests read through the SQLite ODBC driver.
#include "SqliteFile.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace adotest {

void runSqlite(const QString &path, const QString &script)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    char *error = nullptr;
    const int rc = sqlite3_exec(db, script.toUtf8().constData(), nullptr, nullptr, &error);
    const QString message = error ? QString::fromUtf8(error) : QString();
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << message.toStdString();
}

QString sqliteConnectionString(const QString &path)
{
    return QStringLiteral("Driver=SQLite3;Database=%1;NoCreat=1").arg(path);
}

} // namespace adotest
