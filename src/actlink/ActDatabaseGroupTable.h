// The group table of a private ACT! database object opened with OpenEx("") on the database of the
// running ACT!: the default source of the wrapper's group lookup.
#pragma once

#include "ActGroupTable.h"

namespace actlink {

// Opens a new database object on ACT!'s open database and takes its group table (the object is not
// closed, only released). Throws platform::VbError when no database can be opened.
std::unique_ptr<ActGroupTable> openRunningGroupTable();

} // namespace actlink
