// The users of an open ACT! database as its object model offers them: count, and name and unique ID
// of user i = 1 to Count.
#pragma once

#include "ActUser.h"

#include <QList>

namespace actserver {

class ACTUsers
{
public:
    ACTUsers() = default;
    explicit ACTUsers(const QList<ActUser> &users) : m_users(users) {}

    int Count() const { return int(m_users.size()); }
    // "" for an index outside 1 to Count.
    QString Name(int i) const { return valid(i) ? m_users.at(i - 1).name : QString(); }
    QString UniqueID(int i) const { return valid(i) ? m_users.at(i - 1).uniqueId : QString(); }

private:
    bool valid(int i) const { return i >= 1 && i <= m_users.size(); }

    QList<ActUser> m_users;
};

} // namespace actserver
