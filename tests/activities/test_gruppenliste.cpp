// The group-name list over the group file of a demo database: blank-filled IDs, unknown and blank
// IDs, groups without a name, quotes in IDs, the file read once, and the failures of Init.
#include "ActivityDatabase.h"
#include "GTestScriptedUi.h"

#include "records/clGruppenliste.h"
#include "infozoom/InfoZoomTable.h"

#include <QFile>

using platform::MsgIcon;
using records::clGruppenliste;

namespace {

class Gruppenliste : public ::testing::Test
{
protected:
    GTestScriptedUi m_ui;
    ActivityDatabase m_db;
    InfoZoomTable m_table;
};

TEST_F(Gruppenliste, AShortIdFindsTheGroupStoredWithTrailingBlanks)
{
    m_db.addGroup(QStringLiteral("ZEHNZEICHN"), QStringLiteral("Zehnergruppe"));
    clGruppenliste list;
    ASSERT_TRUE(list.Init(m_db.path(), &m_table));
    EXPECT_EQ(list.Name(QStringLiteral("ZEHNZEICHN")), QStringLiteral("Zehnergruppe"));
    EXPECT_EQ(list.Name(QStringLiteral("ZEHNZEICHN  ")), QStringLiteral("Zehnergruppe"));
    // Not a prefix search: a shorter ID is another group.
    EXPECT_EQ(list.Name(QStringLiteral("ZEHNZEICH")), QStringLiteral("Unbekannt"));
}

TEST_F(Gruppenliste, UnknownIdsAreUnbekanntBlankIdsEmpty)
{
    clGruppenliste list;
    ASSERT_TRUE(list.Init(m_db.path(), &m_table));
    EXPECT_EQ(list.Name(QStringLiteral("NIEMAND")), QStringLiteral("Unbekannt"));
    EXPECT_EQ(list.Name(QString()), QString());
    EXPECT_EQ(list.Name(QString(12, u' ')), QString());
    EXPECT_EQ(list.Name(QStringLiteral("DREIZEHN-LANG")), QStringLiteral("Unbekannt"));
}

TEST_F(Gruppenliste, AGroupWithoutANameGivesTheEmptyText)
{
    m_db.addGroup(QStringLiteral("OHNENAME"), QVariant());
    m_db.addGroup(QStringLiteral("MITNAME"), QStringLiteral("  Eingerückt  "));
    clGruppenliste list;
    ASSERT_TRUE(list.Init(m_db.path(), &m_table));
    EXPECT_EQ(list.Name(QStringLiteral("OHNENAME")), QString());
    // Leading blanks are part of the name; trailing ones are the field's filling.
    EXPECT_EQ(list.Name(QStringLiteral("MITNAME")), QStringLiteral("  Eingerückt"));
}

TEST_F(Gruppenliste, QuotesInAnIdAreMatchedLiterally)
{
    m_db.addGroup(QStringLiteral("O'BRIEN"), QStringLiteral("Irland"));
    m_db.addGroup(QStringLiteral("X' OR 'A'='"), QStringLiteral("Falle"));
    clGruppenliste list;
    ASSERT_TRUE(list.Init(m_db.path(), &m_table));
    EXPECT_EQ(list.Name(QStringLiteral("O'BRIEN")), QStringLiteral("Irland"));
    EXPECT_EQ(list.Name(QStringLiteral("X' OR 'A'='")), QStringLiteral("Falle"));
    EXPECT_EQ(list.Name(QStringLiteral("' OR ''='")), QStringLiteral("Unbekannt"));
}

TEST_F(Gruppenliste, TheGroupFileIsReadOnceAtInit)
{
    m_db.addGroup(QStringLiteral("ERSTE"), QStringLiteral("Erste"));
    clGruppenliste list;
    ASSERT_TRUE(list.Init(m_db.path(), &m_table));
    m_db.addGroup(QStringLiteral("SPAETER"), QStringLiteral("Später"));
    ASSERT_TRUE(QFile::remove(m_db.file(actserver::ActTableKind::Group)));
    EXPECT_EQ(list.Name(QStringLiteral("ERSTE")), QStringLiteral("Erste"));
    EXPECT_EQ(list.Name(QStringLiteral("SPAETER")), QStringLiteral("Unbekannt"));
}

TEST_F(Gruppenliste, AMissingDatabaseFailsInTheStatusLineAndAnswersUnbekannt)
{
    clGruppenliste list;
    EXPECT_EQ(list.Name(QStringLiteral("G1")), QStringLiteral("Unbekannt")); // before Init
    EXPECT_FALSE(list.Init(m_db.path() + QStringLiteral(".fehlt"), &m_table));
    EXPECT_EQ(m_table.StatusText(), QStringLiteral("Fehler beim Zugriff auf die ACT!-Datenbank (ACTFinder-init)."));
    EXPECT_EQ(list.Name(QStringLiteral("G1")), QStringLiteral("Unbekannt"));
    EXPECT_EQ(list.Name(QStringLiteral("  ")), QString());
}

TEST_F(Gruppenliste, AMissingGroupFileFailsTheQuery)
{
    ASSERT_TRUE(QFile::remove(m_db.file(actserver::ActTableKind::Group)));
    m_ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Fehler in Klasse ACTFinder"));
    clGruppenliste list;
    EXPECT_FALSE(list.Init(m_db.path(), &m_table));
    EXPECT_EQ(m_table.StatusText(), QStringLiteral("Fehler beim Zugriff auf die ACT!-Datenbank (ACTFinder-Abfrage)."));
    EXPECT_EQ(list.Name(QStringLiteral("G1")), QStringLiteral("Unbekannt"));
}

} // namespace
