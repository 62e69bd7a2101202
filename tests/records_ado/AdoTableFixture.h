// An external-data record object over the lower table control, with the scripted UI, the status
// texts the table showed, and helpers that read the table's attributes and cells.
#pragma once

#include "GTestScriptedUi.h"
#include "SqliteFile.h"

#include "records/clADODaten.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class AdoTableFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_ado.Init(&m_control, nullptr);
        QObject::connect(m_control.Table(), &InfoZoomTable::statusTextChanged,
                         [this](const QString &text) { m_statuses << text; });
    }

    // A new SQLite file with the script run on it; its connection string.
    QString database(const QString &script, const QString &name = QStringLiteral("daten.db"))
    {
        const QString path = m_dir.filePath(name);
        adotest::runSqlite(path, script);
        return adotest::sqliteConnectionString(path);
    }
    void use(const QString &connection, const QString &sql)
    {
        m_ado.setConnectionString(connection);
        m_ado.setSQLString(sql);
    }
    // SetADOFields, then ShowData when it succeeded.
    bool read()
    {
        if (!m_ado.SetADOFields())
            return false;
        m_ado.ShowData();
        return true;
    }

    InfoZoomTable &table() { return *m_control.Table(); }
    int rows() { return table().Objects().Count(); }
    QStringList attributeNames()
    {
        QStringList names;
        for (int i = 0; i < table().AttributeList().Count(); ++i)
            names << table().AttributeItem(i).Name();
        return names;
    }
    InfoZoomAttribute attribute(const QString &importName)
    {
        const InfoZoomAttributeNode node = records::RecordClassBase::FindAttribute(table().Attributes(), importName);
        return node ? InfoZoomAttribute(node) : InfoZoomAttribute();
    }
    // The values of one attribute (by the column's name), row by row.
    QVariantList column(const QString &name)
    {
        QVariantList values;
        const InfoZoomAttribute a = attribute(QStringLiteral("ACTFieldID|") + name);
        EXPECT_FALSE(a.isNull()) << name.toStdString();
        if (a.isNull())
            return values;
        InfoZoomObjects objects = table().Objects();
        objects.Reset();
        for (int i = 0; i < objects.Count(); ++i)
            values << objects.NextObject().Value(a);
        return values;
    }

    QTemporaryDir m_dir;
    GTestScriptedUi m_ui;
    InfoZoomControl m_control;
    records::clADODaten m_ado;
    QStringList m_statuses;
};
