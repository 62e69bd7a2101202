// Writes a deterministic demo ACT! database: contacts with German names and addresses, notes and
// history, sales, activities (some scheduled with several contacts, some linked to a group), main
// groups and subgroups with members, e-mails, and its users.
#pragma once

#include <QList>
#include <QString>

namespace actserver {

struct ActDemoOptions
{
    int contacts = 500;
    bool singleUser = false;
};

struct ActDemoUser
{
    QString name;
    QString password;
};

class ActDemoDatabase
{
public:
    // Writes folder/name.dbf and the files beside it. Refuses to replace an existing database and
    // removes what it wrote when it fails; false with a German description in *error.
    static bool create(const QString &folder, const QString &name, const ActDemoOptions &options, QString *error);

    // The users the demo database gets, with the passwords they log in with.
    static QList<ActDemoUser> users(bool singleUser);
};

} // namespace actserver
