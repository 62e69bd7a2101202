// The field search: cached base query, field order, filter patterns, quotes in values, failures,
// and the field usage sentence.
#include "ActFolder.h"
#include "GTestScriptedUi.h"

#include "actlink/clACTFinder.h"
#include "dbf/DbfWriter.h"

#include <QThread>
#include <gtest/gtest.h>

using actlink::clACTFinder;
using platform::MsgIcon;

namespace {

class ACTFinderSearch : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_finder.Init(m_act.contacts())); }

    bool search(const QString &fields, const QString &values, int position, bool fixedOrder = false, int fieldOp = 0,
                int valueOp = 0)
    {
        return m_finder.Suche(clACTFinder::Kontakte, fields, QString(), values, fieldOp, valueOp, position, fixedOrder);
    }

    QStringList foundIds()
    {
        QStringList ids;
        dao::Recordset *rs = m_finder.FilterRecordset();
        if (!rs || m_finder.AnzahlFilter() < 1)
            return ids;
        for (rs->MoveFirst(); !rs->isEOF(); rs->MoveNext())
            ids << rs->value(QStringLiteral("UNIQUE_ID")).toString().trimmed();
        return ids;
    }

    GTestScriptedUi m_ui;
    ActFolder m_act;
    clACTFinder m_finder;
};

} // namespace

TEST_F(ACTFinderSearch, TheSameFieldsInAnotherOrderReuseTheBaseQuery)
{
    ASSERT_TRUE(search(QStringLiteral("NAME,FIRMA"), QStringLiteral("ab"), 0));
    dao::Recordset *base = m_finder.AlleRecordset();
    const QDateTime stamp = m_finder.CacheDatum();
    EXPECT_TRUE(stamp.isValid());
    EXPECT_EQ(foundIds(), (QStringList{QStringLiteral("C1"), QStringLiteral("C4")})); // Abel; "Ab und Zu"
    ASSERT_TRUE(search(QStringLiteral("FIRMA,NAME"), QStringLiteral("zu"), 2));
    EXPECT_EQ(m_finder.AlleRecordset(), base);
    EXPECT_EQ(m_finder.CacheDatum(), stamp);
    EXPECT_EQ(foundIds(), QStringList{QStringLiteral("C4")});
}

TEST_F(ACTFinderSearch, AnotherFieldRebuildsTheBaseQueryWithNewStamps)
{
    ASSERT_TRUE(search(QStringLiteral("NAME,FIRMA"), QStringLiteral("ab"), 0));
    const qint32 size = m_finder.CacheDBFSize();
    EXPECT_EQ(size, qint32(QFileInfo(m_act.contacts()).size()));
    EXPECT_EQ(m_finder.CacheDBFDate().time().second(), QFileInfo(m_act.contacts()).lastModified().time().second());
    dbf::DbfWriter(m_act.contacts()).append({QStringLiteral("C5"), QStringLiteral("Neu")});
    QThread::msleep(1100); // the build time has whole seconds
    ASSERT_TRUE(search(QStringLiteral("NAME,ORT"), QStringLiteral("köln"), 1));
    EXPECT_GT(m_finder.CacheDBFSize(), size);
    EXPECT_EQ(m_finder.AnzahlAlle(), 5);
    EXPECT_EQ(foundIds(), (QStringList{QStringLiteral("C1"), QStringLiteral("C4")}));
    // With the fixed order another order is another list.
    dao::Recordset *base = m_finder.AlleRecordset();
    ASSERT_TRUE(search(QStringLiteral("ORT,NAME"), QStringLiteral("köln"), 1, true));
    EXPECT_NE(m_finder.AlleRecordset(), base);
}

TEST_F(ACTFinderSearch, PatternsAndEmptyValuesInTheFilter)
{
    ASSERT_TRUE(search(QStringLiteral("NAME"), QStringLiteral("ab"), 1));
    EXPECT_EQ(m_finder.AlleRecordset()->Filter(), QStringLiteral("([kontakte#dbf].NAME LIKE '*[aA][bB]*')"));
    EXPECT_EQ(foundIds(), (QStringList{QStringLiteral("C1"), QStringLiteral("C3")}));
    for (int position : {0, 1, 2}) {
        ASSERT_TRUE(search(QStringLiteral("UMSATZ"), QStringLiteral("<<LEER>>"), position));
        EXPECT_EQ(m_finder.AlleRecordset()->Filter(), QStringLiteral("([kontakte#dbf].UMSATZ IS NULL)"));
        EXPECT_EQ(foundIds(), QStringList{QStringLiteral("C3")});
    }
    ASSERT_TRUE(search(QStringLiteral("NAME,ORT"), QStringLiteral("m,k"), 0, false, 1, 0));
    EXPECT_EQ(m_finder.AlleRecordset()->Filter(),
              QStringLiteral("([kontakte#dbf].NAME LIKE '[mM]*' OR [kontakte#dbf].NAME LIKE '[kK]*') AND "
                             "([kontakte#dbf].ORT LIKE '[mM]*' OR [kontakte#dbf].ORT LIKE '[kK]*')"));
    EXPECT_EQ(foundIds(), QStringList{QStringLiteral("C4")});
    ASSERT_TRUE(search(QStringLiteral("NAME"), QStringLiteral("Ü"), 1));
    EXPECT_EQ(foundIds(), QStringList{QStringLiteral("C4")});
}

