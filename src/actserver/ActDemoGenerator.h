// Writes the tables of the demo database one after the other, keeping the IDs that later tables
// refer to (users, contacts, groups). Throws dbf::DbfError when a file cannot be written.
#pragma once

#include "ActDatabaseFiles.h"
#include "ActDemoDatabase.h"
#include "ActDemoRandom.h"

#include <QDateTime>
#include <QSet>
#include <QStringList>

namespace dbf {
class DbfWriter;
}

namespace actserver {

class ActDemoRow;

class ActDemoGenerator
{
public:
    ActDemoGenerator(const ActDatabaseFiles &files, const ActDemoOptions &options);

    // The files written so far, for clean-up after a failure.
    const QStringList &writtenFiles() const { return m_written; }

    void writeUsers();
    void writeContacts();
    void writeGroups();
    void writeNotes();
    void writeSales();
    void writeActivities();
    void writeEmails();
    void writeRelations();

private:
    struct Contact
    {
        QString id;
        QString name;
        QString company;
        QString email;
    };
    struct Relation
    {
        QString contact;
        QString other;
        const char *type;
    };

    void createTable(ActTableKind kind, const ActDemoRow &row);
    QDateTime moment(int daysBefore, int daysAfter);
    const QString &someUser() { return m_userIds.at(m_random.below(int(m_userIds.size()))); }
    const Contact &someContact() { return m_contacts.at(m_random.below(int(m_contacts.size()))); }
    QString noteText(int type);
    void writeMemberlessGroup(dbf::DbfWriter &writer, ActDemoRow &row);
    void fillContact(ActDemoRow &row, const Contact &contact, bool female, const QString &first, const QString &last);

    ActDatabaseFiles m_files;
    ActDemoOptions m_options;
    ActDemoRandom m_random;
    QDate m_today;
    QSet<QString> m_usedIds;
    QStringList m_userIds;
    QList<Contact> m_contacts;
    QStringList m_groupIds;
    QStringList m_groupNames;
    QList<Relation> m_relations;
    QStringList m_written;
};

} // namespace actserver
