// Names under which the running ACT! serves its automation objects on the session bus.
#pragma once

#include <QString>

namespace actserver::bus {

// DATOLUX_ACT_SERVICE names another service, so that tests running side by side on one bus each
// talk to their own server.
inline QString serviceName()
{
    return qEnvironmentVariable("DATOLUX_ACT_SERVICE", QStringLiteral("org.datolux.ACT"));
}
inline QString applicationPath() { return QStringLiteral("/ACTOLE/APPOBJECT"); }
// Returned where the automation object model gives "nothing" (GetActive without a view).
inline QString nullPath() { return QStringLiteral("/"); }

constexpr const char *kApplicationInterface = "org.datolux.ACT.Application";
constexpr const char *kViewsInterface = "org.datolux.ACT.Views";
constexpr const char *kViewInterface = "org.datolux.ACT.View";
constexpr const char *kViewTabInterface = "org.datolux.ACT.ViewTab";

// An exception inside the server; the client turns it into the automation server fault.
inline QString serverFaultError() { return QStringLiteral("org.datolux.ACT.Error.ServerFault"); }

} // namespace actserver::bus