TEST_F(ACTFinderSearch, AQuoteInASearchValueStaysPartOfTheValue)
{
    ASSERT_TRUE(search(QStringLiteral("NAME"), QStringLiteral("o'n"), 0));
    EXPECT_EQ(foundIds(), QStringList{QStringLiteral("C2")});
    ASSERT_TRUE(search(QStringLiteral("NAME"), QStringLiteral("x') OR (1=1"), 1));
    EXPECT_TRUE(foundIds().isEmpty());
}

TEST_F(ACTFinderSearch, AFailedFilterIsReportedAndLeavesNoRecordsets)
{
    m_ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Fehler in Klasse ACTFinder\r\nEs konnte kein Suchfilter ausgeführt "
                                                           "werden.\r\nDAO-Fehler "));
    EXPECT_FALSE(search(QStringLiteral("NAME AS X"), QStringLiteral("a"), 0));
    EXPECT_EQ(m_finder.AlleRecordset(), nullptr);
    EXPECT_EQ(m_finder.FilterRecordset(), nullptr);
    EXPECT_EQ(m_finder.AnzahlAlle(), -1);
    EXPECT_TRUE(m_ui.clipboardText().startsWith(QStringLiteral("SELECT [kontakte#dbf].NAME AS X")));
    // The next search with the same fields builds its base query again instead of using none.
    m_ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Es konnte kein Suchfilter ausgeführt werden."));
    EXPECT_FALSE(search(QStringLiteral("NAME AS X"), QStringLiteral("a"), 0));
    ASSERT_TRUE(search(QStringLiteral("NAME"), QStringLiteral("a"), 0));
    EXPECT_EQ(foundIds(), QStringList{QStringLiteral("C1")});
}

TEST_F(ACTFinderSearch, AnUnknownFieldFailsTheBaseQuery)
{
    m_ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Es konnte keine Abfrage bei der ACT!-Datenbank ausgeführt werden."));
    EXPECT_FALSE(search(QStringLiteral("GIBTSNICHT"), QStringLiteral("a"), 0));
    EXPECT_EQ(m_finder.FilterRecordset(), nullptr);
}

TEST_F(ACTFinderSearch, KillCacheDropsBothRecordsets)
{
    ASSERT_TRUE(search(QStringLiteral("NAME"), QStringLiteral("a"), 0));
    m_finder.killCache();
    EXPECT_EQ(m_finder.AlleRecordset(), nullptr);
    EXPECT_EQ(m_finder.FilterRecordset(), nullptr);
    EXPECT_EQ(m_finder.AnzahlFilter(), -1);
    ASSERT_TRUE(search(QStringLiteral("NAME"), QStringLiteral("a"), 0));
    EXPECT_NE(m_finder.AlleRecordset(), nullptr);
}

TEST_F(ACTFinderSearch, FieldUsageCountsFilledRecordsAndVolume)
{
    EXPECT_EQ(m_finder.Feldausnutzung(QStringLiteral("UMSATZ")), QString()); // no base query yet
    ASSERT_TRUE(search(QStringLiteral("UMSATZ,FIRMA"), QStringLiteral("1"), 0));
    const QString usage = m_finder.Feldausnutzung(QStringLiteral("UMSATZ"));
    // 3 numbers of 14 characters each against 4 x 8 bytes defined for a double.
    EXPECT_EQ(usage, QStringLiteral("3 Datensätze sind in dem Feld gefüllt (75,00%). Das Datenvolumen beträgt 0,0 KB (131,25%)."));
    // A text field: the blanks that pad the field are not counted as data.
    EXPECT_TRUE(m_finder.Feldausnutzung(QStringLiteral("FIRMA")).startsWith(QStringLiteral("3 Datensätze sind in dem Feld gefüllt (75,00%)")));
}

TEST_F(ACTFinderSearch, FieldUsageOfAnEmptyTableIsZero)
{
    const QString empty = m_act.folder() + QStringLiteral("/Kontakte.sdb");
    dbf::DbfWriter::create(empty, {dbf::DbfField::character(QStringLiteral("UNIQUE_ID"), 12), dbf::DbfField::character(QStringLiteral("TITEL"), 10)});
    int position = 0;
    ASSERT_TRUE(m_finder.Suche(clACTFinder::Auftraege, QStringLiteral("TITEL"), QString(), QStringLiteral("x"), 0, 0, position, false));
    EXPECT_EQ(m_finder.Feldausnutzung(QStringLiteral("TITEL")),
              QStringLiteral("0 Datensätze sind in dem Feld gefüllt (0,00%). Das Datenvolumen beträgt 0,0 KB (0,00%)."));
}
