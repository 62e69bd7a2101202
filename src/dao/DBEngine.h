// The DAO engine: opens a folder of dBase files as a database through the FoxPro ISAM.
#pragma once

#include "Database.h"

#include <QString>
#include <memory>

namespace dao {

class DBEngine
{
public:
    DBEngine();
    ~DBEngine();
    DBEngine(const DBEngine &) = delete;
    DBEngine &operator=(const DBEngine &) = delete;

    // name: the folder; connect must name a dBase or FoxPro ISAM ("FoxPro 2.6;"), else VbError 3170.
    // A folder that does not exist gives VbError 3044. exclusive and readOnly are accepted and not
    // needed: the engine only reads, and writers lock each file for the moment of a change.
    std::unique_ptr<Database> OpenDatabase(const QString &name, bool exclusive = false, bool readOnly = false,
                                           const QString &connect = QStringLiteral("FoxPro 2.6;"));

    // Engines created in this process so far.
    static int instancesCreated();
};

} // namespace dao
