// File and folder existence tests, the folder choice, and files replaced together.
#include "GTestScriptedUi.h"
#include "IniTestFiles.h"
#include "platform/FileTransaction.h"
#include "project/modINIFile.h"

#include <QDir>

using namespace project;

namespace {

using platform::FileTransaction;

class FilesFolders : public IniFileTest
{
protected:
    void TearDown() override { FileTransaction::setTestHook({}); }
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
    ASSERT_FALSE(transaction.stage(path("zwei.txt")).isEmpty());
    ASSERT_TRUE(transaction.write(third, "neu 3"));
    // The second rename fails after the first one was done.
    FileTransaction::setTestHook(
        [](FileTransaction::Step step, int index) { return step != FileTransaction::Step::Rename || index != 1; });
    EXPECT_FALSE(transaction.commit());
    EXPECT_TRUE(transaction.errorString().contains(QStringLiteral("zwei.txt\" kann nicht ersetzt werden")))
        << transaction.errorString().toStdString();
    EXPECT_TRUE(transaction.errorString().endsWith(QStringLiteral("Alle alten Dateien sind unverändert.")));
    EXPECT_EQ(readBytes(first), "alt 1");
    EXPECT_EQ(readBytes(third), "alt 3");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"drei.txt", "eins.txt"}));
}

TEST_F(FilesFolders, AFailedFolderSyncFailsTheCommitAndAnOldFileLeftIsReportedAndGoesAtRecovery)
{
    using Step = FileTransaction::Step;
    for (const auto &[failing, committed, message] :
         {std::tuple{Step::Sync, false, "Der Ordner"},
          std::tuple{Step::RemoveBackup, true, "kann nicht gelöscht werden"}}) {
        const QString first = write("alt 1", "eins.txt");
        const QString second = write("alt 2", "zwei.txt");
        const QString journal = path(".eins.txt.jnl");
        FileTransaction::setTestHook([step = failing](Step s, int index) { return s != step || index != 1; });
        FileTransaction transaction(journal);
        ASSERT_TRUE(transaction.write(first, "neu 1") && transaction.write(second, "neu 2"));
        EXPECT_EQ(transaction.commit(), committed);
        EXPECT_TRUE(transaction.errorString().contains(QString::fromUtf8(message)))
            << transaction.errorString().toStdString();
        FileTransaction::setTestHook({});
        QString error;
        EXPECT_TRUE(FileTransaction::recover(journal, &error)) << error.toStdString();
        EXPECT_EQ(readBytes(first), committed ? "neu 1" : "alt 1");
        EXPECT_EQ(readBytes(second), committed ? "neu 2" : "alt 2");
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"eins.txt", "zwei.txt"}));
    }
}

} // namespace
