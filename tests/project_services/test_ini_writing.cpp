// Writing INI values: creation, in-place replacement, appending, removal, preservation of every
// other byte, and a failed write leaving the old file untouched.
#include "FileSizeLimit.h"
#include "GTestScriptedUi.h"
#include "IniTestFiles.h"
#include "project/modINIFile.h"

using namespace project;

namespace {

class IniWriting : public IniFileTest
{
protected:
    GTestScriptedUi m_ui; // no box may appear while writing
};

TEST_F(IniWriting, CreatesAMissingFileWithSectionAndKeyInCrLf)
{
    const QString file = path();
    ASSERT_TRUE(INIWriteSetting("Options", "ProjectName", QString("Projekt1"), file));
    EXPECT_EQ(readBytes(file), QByteArray("[Options]\r\nProjectName=Projekt1\r\n"));
    EXPECT_EQ(INIGetSettingString("Options", "ProjectName", file, ""), "Projekt1");
}

TEST_F(IniWriting, ReplacesInPlaceRegardlessOfCaseAndKeepsEveryOtherByte)
{
    const QByteArray before = "; Kommentar \xe4\r\n[Andere]\r\nProjectName=bleibt\r\n\r\n[OPTIONS]\r\n"
                              "  projectname = Alt \r\nACTDatabaseUser=Chef\n; Ende ohne Zeilenende";
    const QString file = write(before);
    ASSERT_TRUE(INIWriteSetting("Options", "ProjectName", QString("Neu"), file));
    QByteArray expected = before;
    expected.replace("  projectname = Alt ", "ProjectName=Neu");
    EXPECT_EQ(readBytes(file), expected);
}

TEST_F(IniWriting, AppendsANewKeyAtTheEndOfItsSectionBeforeBlankLines)
{
    const QString file = write("[Options]\r\nA=1\r\nB=2\r\n\r\n[Other]\r\nC=3\r\n");
    ASSERT_TRUE(INIWriteSetting("Options", "New", QString("x"), file));
    ASSERT_TRUE(INIWriteSetting("Other", "D", QString("4"), file));
    EXPECT_EQ(readBytes(file), QByteArray("[Options]\r\nA=1\r\nB=2\r\nNew=x\r\n\r\n[Other]\r\nC=3\r\nD=4\r\n"));
}

TEST_F(IniWriting, AddsAMissingSectionAfterALastLineWithoutLineEnd)
{
    const QString file = write("[Other]\r\nC=3");
    ASSERT_TRUE(INIWriteSetting("Options", "A", QString("1"), file));
    EXPECT_EQ(readBytes(file), QByteArray("[Other]\r\nC=3\r\n[Options]\r\nA=1\r\n"));
}

TEST_F(IniWriting, UnsetValueRemovesTheKeyLineWhileEmptyTextWritesKeyAndEquals)
{
    const QString file = write("[Options]\r\nConnectionStringADODaten=DSN=x\r\nSQLStringADODaten=SELECT 1\r\n");
    ASSERT_TRUE(INIWriteSetting("Options", "ConnectionStringADODaten", std::nullopt, file));
    ASSERT_TRUE(INIWriteSetting("Options", "SQLStringADODaten", QString(""), file));
    EXPECT_EQ(readBytes(file), QByteArray("[Options]\r\nSQLStringADODaten=\r\n"));
    EXPECT_EQ(INIGetSettingLongString("Options", "ConnectionStringADODaten", file, "absent"), "absent");
}

TEST_F(IniWriting, RemovingAnAbsentKeyNeitherChangesNorCreatesAFile)
{
    const QByteArray before = "[Options]\r\nA=1\r\n";
    const QString file = write(before);
    EXPECT_TRUE(INIWriteSetting("Options", "B", std::nullopt, file));
    EXPECT_TRUE(INIWriteSetting("Fehlt", "B", std::nullopt, file));
    EXPECT_EQ(readBytes(file), before);
    EXPECT_TRUE(INIWriteSetting("Options", "B", std::nullopt, path("neu.dlx")));
    EXPECT_FALSE(QFile::exists(path("neu.dlx")));
}

TEST_F(IniWriting, LongValueSurvivesWriteAndLongRead)
{
    const QString file = path();
    const QString connection = "Driver=SQLite3;Database=/tmp/" + QString(280, 'd') + ".db;NoCreat=1";
    ASSERT_TRUE(INIWriteSetting("Options", "ConnectionStringADODaten", connection, file));
    EXPECT_EQ(INIGetSettingLongString("Options", "ConnectionStringADODaten", file, ""), connection);
}

TEST_F(IniWriting, TextIsStoredInWindows1252)
{
    const QString file = path();
    ASSERT_TRUE(INIWriteSetting("Options", "Name", QString::fromUtf8("Aufträge € ✓"), file));
    EXPECT_EQ(readBytes(file), QByteArray("[Options]\r\nName=Auftr\xe4ge \x80 ?\r\n"));
}

TEST_F(IniWriting, LineBreaksInAValueCannotAddKeysOrSections)
{
    const QString file = path();
    ASSERT_TRUE(
        INIWriteSetting("Options", "SQLStringADODaten", QString("SELECT *\r\nFROM t\n[Evil]\rProjectName=x"), file));
    EXPECT_EQ(INIGetSettingLongString("Options", "SQLStringADODaten", file, ""),
              "SELECT * FROM t [Evil] ProjectName=x");
    EXPECT_EQ(INIGetSettingString("Options", "ProjectName", file, "absent"), "absent");
}

TEST_F(IniWriting, FailedWriteReturnsFalseAndLeavesTheOldFileIntact)
{
    const QByteArray before = "[Options]\r\nProjectName=Alt\r\n";
    const QString file = write(before);
    QString error;
    bool written = true;
    {
        FileSizeLimit limit(64);
        ASSERT_TRUE(limit.active());
        written = INIWriteSetting("Options", "SQLStringADODaten", QString(500, 'q'), file, &error);
    }
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"projekt.dlx"});
}

TEST_F(IniWriting, FolderThatDoesNotExistGivesFalse)
{
    QString error;
    EXPECT_FALSE(INIWriteSetting("Options", "A", QString("1"), path("fehlt/projekt.dlx"), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
