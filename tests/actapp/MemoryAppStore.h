// An open database held in memory, for tests of the application model and the wrapper: records
// with their fields, relation rows, and a switch that makes writing fail.
#pragma once

#include "actserver/app/ActAppStore.h"

#include <QHash>
#include <QSet>

class MemoryAppStore final : public actserver::ActAppStore
{
public:
    using Record = QHash<int, QString>;

    MemoryAppStore(const QString &path = QStringLiteral("/daten/DEMO.dbf"));

    // Adds a record with the given ID and fields (the ID goes to field 1).
    void add(actserver::ActRecordKind kind, const QString &id, const Record &fields = {});
    const Record *record(actserver::ActRecordKind kind, const QString &id) const;
    // Every write after this throws platform::VbError.
    bool failWrites = false;
    int writes = 0;

    QString contactFilePath() const override { return m_path; }
    QString databaseName() const override { return QStringLiteral("DEMO"); }
    QString userId() const override { return QStringLiteral("USR000000001"); }
    QString userName() const override { return QStringLiteral("Anna Admin"); }
    QStringList recordIds(actserver::ActRecordKind kind) override;
    bool hasField(actserver::ActRecordKind kind, int fieldId) const override;
    QString field(actserver::ActRecordKind kind, const QString &id, int fieldId) override;
    void setField(actserver::ActRecordKind kind, const QString &id, int fieldId, const QString &value) override;
    QString addRecord(actserver::ActRecordKind kind) override;
    void deleteRecord(actserver::ActRecordKind kind, const QString &id) override;
    QList<QPair<QString, QString>> relations(char type) override;
    void addRelation(const QString &contactId, const QString &otherId, char type) override;
    void removeRelations(const QString &otherId, char type) override;

private:
    Record *find(actserver::ActRecordKind kind, const QString &id);
    void write();

    QString m_path;
    QHash<int, QList<Record>> m_tables;
    QHash<int, QSet<int>> m_fields;
    QList<std::tuple<QString, QString, char>> m_relations;
    int m_nextId = 1;
};
