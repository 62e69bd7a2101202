// File and folder existence tests, the folder choice, and files replaced together.
#include "GTestScriptedUi.h"
#include "IniTestFiles.h"
#include "platform/FileTransaction.h"
#include "project/modINIFile.h"

#include <QDir>

using namespace project;

namespace {

class FilesFolders : public IniFileTest
{
protected:
    GTestScriptedUi m_ui;
};

TEST_F(FilesFolders, DirExistsWithAndWithoutTrailingSeparator)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("Ordner"));
    EXPECT_TRUE(DirExists(path("Ordner")));
    EXPECT_TRUE(DirExists(path("Ordner") + "/"));
    EXPECT_FALSE(DirExists(path("Fehlt")));
    EXPECT_FALSE(DirExists(""));
}

TEST_F(FilesFolders, DirExistsOfAFileIsFalseAndFileExistsOfAFolderIsFalse)
{
    const QString file = write("x", "datei.txt");
    EXPECT_FALSE(DirExists(file));
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(m_dir.path()));
}

TEST_F(FilesFolders, FileExistsOfEmptyOrMissingNameIsFalseWithoutBox)
{
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(path("fehlt.dbf")));
    EXPECT_FALSE(FileExists(path("fehlt/fehlt.dbf")));
    EXPECT_TRUE(m_ui.records().isEmpty());
}

TEST_F(FilesFolders, FileExistsWithWildcardsNeedsOneMatchingFile)
{
    write("x", "Firma.hdb");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("Ordner.dbf"));
    EXPECT_TRUE(FileExists(path("*.hdb")));
    EXPECT_TRUE(FileExists(path("Firm?.hdb")));
    EXPECT_FALSE(FileExists(path("*.dbf"))); // only a folder matches
    EXPECT_FALSE(FileExists(path("*.gdb")));
}

TEST_F(FilesFolders, FileExistsIgnoresHiddenFiles)
{
    write("x", ".Firma.hdb");
    write("x", ".versteckt");
    for (const char *name : {".Firma.hdb", ".versteckt", "*.hdb", "*Firma*", "*", ".*"})
        EXPECT_FALSE(FileExists(path(name))) << name;
    write("x", "Firma.hdb");
    EXPECT_TRUE(FileExists(path("*.hdb")));
}

TEST_F(FilesFolders, BrowseForFolderReturnsTheChoiceOrEmptyOnCancel)
{
    m_ui.expectFolder("/home/anwender/Projekte");
    m_ui.expectFolder("");
    EXPECT_EQ(BrowseForFolder(QString::fromUtf8("Bitte wählen Sie den Ordner")), "/home/anwender/Projekte");
    EXPECT_EQ(BrowseForFolder(QString::fromUtf8("Bitte wählen Sie den Ordner")), "");
    ASSERT_EQ(m_ui.records().size(), 2);
    EXPECT_EQ(m_ui.records().at(0).text, QString::fromUtf8("Bitte wählen Sie den Ordner"));
}

TEST_F(FilesFolders, AReplacementThatFailsHalfWayPutsBackEveryFileAlreadyReplaced)
{
    const QString first = write("alt 1", "eins.txt");
    const QString third = write("alt 3", "drei.txt");
    platform::FileTransaction transaction;
    ASSERT_TRUE(transaction.write(first, "neu 1"));
    // The second new file vanishes before the commit, so its rename fails after the first one was done.
    const QString second = transaction.stage(path("zwei.txt"));
    ASSERT_FALSE(second.isEmpty());
    ASSERT_TRUE(transaction.write(third, "neu 3"));
    ASSERT_TRUE(QFile::remove(second));
    EXPECT_FALSE(transaction.commit());
    EXPECT_TRUE(transaction.errorString().contains(QStringLiteral("zwei.txt\" kann nicht ersetzt werden")))
        << transaction.errorString().toStdString();
    EXPECT_TRUE(transaction.errorString().endsWith(QStringLiteral("Alle alten Dateien sind unverändert.")));
    EXPECT_EQ(readBytes(first), "alt 1");
    EXPECT_EQ(readBytes(third), "alt 3");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"drei.txt", "eins.txt"}));
}

} // namespace
