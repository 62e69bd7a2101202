// Reading INI values: the platform reader's rules and the own line reader's prefix and
// last-match rules, side by side on the same files.
#include "GTestScriptedUi.h"
#include "IniTestFiles.h"
#include "project/modINIFile.h"

using namespace project;

namespace {

class IniReading : public IniFileTest
{
protected:
    GTestScriptedUi m_ui;
};

TEST_F(IniReading, ShortReaderCutsAt255WhileLongReaderReturnsEverything)
{
    const QByteArray value(300, 'x');
    const QString file = write("[Options]\r\nSQLStringADODaten=" + value + "\r\n");
    EXPECT_EQ(INIGetSettingString("Options", "SQLStringADODaten", file, ""), QString(255, 'x'));
    EXPECT_EQ(INIGetSettingLongString("Options", "SQLStringADODaten", file, ""), QString(300, 'x'));
}

TEST_F(IniReading, ShortReaderIgnoresCaseTrimsBlanksAndRemovesQuotes)
{
    const QString file = write("[options]\r\n  projectname  =  \"Mein Projekt\"  \r\nACTDatabaseUser=\t'Chef' \r\n"
                               "Leer=\r\n");
    EXPECT_EQ(INIGetSettingString("Options", "ProjectName", file, "-"), "Mein Projekt");
    EXPECT_EQ(INIGetSettingString("OPTIONS", "actdatabaseuser", file, "-"), "Chef");
    EXPECT_EQ(INIGetSettingString("Options", "Leer", file, "-"), "");
}

TEST_F(IniReading, ShortReaderGivesDefaultForMissingFileSectionOrKeyWithoutMessage)
{
    const QString file = write("[Options]\r\nProjectName=A\r\n");
    EXPECT_EQ(INIGetSettingString("Options", "ACTDatabaseName", file, "dflt"), "dflt");
    EXPECT_EQ(INIGetSettingString("Andere", "ProjectName", file, "dflt"), "dflt");
    EXPECT_EQ(INIGetSettingString("Options", "ProjectName", path("fehlt.dlx"), "dflt"), "dflt");
    EXPECT_TRUE(m_ui.records().isEmpty());
}

TEST_F(IniReading, ShortReaderNeedsTheExactKeyAndTakesTheFirstLine)
{
    const QString file = write("[Options]\r\nSyncFieldNameKontakte=Firma\r\nKey=first\r\nKey=second\r\n");
    EXPECT_EQ(INIGetSettingString("Options", "SyncFieldName", file, "dflt"), "dflt");
    EXPECT_EQ(INIGetSettingString("Options", "Key", file, ""), "first");
}

TEST_F(IniReading, LongReaderMatchesTheKeyAsPrefix)
{
    const QString file = write("[Options]\r\nSyncFieldNameKontakte=Firma\r\n");
    EXPECT_EQ(INIGetSettingLongString("Options", "SyncFieldName", file, "dflt"), "Firma");
}

TEST_F(IniReading, LongReaderLetsTheLastMatchWinEvenInALaterSection)
{
    const QString twoLines = write("[Options]\r\nKey=eins\r\nKey=zwei\r\n", "a.dlx");
    EXPECT_EQ(INIGetSettingLongString("Options", "Key", twoLines, ""), "zwei");

    const QString laterSection = write("[Options]\r\nKey=eins\r\n[Other]\r\nkey = drei \r\n", "b.dlx");
    EXPECT_EQ(INIGetSettingLongString("Options", "Key", laterSection, ""), "drei");
}

TEST_F(IniReading, LongReaderKeepsQuotesAndGivesEmptyForNothingBehindTheEqualsSign)
{
    const QString file = write("[Options]\r\nConn=  \"a=b\"  \r\nLeer=   \r\nNoEquals\r\n");
    EXPECT_EQ(INIGetSettingLongString("Options", "Conn", file, ""), "\"a=b\"");
    EXPECT_EQ(INIGetSettingLongString("Options", "Leer", file, "dflt"), "");
    EXPECT_EQ(INIGetSettingLongString("Options", "NoEquals", file, "dflt"), "dflt");
}

TEST_F(IniReading, SectionLineCaseCountsForTheLongReaderOnly)
{
    const QString file = write("[options]\r\nProjectName=Klein\r\n");
    EXPECT_EQ(INIGetSettingLongString("Options", "ProjectName", file, "dflt"), "dflt");
    EXPECT_EQ(INIGetSettingString("Options", "ProjectName", file, "dflt"), "Klein");
}

TEST_F(IniReading, LongReaderIgnoresKeysBeforeItsSectionAndTheSectionLineItself)
{
    const QString file = write("Key=vorher\r\n  [Options] Kommentar=b\r\nOther=1\r\n");
    EXPECT_EQ(INIGetSettingLongString("Options", "Key", file, "dflt"), "dflt");
    EXPECT_EQ(INIGetSettingLongString("Options", "[Options", file, "dflt"), "dflt");
}

TEST_F(IniReading, LongReaderOnMissingFileShowsExclamationBoxAndGivesDefault)
{
    m_ui.expectMsgBox(platform::MsgIcon::Exclamation, "Error: 53. Datei nicht gefunden");
    EXPECT_EQ(INIGetSettingLongString("Options", "Key", path("fehlt.dlx"), "dflt"), "dflt");
    ASSERT_EQ(m_ui.records().size(), 1);
    EXPECT_EQ(m_ui.records().at(0).title, "Datolux-INIGetSettingLongString");
    EXPECT_EQ(m_ui.records().at(0).text, "Error: 53. Datei nicht gefunden");
}

TEST_F(IniReading, LongReaderOnMissingFolderOrAFolderNamesItsError)
{
    m_ui.expectMsgBox(platform::MsgIcon::Exclamation, "Error: 76. Pfad nicht gefunden");
    m_ui.expectMsgBox(platform::MsgIcon::Exclamation, "Error: 75. ");
    EXPECT_EQ(INIGetSettingLongString("Options", "Key", path("nichtda/x.dlx"), "d1"), "d1");
    EXPECT_EQ(INIGetSettingLongString("Options", "Key", m_dir.path(), "d2"), "d2");
}

TEST_F(IniReading, ValuesAreWindows1252AndAcceptLfOnlyLines)
{
    const QString file = write("[Options]\nName=Gr\xfc\xdf\x65 \x80\nNext=1\n");
    EXPECT_EQ(INIGetSettingString("Options", "Name", file, ""), QString::fromUtf8("Grüße €"));
    EXPECT_EQ(INIGetSettingLongString("Options", "Name", file, ""), QString::fromUtf8("Grüße €"));
    EXPECT_EQ(INIGetSettingLongString("Options", "Next", file, ""), "1");
}

} // namespace
