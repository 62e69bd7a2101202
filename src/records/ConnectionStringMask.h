// The connection string as the data source dialog shows it: the password item masked.
#pragma once

#include <QString>

namespace records {

// The first "password=" item and the first ODBC "pwd=" item (names in any case) show "*****" in
// place of their value; the items before and after stay readable, and a password given last is
// replaced up to the end. A value in ODBC braces ("PWD={a;b}") is masked up to its closing brace,
// so a ";" inside the password shows none of it.
QString MaskedConnectionString(const QString &connectionString);

} // namespace records
