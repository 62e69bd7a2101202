// The SQLite virtual-table module "snapshot": the rows of a recordset already fetched, so that a
// recordset's Filter runs as SQL over its own rows instead of querying the files again.
#pragma once

#include <functional>

struct sqlite3;

namespace dao {

struct Snapshot;

class SnapshotVirtualTable
{
public:
    // lookup turns the module argument (a snapshot id) into the snapshot, nullptr when unknown.
    using Lookup = std::function<const Snapshot *(int id)>;
    // The lookup object must outlive the connection.
    static int registerWith(sqlite3 *db, const Lookup *lookup);
};

} // namespace dao
