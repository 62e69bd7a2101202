// Test helper: writes an SQLite database file with a script, and names its ODBC connection string.
#pragma once

#include <QString>

namespace adotest {

// Runs the script (several statements) on a new or existing database file; fails the test on error.
void runSqlite(const QString &path, const QString &script);
QString sqliteConnectionString(const QString &path);

} // namespace adotest
