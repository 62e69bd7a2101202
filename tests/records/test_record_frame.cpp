// The record-class frame: control set-up, attribute search, ShowData with re-use of attributes,
// cancel, the bad-record question, and the LoadData frame.
#include "GTestScriptedUi.h"
#include "ScriptedRecordClass.h"

#include "infozoom/InfoZoomTable.h"

#include "platform/VbError.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace records;
using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

class RecordFrame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_record.Init(&m_control);
        m_record.setFields({QStringLiteral("ID"), QStringLiteral("Firma"), QStringLiteral("Anzahl")}, {1, 2, 5},
                           {4, 0, 1});
    }
    static ScriptedSource rows(int n)
    {
        ScriptedSource source;
        for (int i = 1; i <= n; ++i)
            source.rows << QStringList{QString::number(i), QStringLiteral("Firma %1").arg(i), QString::number(i * 2)};
        return source;
    }
    InfoZoomTable &table() { return *m_control.Table(); }
    QStringList attributeNames()
    {
        QStringList names;
        for (int i = 0; i < table().AttributeList().Count(); ++i)
            names << table().AttributeItem(i).Name();
        return names;
    }

    GTestScriptedUi m_ui;
    InfoZoomControl m_control;
    ScriptedRecordClass m_record;
};

TEST_F(RecordFrame, InitGivesTheTableTheKindsColoursAndEmptiesTheTag)
{
    m_control.setTag(QStringLiteral("alt"));
    ScriptedRecordClass notes(TableKind::Notizen);
    notes.Init(&m_control);
    EXPECT_EQ(m_control.Tag(), QString());
    EXPECT_EQ(table().MainColorRed(), 255);
    EXPECT_EQ(table().MainColorGreen(), 153);
    EXPECT_EQ(table().MainColorBlue(), 0);
    EXPECT_EQ(table().color(3), QColor(255, 189, 89));
    EXPECT_EQ(table().color(4), QColor(195, 195, 195));
    EXPECT_FALSE(table().DisplayOptionA());
    EXPECT_TRUE(table().DisplayOptionE());
}

