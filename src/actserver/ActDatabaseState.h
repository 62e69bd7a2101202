// What the tables of an open ACT! database share with the database object: where its files lie and
// whether the session they belong to is still open (Close ends it for every table taken from it).
#pragma once

#include "ActDatabaseFiles.h"

namespace actserver {

struct ActDatabaseState
{
    ActDatabaseFiles files;
    bool open = false;
};

} // namespace actserver
