// The open ACT! database of the running application, over its dBase files: every table is read
// into memory when the database opens and read again after each change, and every change is
// written to the file at once.
#pragma once

#include "ActAppStore.h"
#include "actserver/ActFieldReader.h"
#include "actserver/ActSchema.h"

#include <QHash>
#include <QList>

namespace actserver {

class ActDatabaseStore final : public ActAppStore
{
public:
    // Opens the database whose contact file is contactFilePath and works as the user of that name
    // ("" for the first user of its users file). Throws platform::VbError with a German description
    // when the contact file cannot be read or the user is unknown.
    explicit ActDatabaseStore(const QString &contactFilePath, const QString &userName = QString());
    ~ActDatabaseStore() override;

    QString contactFilePath() const override { return m_contactFile; }
    QString databaseName() const override { return m_name; }
    QString userId() const override { return m_userId; }
    QString userName() const override { return m_userName; }
    QStringList recordIds(ActRecordKind kind) override;
    bool hasField(ActRecordKind kind, int fieldId) const override;
    QString field(ActRecordKind kind, const QString &id, int fieldId) override;
    void setField(ActRecordKind kind, const QString &id, int fieldId, const QString &value) override;
    QString addRecord(ActRecordKind kind) override;
    void deleteRecord(ActRecordKind kind, const QString &id) override;
    QList<QPair<QString, QString>> relations(char type) override;
    void addRelation(const QString &contactId, const QString &otherId, char type) override;
    void removeRelations(const QString &otherId, char type) override;

private:
    struct Table
    {
        ActTableKind kind = ActTableKind::Contact;
        QString path;
        bool exists = false;
        QList<ActFieldReader::Binding> bindings;
        QList<bool> available;
        QStringList ids;                 // as stored
        QHash<QString, int> rowOf;       // padded ID -> row
        QList<qint64> recordIndex;       // row -> record in the file
        QList<QStringList> values;       // row -> one text per binding
    };
    struct Relation
    {
        QString contact;
        QString other;
        char type;
        qint64 recordIndex;
    };

    Table &table(ActRecordKind kind);
    const Table &table(ActRecordKind kind) const;
    void load(Table &t);
    void loadRelations();
    int bindingOf(const Table &t, int fieldId) const;
    int rowOf(const Table &t, const QString &id) const;
    QString newId();
    [[noreturn]] void writeFailed(const QString &path, const QString &why) const;

    QString m_contactFile;
    QString m_name;
    QString m_userId;
    QString m_userName;
    QString m_relationPath;
    QList<Table> m_tables; // indexed by ActRecordKind
    QList<Relation> m_relations;
    int m_idCounter = 0;
};

} // namespace actserver