TEST_F(RecordFrame, ShowDataMakesOneAttributePerFieldWithImportNamesFormatsAndRoles)
{
    ScriptedSource source = rows(3);
    m_record.ShowData(source);
    EXPECT_EQ(attributeNames(), (QStringList{"ID", "Firma", "Anzahl"}));
    EXPECT_EQ(table().AttributeItem(2).ImportName(), QStringLiteral("ACTFieldID|5"));
    EXPECT_EQ(InfoZoomAttribute(table().AttributeItem(2)).Format(), QStringLiteral("####"));
    EXPECT_EQ(m_record.UniqueIDFieldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(m_record.SyncFieldAttribute(), InfoZoomAttribute(table().AttributeItem(0)));
    EXPECT_EQ(table().Objects().Count(), 3);
    InfoZoomObjects objects = table().Objects();
    objects.Reset();
    InfoZoomObject first = objects.NextObject();
    EXPECT_EQ(first.Value(InfoZoomAttribute(table().AttributeItem(0))).toString(), QStringLiteral("ID:1"));
    EXPECT_EQ(first.Value(InfoZoomAttribute(table().AttributeItem(2))).toInt(), 2);
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Kontakte"));
    EXPECT_EQ(table().StatusText(), QStringLiteral("Fertig."));
    EXPECT_TRUE(table().DisplayOptionA());
    EXPECT_TRUE(m_control.DisplayEnabled());
    EXPECT_LE(m_record.DateOfData().secsTo(QDateTime::currentDateTime()), 5);
}

TEST_F(RecordFrame, AReReadKeepsRenamedAndMovedAttributesAndAppendsOnlyMissingOnes)
{
    ScriptedSource first = rows(2);
    m_record.ShowData(first);
    table().AttributeItem(1).setName(QStringLiteral("Unternehmen"));
    InfoZoomAttributeNode folder = table().Attributes().AddFolder(QStringLiteral("Ordner"));
    InfoZoomAttribute derived = folder.Attributes().Add(QStringLiteral("Abgeleitet"));
    derived.setImportName(QStringLiteral("ACTFieldID|2"));

    m_record.setFields({"ID", "Firma", "Anzahl", "Ort"}, {1, 2, 5, 9}, {4, 0, 1, 0});
    ScriptedSource second = rows(4);
    for (QStringList &row : second.rows)
        row << QStringLiteral("Berlin");
    m_record.ShowData(second);
    EXPECT_EQ(attributeNames(), (QStringList{"ID", "Unternehmen", "Anzahl", "Ordner", "Abgeleitet", "Ort"}));
    EXPECT_EQ(table().Objects().Count(), 4);
    // The first flat match is reused, not the later one inside the folder.
    InfoZoomObjects objects = table().Objects();
    objects.Reset();
    EXPECT_EQ(objects.NextObject().Value(InfoZoomAttribute(table().AttributeItem(1))).toString(),
              QStringLiteral("Firma 1"));
}

TEST_F(RecordFrame, ACancelClickEndsTheReadAtTheNextProgressStepAndKeepsTheRows)
{
    ScriptedSource source = rows(400);
    m_ui.onDoEvents = [this] {
        if (table().StatusText() == QStringLiteral("Übertrage Kontaktdaten... (57/400)"))
            m_record.setCancel(true);
    };
    m_record.ShowData(source);
    EXPECT_EQ(table().Objects().Count(), 114);
    EXPECT_EQ(table().StatusText(), QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle Daten eingelesen!"));
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Kontakte"));
    EXPECT_TRUE(m_control.DisplayEnabled());
    EXPECT_TRUE(m_record.DateOfData().isValid());
}

TEST_F(RecordFrame, ANewReadClearsAnEarlierCancel)
{
    m_record.setCancel(true);
    ScriptedSource source = rows(120);
    m_record.ShowData(source);
    EXPECT_EQ(table().Objects().Count(), 120);
    EXPECT_EQ(table().StatusText(), QStringLiteral("Fertig."));
}

TEST_F(RecordFrame, AnEmptySourceGivesNoRowsFertigAndTheTag)
{
    ScriptedSource source;
    m_record.ShowData(source);
    EXPECT_EQ(table().Objects().Count(), 0);
    EXPECT_EQ(table().StatusText(), QStringLiteral("Fertig."));
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Kontakte"));
}

TEST_F(RecordFrame, YesToTheBadRecordQuestionSkipsTheRecordNoEndsTheRead)
{
    ScriptedSource source = rows(5);
    source.bad.insert(1, -106);
    source.bad.insert(3, -106);
    m_ui.expectMsgBox(MsgIcon::Question,
                      QStringLiteral("Es ist ein Fehler beim Einlesen eines ACT!-Datensatzes aufgetreten.\r\n"
                                     "ACT!-OLE-Database Error: "),
                      MsgAnswer::Yes)
        .expectMsgBox(MsgIcon::Question,
                      QStringLiteral("\r\nFehlernummer: -106\r\nLfd. Datensatznummer: 4\r\n"
                                     "Soll weiterhin versucht werden die Daten einzulesen?"),
                      MsgAnswer::No);
    m_record.ShowData(source);
    EXPECT_EQ(table().Objects().Count(), 2);
    EXPECT_EQ(table().StatusText(), QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle Daten eingelesen!"));
    EXPECT_EQ(m_ui.records().first().text.count(QStringLiteral("\r\n")), 4);
}

TEST_F(RecordFrame, AFailureInsideTheTransferLeavesTheDisplayOnAndTheRowsSoFar)
{
    ScriptedSource source = rows(10);
    source.onRead = [](int pos) {
        if (pos == 6)
            throw platform::VbError(91, QStringLiteral("Objektvariable nicht festgelegt"));
    };
    EXPECT_THROW(m_record.ShowData(source), platform::VbError);
    EXPECT_TRUE(m_control.DisplayEnabled());
    EXPECT_TRUE(table().DisplayOptionA()) << "the rows read so far are shown";
    EXPECT_EQ(table().Objects().Count(), 6);
    EXPECT_EQ(table().StatusText(), QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle Daten eingelesen!"));
}

TEST_F(RecordFrame, FindAttributeSearchesFoldersDepthFirstAndStopsAtTheFirstHit)
{
    InfoZoomAttributes top = table().Attributes();
    top.Add(QStringLiteral("A")).setImportName(QStringLiteral("x"));
    InfoZoomAttributeNode folder = top.AddFolder(QStringLiteral("F"));
    InfoZoomAttributeNode inner = folder.Attributes().AddFolder(QStringLiteral("G"));
    InfoZoomAttribute deep = inner.Attributes().Add(QStringLiteral("tief"));
    deep.setImportName(QStringLiteral("ACTFieldID|25"));
    top.Add(QStringLiteral("spaet")).setImportName(QStringLiteral("ACTFieldID|25"));
    EXPECT_EQ(RecordClassBase::FindAttribute(top, QStringLiteral("ACTFieldID|25")), deep);
    EXPECT_TRUE(RecordClassBase::FindAttribute(top, QStringLiteral("actfieldid|25")).isNull());
    EXPECT_TRUE(RecordClassBase::FindAttribute(top, QStringLiteral("F")).isNull());
}

TEST_F(RecordFrame, LoadDataLoadsTheFileAndTagsTheTable)
{
    ScriptedSource source = rows(3);
    m_record.ShowData(source);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("K_Kontakte.fox"));
    table().SaveFile(file);

    InfoZoomControl other;
    ScriptedRecordClass loader;
    loader.Init(&other);
    loader.LoadData(file);
    EXPECT_EQ(other.Tag(), QStringLiteral("Kontakte"));
    EXPECT_EQ(other.Table()->Objects().Count(), 3);
    EXPECT_EQ(other.Table()->StatusText(), QStringLiteral("Fertig."));
    EXPECT_TRUE(other.Table()->DisplayOptionA());

    InfoZoomControl third;
    ScriptedRecordClass failing;
    failing.Init(&third);
    failing.LoadData(file, false);
    EXPECT_EQ(third.Tag(), QString());
}

} // namespace
