// A running application over a small in-memory database: 25 contacts, a main group with a
// subgroup, notes, sales and activities of the first contacts.
#pragma once

#include "MemoryAppStore.h"
#include "actserver/app/ActAppState.h"
#include "actserver/app/ActLocalAppObject.h"

#include <memory>

// Contact i (1-based) has the ID "K" followed by i in 11 digits; groups "GRUPPE0001".. (10 characters,
// so they arrive padded), notes "N000000000" + i, and so on.
QString contactId(int i);
QString groupId(int i);
QString noteId(int i);
QString saleId(int i);
QString activityId(int i);

std::unique_ptr<MemoryAppStore> makeDemoStore(const QString &path = QStringLiteral("/daten/DEMO.dbf"));

class ActAppFixture
{
public:
    ActAppFixture();
    actserver::ActAppState state;
    actserver::ActLocalAppObject app{state};
    MemoryAppStore *store = nullptr; // owned by the state while the database is open
};
