// A small demo ACT! database whose activities, schedules and groups a test writes itself, and a
// scripted activities source for what the dBase files cannot hold (unreadable records, texts in
// number fields).
#pragma once

#include "actserver/ACTDatabaseObject.h"
#include "actserver/ActDatabaseFiles.h"
#include "actserver/ActDemoDatabase.h"
#include "actserver/ActDemoRow.h"
#include "dbf/DbfWriter.h"
#include "records/ActivitySource.h"

#include <QHash>
#include <QTemporaryDir>
#include <QVariant>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using ActivityRow = QHash<qint16, QVariant>;

class ActivityDatabase
{
public:
    explicit ActivityDatabase(int contacts = 30)
    {
        actserver::ActDemoOptions options;
        options.contacts = contacts;
        options.singleUser = true;
        QString error;
        m_ok = actserver::ActDemoDatabase::create(m_dir.path(), QStringLiteral("Aufgaben"), options, &error);
        EXPECT_TRUE(m_ok) << error.toStdString();
        m_files = actserver::ActDatabaseFiles::fromBase(m_dir.path(), QStringLiteral("Aufgaben"));
        actserver::ACTDatabaseObject database;
        database.Open(path());
        auto contactTable = database.Contact();
        contactTable->MoveFirst();
        while (!contactTable->IsEOF()) {
            m_contacts << contactTable->Data(1);
            contactTable->MoveNext();
        }
        const actserver::ACTUsers users = database.Users();
        for (int i = 1; i <= users.Count(); ++i)
            m_users.insert(users.UniqueID(i), users.Name(i));
    }

    QString path() const { return m_files.contactFile(); }
    QString file(actserver::ActTableKind kind) const { return m_files.tableFile(kind); }
    const QStringList &contacts() const { return m_contacts; }
    // User ID -> name.
    const QHash<QString, QString> &users() const { return m_users; }

    // An open database object over the files as they are now.
    std::shared_ptr<actserver::ACTDatabaseObject> open() const
    {
        auto database = std::make_shared<actserver::ACTDatabaseObject>();
        database->Open(path());
        EXPECT_TRUE(database->IsOpen());
        return database;
    }

    // Replaces every activity by these rows (field id -> value; a QDateTime sets date and time).
    void writeActivities(const QList<ActivityRow> &rows) const
    {
        actserver::ActDemoRow row(actserver::ActTableKind::Activity);
        dbf::DbfWriter::create(file(actserver::ActTableKind::Activity), row.columns());
        dbf::DbfWriter writer(file(actserver::ActTableKind::Activity));
        for (const ActivityRow &values : rows) {
            row.clear();
            for (auto it = values.begin(); it != values.end(); ++it) {
                if (it.value().typeId() == QMetaType::QDateTime)
                    row.setDateTime(it.key(), it.value().toDateTime());
                else
                    row.set(it.key(), it.value());
            }
            writer.append(row.values());
        }
    }

    // Schedules the activity with these contacts, in this order.
    void schedule(const QString &activity, const QStringList &contacts) const
    {
        actserver::ActDemoRow row(actserver::ActTableKind::Relation);
        dbf::DbfWriter writer(file(actserver::ActTableKind::Relation));
        for (const QString &contact : contacts) {
            row.clear();
            row.setColumn("FIELD1", contact);
            row.setColumn("FIELD2", activity);
            row.setColumn("TYPE", QStringLiteral("1"));
            writer.append(row.values());
        }
    }

    // A further group; an invalid name leaves the name field blank.
    void addGroup(const QString &id, const QVariant &name) const
    {
        actserver::ActDemoRow row(actserver::ActTableKind::Group);
        dbf::DbfWriter writer(file(actserver::ActTableKind::Group));
        row.clear();
        row.set(1, id);
        if (name.isValid())
            row.set(25, name);
        writer.append(row.values());
    }

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
    actserver::ActDatabaseFiles m_files;
    QStringList m_contacts;
    QHash<QString, QString> m_users;
};

// Activities as lists of 26 texts in the order of the activities' field table.
class ScriptedActivities final : public records::ActivitySource
{
public:
    QList<QStringList> rows;
    QHash<int, QStringList> scheduled; // 0-based record -> its contacts
    QHash<int, long> bad;              // 0-based record -> error code
    std::function<void(int)> onRead;

    long RecordCount() override { return long(rows.size()); }
    void MoveFirst() override { m_pos = 0; }
    void MoveNext() override { ++m_pos; }
    long GetDataEx(const QVector<qint16> &ids, QStringList &values) override
    {
        EXPECT_EQ(ids.size(), 26);
        if (onRead)
            onRead(m_pos);
        if (bad.contains(m_pos))
            return bad.value(m_pos);
        values = rows.at(m_pos);
        return 0;
    }
    QString FirstScheduledWith() override
    {
        m_next = 0;
        return NextScheduledWith();
    }
    QString NextScheduledWith() override
    {
        const QStringList contacts = scheduled.value(m_pos);
        return m_next < contacts.size() ? contacts.at(m_next++) : QString();
    }

private:
    int m_pos = -1;
    int m_next = 0;
};
