// A demo ACT! database with main groups, subgroups, an empty group, a memberless group, a stale member
// count and a group ID holding a quote; a groups record object on a table control; and what the group
// table should hold, worked out from the dBase files themselves.
#pragma once

#include "GTestScriptedUi.h"

#include "actlink/clUniqueIDConverter.h"
#include "actserver/ACTDatabaseObject.h"
#include "actserver/ActDatabaseFiles.h"
#include "actserver/ActDemoDatabase.h"
#include "dbf/DbfRecord.h"
#include "dbf/DbfTable.h"
#include "records/clGruppen.h"
#include "records/frmFelder.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

// One group as its files store it.
struct StoredGroup
{
    QString id;
    QString name;
    QString storedCount; // "" when ACT! keeps none
    QString parent;      // 12 blanks for a main group
    QStringList members; // contact IDs of its memberships
};

class GroupsFixture : public ::testing::Test
{
public:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        actserver::ActDemoOptions options;
        options.contacts = 400;
        options.singleUser = true;
        QString error;
        ASSERT_TRUE(actserver::ActDemoDatabase::create(s_dir->path(), QStringLiteral("Demo"), options, &error))
            << error.toStdString();
    }
    static void TearDownTestSuite() { s_dir.reset(); }

protected:
    void TearDown() override { records::frmFelder::Unload(); }

    static QString demoPath() { return s_dir->filePath(QStringLiteral("Demo.dbf")); }

    // A copy of the demo database for a test that damages it; its contact file.
    QString freshCopy()
    {
        m_copy = std::make_unique<QTemporaryDir>();
        const QDir source(s_dir->path());
        for (const QString &file : source.entryList(QDir::Files))
            EXPECT_TRUE(QFile::copy(source.filePath(file), m_copy->filePath(file)));
        return m_copy->filePath(QStringLiteral("Demo.dbf"));
    }

    // The database object the contacts would hold, opened on path.
    static std::shared_ptr<actserver::ACTDatabaseObject> openDatabase(const QString &path)
    {
        auto db = std::make_shared<actserver::ACTDatabaseObject>();
        db->Open(path);
        EXPECT_TRUE(db->IsOpen()) << db->LastErrorText().toStdString();
        return db;
    }

    bool init(records::clGruppen &gruppen, const QString &path = demoPath())
    {
        return gruppen.Init(&m_control, &m_status, openDatabase(path), path);
    }

    // The field dialog's answer: tick the fields with these labels, then OK.
    static std::function<int(QDialog *)> tick(const QStringList &labels)
    {
        return [labels](QDialog *d) {
            auto *dialog = dynamic_cast<records::frmFelder *>(d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog)
                return int(QDialog::Rejected);
            for (int i = 0; i < dialog->itemCount(); ++i)
                if (labels.contains(dialog->itemText(i)))
                    dialog->setChecked(i, true);
            dialog->cmdOk_Click();
            return int(QDialog::Accepted);
        };
    }

    // Init, the field dialog with these fields ticked, and the read.
    void readGroups(records::clGruppen &gruppen, const QStringList &fields = {QStringLiteral("Gruppenname")})
    {
        ASSERT_TRUE(init(gruppen));
        m_ui.expectModal(tick(fields));
        ASSERT_TRUE(gruppen.SelectFields(true));
        gruppen.ShowData();
    }

    // Every group of the database's files, in file order.
    static QList<StoredGroup> storedGroups(const QString &path = demoPath())
    {
        const actserver::ActDatabaseFiles files(path);
        QHash<QString, QStringList> members;
        dbf::DbfTable relations(files.tableFile(actserver::ActTableKind::Relation));
        const int contact = relations.fieldIndex(u"FIELD1"), group = relations.fieldIndex(u"FIELD2"),
                  type = relations.fieldIndex(u"TYPE");
        for (qint64 i = 0; i < relations.recordCount(); ++i) {
            const dbf::DbfRecord r = relations.record(i);
            if (!r.isDeleted() && r.text(type).trimmed() == QLatin1String("0"))
                members[r.text(group)] << r.text(contact);
        }
        QList<StoredGroup> groups;
        dbf::DbfTable table(files.tableFile(actserver::ActTableKind::Group));
        for (qint64 i = 0; i < table.recordCount(); ++i) {
            const dbf::DbfRecord r = table.record(i);
            if (r.isDeleted())
                continue;
            StoredGroup g;
            g.id = r.text(table.fieldIndex(u"UNIQUE_ID"));
            g.name = r.text(table.fieldIndex(u"GRP_NAME")).trimmed();
            g.storedCount = r.text(table.fieldIndex(u"MEMBERS")).trimmed();
            g.parent = r.text(table.fieldIndex(u"PARENT_ID"));
            g.members = members.value(g.id);
            groups << g;
        }
        return groups;
    }
    static StoredGroup storedGroup(const QString &name)
    {
        for (const StoredGroup &g : storedGroups())
            if (g.name == name)
                return g;
        ADD_FAILURE() << "no group " << name.toStdString();
        return {};
    }

    static QString hex(const QString &id, const char *type)
    {
        static const actlink::clUniqueIDConverter converter;
        return converter.ToHexID(id, QString::fromLatin1(type));
    }

    // The rows of the table as texts of the given attributes, in row order.
    static QList<QStringList> rows(InfoZoomTable *table, const QList<InfoZoomAttribute> &attributes)
    {
        QList<QStringList> out;
        InfoZoomObjects objects = table->Objects();
        objects.Reset();
        for (int i = 0; i < objects.Count(); ++i) {
            const InfoZoomObject row = objects.NextObject();
            QStringList values;
            for (const InfoZoomAttribute &a : attributes)
                values << row.Value(a).toString();
            out << values;
        }
        return out;
    }
    // The four fixed columns of every row.
    QList<QStringList> fixedRows(const records::clGruppen &gruppen) const
    {
        InfoZoomTable *table = m_control.Table();
        return rows(table, {InfoZoomAttribute(table->AttributeItem(0)), InfoZoomAttribute(table->AttributeItem(1)),
                            InfoZoomAttribute(table->AttributeItem(2)), InfoZoomAttribute(table->AttributeItem(3))});
    }
    // The rows whose group column holds this group.
    static QList<QStringList> rowsOf(const QList<QStringList> &all, const StoredGroup &group)
    {
        QList<QStringList> out;
        const QString id = hex(group.id, "GR");
        std::copy_if(all.begin(), all.end(), std::back_inserter(out),
                     [&](const QStringList &r) { return r.at(0) == id; });
        return out;
    }
    static QStringList column(const QList<QStringList> &rows, int i)
    {
        QStringList out;
        for (const QStringList &r : rows)
            out << r.at(i);
        return out;
    }

    static std::unique_ptr<QTemporaryDir> s_dir;
    std::unique_ptr<QTemporaryDir> m_copy;
    GTestScriptedUi m_ui;
    InfoZoomControl m_control;
    QLabel m_status;
};

inline std::unique_ptr<QTemporaryDir> GroupsFixture::s_dir;
