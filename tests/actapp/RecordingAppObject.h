// Decorates an application object so that tests see every automation call the wrapper makes, in
// order, can rename tabs (an English ACT!), and can count the objects still alive.
#pragma once

#include "actserver/app/ACTAppObject.h"

#include <QHash>
#include <QStringList>
#include <memory>

struct CallLog
{
    QStringList calls;
    int liveObjects = 0;
    // Tab captions shown instead of the real ones (real caption -> shown caption).
    QHash<QString, QString> tabNames;
    // Whether a call of the method was logged.
    bool called(const QString &method) const;
    int count(const QString &prefix) const;
};

std::shared_ptr<actserver::ACTAppObject> recording(std::shared_ptr<actserver::ACTAppObject> inner,
                                                   std::shared_ptr<CallLog> log);
