// The running ACT! on the bus as the database object's source for OpenEx("").
#include "ActBusRunningApplication.h"

#include "ActBusAppObject.h"
#include "platform/VbError.h"

#include <mutex>

namespace actserver {

bool ActBusRunningApplication::openDatabase(QString *contactFilePath, QString *userName)
{
    try {
        std::shared_ptr<ACTAppObject> app = ActBusAppObject::create();
        const QString path = app->GetOpenDBName();
        if (path.isEmpty())
            return false;
        *contactFilePath = path;
        *userName = app->GetCurrentUserName();
        return true;
    } catch (const platform::VbError &) {
        return false;
    }
}

void ActBusRunningApplication::installOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { ActRunningApplication::install(std::make_shared<ActBusRunningApplication>()); });
}

} // namespace actserver
