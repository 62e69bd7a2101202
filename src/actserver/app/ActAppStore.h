// The records of one open ACT! database as the running application reads and changes them: the
// contacts, groups, notes, sales and activities with their fields, and the relation rows that make
// contacts members of groups and schedule activities with contacts.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace actserver {

enum class ActRecordKind { Contact, Group, Notes, Sales, Activity };

// An ID as the application hands it out and compares it: blanks appended up to 12 characters.
QString paddedId(const QString &id);

// Relation row types: a contact's membership in a group, an activity scheduled with a contact.
constexpr char kRelationGroupMember = '0';
constexpr char kRelationScheduledWith = '1';

// The fields that tie a note, sale or activity to the contact or group it belongs to.
namespace ActLinkField {
constexpr int NoteContact = 29;
constexpr int NoteGroup = 30;
constexpr int SaleContact = 25;
constexpr int ActivityGroup = 39;
constexpr int ActivityContact = 40;
} // namespace ActLinkField

class ActAppStore
{
public:
    virtual ~ActAppStore() = default;

    // Path of the database's contact file (NAME.dbf) and the database name (NAME).
    virtual QString contactFilePath() const = 0;
    virtual QString databaseName() const = 0;
    // The user the application is logged in as.
    virtual QString userId() const = 0;
    virtual QString userName() const = 0;

    // Unique IDs of the records, in file order.
    virtual QStringList recordIds(ActRecordKind kind) = 0;
    virtual int recordCount(ActRecordKind kind) { return int(recordIds(kind).size()); }
    // IDs compare with blanks appended to 12 characters, here and below.
    virtual bool contains(ActRecordKind kind, const QString &id);
    // The padded IDs of the records whose field holds ownerId, in file order.
    virtual QStringList linkedRecords(ActRecordKind kind, int fieldId, const QString &ownerId);
    // The padded IDs of those of ids that name a record, each once, in file order.
    virtual QStringList inFileOrder(ActRecordKind kind, const QStringList &ids);
    virtual bool hasField(ActRecordKind kind, int fieldId) const = 0;
    // The field as text; "" for a missing record or field.
    virtual QString field(ActRecordKind kind, const QString &id, int fieldId) = 0;
    // Writes the field to the database; throws platform::VbError when that fails.
    virtual void setField(ActRecordKind kind, const QString &id, int fieldId, const QString &value) = 0;
    // Appends a record with a new unique ID and returns it.
    virtual QString addRecord(ActRecordKind kind) = 0;
    virtual void deleteRecord(ActRecordKind kind, const QString &id) = 0;

    // Relation rows of one type as (contact ID, group or activity ID).
    virtual QList<QPair<QString, QString>> relations(char type) = 0;
    // The rows of the type with this contact and this other ID; an empty ID stands for any.
    virtual QList<QPair<QString, QString>> relationsOf(char type, const QString &contactId, const QString &otherId);
    virtual void addRelation(const QString &contactId, const QString &otherId, char type) = 0;
    // Removes every relation row of the type whose second ID is otherId.
    virtual void removeRelations(const QString &otherId, char type) = 0;
};

} // namespace actserver
