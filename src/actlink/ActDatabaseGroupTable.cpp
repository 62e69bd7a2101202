// Group table through the in-process ACT! database object.
#include "ActDatabaseGroupTable.h"

#include "platform/VbError.h"

namespace actlink {

std::unique_ptr<ActGroupTable> openRunningGroupTable()
{
    throw platform::VbError(429, QStringLiteral("Objekterstellung durch ActiveX-Komponente nicht möglich."),
                            QStringLiteral("ACTOLE.DATABASE"));
}

} // namespace actlink
