// A demo database written once per test program, fresh copies of it whose notes or sales table a
// test rewrites with its own records or damages, and a lower table with the status texts it showed.
#pragma once

#include "GTestScriptedUi.h"

#include "actserver/ACTDatabaseObject.h"
#include "actserver/ActDatabaseFiles.h"
#include "actserver/ActDemoDatabase.h"
#include "actserver/ActDemoRow.h"
#include "dbf/DbfTable.h"
#include "dbf/DbfWriter.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class LowerTableFixture : public ::testing::Test
{
public:
    static void SetUpTestSuite()
    {
        if (s_dir)
            return;
        s_dir = std::make_unique<QTemporaryDir>();
        actserver::ActDemoOptions options;
        options.contacts = 120; // 300 notes, 60 sales
        QString error;
        ASSERT_TRUE(actserver::ActDemoDatabase::create(s_dir->path(), QStringLiteral("Demo"), options, &error))
            << error.toStdString();
    }

protected:
    void SetUp() override
    {
        m_ui.onDoEvents = [this] {
            const QString text = m_control.Table()->StatusText();
            if (m_statusTexts.isEmpty() || m_statusTexts.last() != text)
                m_statusTexts << text;
            if (onStatus)
                onStatus(text);
        };
    }

    static QString sharedPath() { return s_dir->filePath(QStringLiteral("Demo.dbf")); }

    // A copy of the demo database that a test may change; its contact file.
    QString freshCopy()
    {
        m_copy = std::make_unique<QTemporaryDir>();
        const QDir source(s_dir->path());
        for (const QString &file : source.entryList(QDir::Files))
            EXPECT_TRUE(QFile::copy(source.filePath(file), m_copy->filePath(file)));
        return m_copy->filePath(QStringLiteral("Demo.dbf"));
    }

    // Opens the database at path and logs in its first user.
    static std::shared_ptr<actserver::ACTDatabaseObject> open(const QString &path)
    {
        auto db = std::make_shared<actserver::ACTDatabaseObject>();
        db->Open(path);
        const actserver::ActDemoUser user = actserver::ActDemoDatabase::users(false).first();
        db->ValidateUser(user.name, user.password);
        EXPECT_TRUE(db->IsOpen()) << db->LastErrorText().toStdString();
        return db;
    }

    // Replaces a table of the database at path by count records, each filled by fill(index, row).
    static void rewriteTable(const QString &path, actserver::ActTableKind kind, int count,
                             const std::function<void(int, actserver::ActDemoRow &)> &fill)
    {
        const QString file = actserver::ActDatabaseFiles(path).tableFile(kind);
        actserver::ActDemoRow row(kind);
        dbf::DbfWriter::create(file, row.columns());
        dbf::DbfWriter writer(file);
        dbf::DbfWriter::Batch batch(writer);
        for (int i = 0; i < count; ++i) {
            row.clear();
            fill(i, row);
            writer.append(row.values());
        }
    }

    // Points the memo column of record index (0-based) far past the end of its memo file, so that
    // the record cannot be read.
    static void damageMemo(const QString &path, actserver::ActTableKind kind, qint64 index, const char *column)
    {
        const QString file = actserver::ActDatabaseFiles(path).tableFile(kind);
        qint64 offset = 0;
        int width = 0;
        {
            dbf::DbfTable table(file);
            const int field = table.fieldIndex(QString::fromLatin1(column));
            ASSERT_GE(field, 0);
            offset = table.header().recordOffset(index) + table.fields().at(field).offset;
            width = table.fields().at(field).length;
        }
        const QByteArray bytes = QByteArray::number(99999999).rightJustified(width, ' ');
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(offset));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    InfoZoomTable &table() { return *m_control.Table(); }
    QStringList attributeNames()
    {
        QStringList names;
        for (int i = 0; i < table().AttributeList().Count(); ++i)
            names << table().AttributeItem(i).Name();
        return names;
    }
    QStringList importNames()
    {
        QStringList names;
        for (int i = 0; i < table().AttributeList().Count(); ++i)
            names << table().AttributeItem(i).ImportName();
        return names;
    }
    InfoZoomAttribute attribute(const QString &name)
    {
        for (int i = 0; i < table().AttributeList().Count(); ++i)
            if (table().AttributeItem(i).Name() == name)
                return InfoZoomAttribute(table().AttributeItem(i));
        ADD_FAILURE() << "no attribute " << name.toStdString();
        return {};
    }
    // The values of one attribute, row by row.
    QStringList column(const QString &name)
    {
        const InfoZoomAttribute a = attribute(name);
        QStringList values;
        InfoZoomObjects objects = table().Objects();
        objects.Reset();
        for (int i = 0; i < objects.Count(); ++i)
            values << objects.NextObject().Value(a).toString();
        return values;
    }

    static inline std::unique_ptr<QTemporaryDir> s_dir;
    std::unique_ptr<QTemporaryDir> m_copy;
    GTestScriptedUi m_ui;
    InfoZoomControl m_control;
    QLabel m_status;
    // Every distinct status text of the table, in order, as the events ran after it.
    QStringList m_statusTexts;
    std::function<void(const QString &)> onStatus;
};
