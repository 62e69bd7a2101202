// The open ACT! database of the running application, over its dBase files: when the database opens
// only the IDs of each table's records are indexed with their record numbers; values are read from
// the files when asked for, and every change is written to the file at once.
#pragma once

#include "ActAppStore.h"
#include "ActKeyIndex.h"
#include "actserver/ActFieldReader.h"
#include "actserver/ActSchema.h"

#include <QList>
#include <map>
#include <memory>
#include <vector>

namespace dbf {
class DbfTable;
} // namespace dbf

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
    int recordCount(ActRecordKind kind) override;
    bool contains(ActRecordKind kind, const QString &id) override;
    QStringList linkedRecords(ActRecordKind kind, int fieldId, const QString &ownerId) override;
    QStringList inFileOrder(ActRecordKind kind, const QStringList &ids) override;
    bool hasField(ActRecordKind kind, int fieldId) const override;
    QString field(ActRecordKind kind, const QString &id, int fieldId) override;
    void setField(ActRecordKind kind, const QString &id, int fieldId, const QString &value) override;
    QString addRecord(ActRecordKind kind) override;
    void deleteRecord(ActRecordKind kind, const QString &id) override;
    QList<QPair<QString, QString>> relations(char type) override;
    QList<QPair<QString, QString>> relationsOf(char type, const QString &contactId, const QString &otherId) override;
    void addRelation(const QString &contactId, const QString &otherId, char type) override;
    void removeRelations(const QString &otherId, char type) override;

private:
    struct Table
    {
        ActTableKind kind = ActTableKind::Contact;
        QString path;
        bool exists = false;
        std::unique_ptr<dbf::DbfTable> file;
        QList<ActFieldReader::Binding> bindings;
        QList<bool> available;
        std::vector<quint32> records;     // row -> record in the file, deleted records left out
        ActKeyIndex ids;                  // row -> unique ID
        std::map<int, ActKeyIndex> links; // field id -> the IDs that field holds, by row; made when first asked
    };
    // Relation rows; their keys are the row's type followed by the contact ID or the other ID.
    struct Relations
    {
        std::unique_ptr<dbf::DbfTable> file;
        int contactColumn = -1;
        int otherColumn = -1;
        int typeColumn = -1;
        std::vector<quint32> records;
        ActKeyIndex byContact;
        ActKeyIndex byOther;
    };

    Table &table(ActRecordKind kind);
    const Table &table(ActRecordKind kind) const;
    void indexAll();
    void index(Table &t);
    void indexRelations();
    const ActKeyIndex &linkIndex(Table &t, int binding);
    int bindingOf(const Table &t, int fieldId) const;
    int rowOf(const Table &t, const QString &id) const;
    QString read(const Table &t, int row, int binding) const;
    QString idAt(const Table &t, qsizetype row) const;
    QStringList idsOfRows(const Table &t, std::vector<quint32> rows) const;
    QByteArray relationKey(const ActKeyIndex &index, char type, const QString &id) const;
    QPair<QString, QString> relationAt(qsizetype row) const;
    QString newId();
    [[noreturn]] void writeFailed(const QString &path, const QString &why) const;

    QString m_contactFile;
    QString m_name;
    QString m_userId;
    QString m_userName;
    QString m_relationPath;
    std::vector<Table> m_tables; // indexed by ActRecordKind
    Relations m_relations;
    int m_idCounter = 0;
};

} // namespace actserver
