// How the dBase layer finds the files of a database: Windows finds a name whatever its case, and
// databases copied from there spell their names in any case.
#pragma once

#include <QString>

namespace dbf {

// The file `name` in `folder`: its exact spelling when that exists, else the first file (by name)
// whose name equals it without regard to case; "" when there is none.
QString findFileCaseless(const QString &folder, const QString &name);

} // namespace dbf
