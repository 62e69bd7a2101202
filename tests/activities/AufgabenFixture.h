// A lower-table control with an activities record object over a demo database, and ways to read
// back what the transfer wrote: cells by field id, status texts in the order they were shown.
#pragma once

#include "ActivityDatabase.h"
#include "GTestScriptedUi.h"

#include "actlink/clUniqueIDConverter.h"
#include "records/clAufgaben.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomObject.h"
#include "infozoom/InfoZoomObjects.h"
#include "infozoom/InfoZoomTable.h"

#include <QLabel>
#include <QObject>

// The fields in the attribute order of a new activities table.
inline const QVector<qint16> &activityFieldOrder()
{
    static const QVector<qint16> order{1,  28, 29, 30, 101, 31, 25, 41, 26, 27, 100, 40, 37,
                                       38, 5,  33, 32, 45,  35, 36, 44, 43, 42, 47,  46, 39};
    return order;
}

class AufgabenFixture : public ::testing::Test
{
protected:
    AufgabenFixture()
    {
        QObject::connect(table(), &InfoZoomTable::statusTextChanged,
                         [this](const QString &text) { m_statusTexts << text; });
    }

    InfoZoomTable *table() { return m_control.Table(); }

    // A new record object given the database (or none), with its fields set up.
    records::clAufgaben &fresh(bool withDatabase = true)
    {
        m_aufgaben = std::make_unique<records::clAufgaben>();
        EXPECT_TRUE(m_aufgaben->Init(&m_control, &m_status, withDatabase ? m_db.open() : nullptr));
        if (withDatabase)
            m_aufgaben->SetACTFields();
        return *m_aufgaben;
    }
    void read()
    {
        fresh();
        m_aufgaben->ShowData();
    }

    int rows() { return table()->Objects().Count(); }
    InfoZoomAttribute attribute(qint16 fieldId)
    {
        const InfoZoomAttributeNode node = records::RecordClassBase::FindAttribute(
            table()->Attributes(), records::RecordClassBase::ImportNameOf(fieldId));
        return node ? InfoZoomAttribute(node) : InfoZoomAttribute();
    }
    // The value of field fieldId in row (0-based, in the order the rows were added).
    QVariant cell(int row, qint16 fieldId)
    {
        const InfoZoomAttribute a = attribute(fieldId);
        EXPECT_FALSE(a.isNull()) << "no attribute for field " << fieldId;
        InfoZoomObjects objects = table()->Objects();
        objects.Reset();
        InfoZoomObject object;
        for (int i = 0; i <= row; ++i)
            object = objects.NextObject();
        EXPECT_FALSE(object.isNull()) << "no row " << row;
        return a.isNull() || object.isNull() ? QVariant() : object.Value(a);
    }
    QStringList column(qint16 fieldId)
    {
        QStringList values;
        for (int r = 0; r < rows(); ++r)
            values << cell(r, fieldId).toString();
        return values;
    }
    static QString hex(const QString &id, const char *type)
    {
        return actlink::clUniqueIDConverter().ToHexID(id, QString::fromLatin1(type));
    }

    GTestScriptedUi m_ui;
    ActivityDatabase m_db;
    InfoZoomControl m_control;
    QLabel m_status;
    std::unique_ptr<records::clAufgaben> m_aufgaben;
    QStringList m_statusTexts;
};
