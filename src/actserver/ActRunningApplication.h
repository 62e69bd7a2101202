// Asks the running ACT! application which database it has open: the seam through which the database
// object's OpenEx("") reaches ACT!. Until a client of the running application is installed, none is.
#pragma once

#include <QString>
#include <memory>

namespace actserver {

class ActRunningApplication
{
public:
    virtual ~ActRunningApplication() = default;
    // True when ACT! runs with a database open; then *contactFilePath is the path of its contact
    // file and *userName the user logged in to it.
    virtual bool openDatabase(QString *contactFilePath, QString *userName) = 0;

    // The program-wide instance used by OpenEx(""); never null (without an installed client it
    // answers that no database is open).
    static ActRunningApplication &current();
    static void install(std::shared_ptr<ActRunningApplication> application);
};

} // namespace actserver
