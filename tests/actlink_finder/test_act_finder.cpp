// The table reader's set-up and queries: names from Init, one engine for all readers, logical table
// names, the record count rule of ExtrActAbfrage, and the messages and clipboard after failures.
#include "ActFolder.h"
#include "GTestScriptedUi.h"

#include "actlink/clACTFinder.h"

#include <gtest/gtest.h>

using actlink::clACTFinder;
using platform::MsgIcon;

TEST(ACTFinderInit, NamesAndPathsComeFromTheContactFile)
{
    GTestScriptedUi ui;
    ActFolder act;
    clACTFinder finder;
    ASSERT_TRUE(finder.Init(act.contacts()));
    EXPECT_EQ(finder.Datenbankname(), QStringLiteral("kontakte"));
    EXPECT_EQ(finder.Datenbankpfad(), act.folder().toLower());
    EXPECT_EQ(finder.DatenbanknameLang(), QStringLiteral("kontakte"));
    EXPECT_EQ(finder.DatenbankpfadLang(), act.folder().toLower());
    EXPECT_EQ(finder.ACTDatenbank(), act.folder().toLower() + QStringLiteral("/kontakte.dbf"));
}

TEST(ACTFinderInit, ASecondReaderReusesTheEngine)
{
    GTestScriptedUi ui;
    ActFolder act;
    clACTFinder first;
    ASSERT_TRUE(first.Init(act.contacts()));
    dao::DBEngine *engine = clACTFinder::DAOEngine();
    ASSERT_NE(engine, nullptr);
    clACTFinder second;
    ASSERT_TRUE(second.Init(act.contacts()));
    EXPECT_EQ(clACTFinder::DAOEngine(), engine);
}

TEST(ACTFinderInit, AMissingFileIsFalseWithoutAMessageAndCaseDoesNotMatter)
{
    GTestScriptedUi ui; // any message box would fail the test
    ActFolder act;
    clACTFinder finder;
    EXPECT_FALSE(finder.Init(act.folder() + QStringLiteral("/fehlt.dbf")));
    EXPECT_FALSE(finder.Init(QString()));
    clACTFinder upper;
    EXPECT_TRUE(upper.Init(act.folder() + QStringLiteral("/KONTAKTE.DBF")));
    long n = 0;
    EXPECT_NE(upper.ExtrActAbfrage(QStringLiteral("SELECT * FROM ACT_Contact"), n), nullptr);
    EXPECT_EQ(n, 4);
}

TEST(ACTFinderQuery, TheRelationQueryRunsOverTheRelationFile)
{
    GTestScriptedUi ui;
    ActFolder act;
    clACTFinder finder;
    ASSERT_TRUE(finder.Init(act.contacts()));
    long n = 0;
    auto rs = finder.ExtrActAbfrage(QStringLiteral("SELECT ACT_Relation.FIELD1 AS KontaktID, ACT_Relation.FIELD2 AS GruppenID "
                                                   "FROM ACT_Relation WHERE (ACT_Relation.TYPE='0')"),
                                    n);
    ASSERT_NE(rs, nullptr);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(rs->AbsolutePosition(), 0); // back on the first row after counting
    EXPECT_EQ(rs->value(QStringLiteral("KontaktID")).toString(), QStringLiteral("C1          "));
}

TEST(ACTFinderQuery, AGivenCountStaysAndNoRowsLeaveZero)
{
    GTestScriptedUi ui;
    ActFolder act;
    clACTFinder finder;
    ASSERT_TRUE(finder.Init(act.contacts()));
    long n = 7;
    EXPECT_NE(finder.ExtrActAbfrage(QStringLiteral("SELECT * FROM ACT_Group"), n), nullptr);
    EXPECT_EQ(n, 7);
    n = 0;
    auto none = finder.ExtrActAbfrage(QStringLiteral("SELECT * FROM ACT_Group WHERE GRP_NAME='niemand'"), n);
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(n, 0);
    n = 0;
    auto groups = finder.ExtrActAbfrage(QStringLiteral("SELECT ACT_Group.UNIQUE_ID AS GruppenID, ACT_Group.GRP_NAME AS GruppenName "
                                                       "FROM ACT_Group "),
                                        n);
    EXPECT_EQ(n, 2);
    groups->setFilter(QStringLiteral("GruppenID='G''2") + QString(9, u' ') + QStringLiteral("'"));
    EXPECT_EQ(groups->OpenRecordset()->value(QStringLiteral("GruppenName")).toString().trimmed(), QStringLiteral("Lieferanten"));
}

TEST(ACTFinderQuery, ALowerCaseLogicalNameIsNotReplacedAndTheFailureIsReported)
{
    GTestScriptedUi ui;
    ActFolder act;
    clACTFinder finder;
    ASSERT_TRUE(finder.Init(act.contacts()));
    const QString sql = QStringLiteral("SELECT act_relation.FIELD1 FROM act_relation");
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Fehler in Klasse ACTFinder\r\nEs konnte keine Abfrage bei der "
                                                         "ACT!-Datenbank ausgeführt werden.\r\nDAO-Fehler 3078: "));
    long n = 0;
    EXPECT_EQ(finder.ExtrActAbfrage(sql, n), nullptr);
    EXPECT_EQ(n, -1);
    EXPECT_EQ(ui.clipboardText(), sql);
    EXPECT_TRUE(ui.records().last().text.contains(QStringLiteral("act_relation")));
}

TEST(ACTFinderQuery, ABracketInTheDatabaseNameStaysPartOfTheTableName)
{
    for (const char *name : {"Firma]2", "a]]b", "[Alt]"}) {
        GTestScriptedUi ui; // any message box would fail the test
        ActFolder act{QString::fromLatin1(name)};
        clACTFinder finder;
        ASSERT_TRUE(finder.Init(act.contacts())) << name;
        long n = 0;
        auto rs =
            finder.ExtrActAbfrage(QStringLiteral("SELECT ACT_Group.GRP_NAME FROM ACT_Group ORDER BY GRP_NAME"), n);
        ASSERT_NE(rs, nullptr) << name;
        EXPECT_EQ(n, 2) << name;
        int beginsWith = 0;
        ASSERT_TRUE(finder.Suche(clACTFinder::Kontakte, QStringLiteral("ORT"), QString(), QStringLiteral("k"), 0, 0,
                                 beginsWith, false))
            << name;
        EXPECT_EQ(finder.AnzahlFilter(), 2) << name; // the two contacts in Köln
    }
}

TEST(ACTFinderQuery, AQueryBeforeInitIsRefused)
{
    GTestScriptedUi ui;
    clACTFinder finder;
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Die Abfrage konnte nicht ausgeführt werden, da zuvor nicht die "
                                                         "ACT!-Datenbank initialisiert wurde."));
    EXPECT_EQ(finder.SQLAbfrage(QStringLiteral("SELECT 1")), nullptr);
}
