// Answers OpenEx("") of the database object in Datolux: asks the ACT! on the session bus which
// database it has open and who is logged in there.
#pragma once

#include "actserver/ActRunningApplication.h"

namespace actserver {

class ActBusRunningApplication final : public ActRunningApplication
{
public:
    // False when no ACT! serves the bus, it has no database open, or it does not answer.
    bool openDatabase(QString *contactFilePath, QString *userName) override;

    // Makes the bus the answer of OpenEx("") for the whole program (once; later calls do nothing).
    static void installOnce();
};

} // namespace actserver
