// The running ACT! stand-in: opens a database, shows its window and serves automation on the bus.
#pragma once

namespace actserver {

// actserver [DATABASE.dbf] [--user NAME]; returns the exit code.
int runActServer(int argc, char **argv);

} // namespace actserver
