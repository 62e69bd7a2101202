// The running ACT! as the automation object ACTOLE.APPOBJECT offers it. Implemented in-process
// (ActLocalAppObject, inside actserver) and over the session bus (ActBusAppObject, in Datolux).
#pragma once

#include "ACTViews.h"

#include <QString>
#include <memory>

namespace actserver {

class ACTAppObject
{
public:
    virtual ~ACTAppObject() = default;
    // Path of the open database's contact file; "" when none is open.
    virtual QString GetOpenDBName() = 0;
    virtual QString GetUserId() = 0;
    virtual QString GetCurrentUserName() = 0;
    virtual QString GetVersion(int kind) = 0;
    virtual void Show(bool show) = 0;
    virtual void Minimize() = 0;
    // 0 on success, an ACT! error code otherwise.
    virtual int OpenDB(const QString &path) = 0;
    virtual int CloseDB() = 0;
    // Runs a menu command; an unknown command is a fault of the server.
    virtual void Command(int commandId) = 0;
    virtual std::shared_ptr<ACTViews> Views() = 0;
};

} // namespace actserver
