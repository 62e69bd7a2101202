// Saving a project: the folder choice, the overwrite question, the keys and their order, the table
// files of the two displayed tables, and what survives a save and an open.
#include "ProjectFileFixture.h"

using namespace project;
using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

class ProjectSave : public ProjectFileTest
{
protected:
    // A new project whose contacts were read.
    void prepare(clProjekt &projekt)
    {
        projekt.setName(QStringLiteral("Kunden"));
        projekt.setACTDatenbank(m_database);
        projekt.setACTBenutzername(QStringLiteral("Chris Huffman"));
        projekt.FOXKontakt().setDatum(QDateTime(QDate(2026, 12, 9), QTime(14, 3, 5)));
        projekt.FOXKontakt().setSyncFeldName(QStringLiteral("ACTFieldID|1"));
        projekt.FOXKontakt().setUniqueIDFeldName(QStringLiteral("ACTFieldID|1"));
        fill(*m_upper, QStringLiteral("Kontakte"));
    }
    QString projectFile() const { return folder() + QStringLiteral("/Kunden.dlx"); }
};

TEST_F(ProjectSave, AFirstSaveAsksForTheFolderAndWritesTheProjectAndContactsKeys)
{
    GTestScriptedUi ui;
    ui.expectFolder(folder());
    clProjekt projekt;
    prepare(projekt);
    ASSERT_TRUE(projekt.SaveProjekt());
    EXPECT_EQ(projekt.Datei(), projectFile());
    EXPECT_EQ(keysOf(projectFile()),
              (QStringList{"ProjectName", "ACTDatabaseName", "ACTDatabaseUser", "DataDateKontakte",
                           "SyncFieldNameKontakte", "UniqueIDFieldNameKontakte"}));
    EXPECT_TRUE(read(projectFile()).contains("DataDateKontakte=09.12.2026 14:03:05\r\n"));
    EXPECT_TRUE(QFile::exists(clProjekt::TableFilePath(folder(), "Kunden", "Kontakte")));
    EXPECT_EQ(projekt.FOXKontakt().Datei(), clProjekt::TableFilePath(folder(), "Kunden", "Kontakte"));
    EXPECT_TRUE(projekt.IsSaved());
    EXPECT_FALSE(projekt.IsChanged());
}

TEST_F(ProjectSave, ACancelledFolderChoiceSavesNothingAndSaysNothing)
{
    GTestScriptedUi ui;
    ui.expectFolder(QString());
    clProjekt projekt;
    prepare(projekt);
    EXPECT_FALSE(projekt.SaveProjekt());
    EXPECT_FALSE(QFile::exists(projectFile()));
    EXPECT_TRUE(projekt.IsChanged());
}

TEST_F(ProjectSave, NoToTheOverwriteQuestionKeepsTheOldFileAndForgetsTheFolder)
{
    touch(projectFile(), "[Options]\r\nProjectName=Alt\r\nDataDateNotizen=01.01.2020\r\n");
    GTestScriptedUi ui;
    ui.expectFolder(folder()).expectMsgBox(
        MsgIcon::Question, QString::fromUtf8("Soll das vorhandene Projekt \"%1\" überschrieben werden?").arg(projectFile()),
        MsgAnswer::No);
    clProjekt projekt;
    prepare(projekt);
    EXPECT_FALSE(projekt.SaveProjekt());
    EXPECT_EQ(projekt.Ordner(), QString());
    EXPECT_TRUE(read(projectFile()).contains("ProjectName=Alt"));

    // The next save asks for the folder again; Yes starts from an empty file.
    ui.expectFolder(folder()).expectMsgBox(MsgIcon::Question, QStringLiteral("überschrieben"), MsgAnswer::Yes);
    ASSERT_TRUE(projekt.SaveProjekt());
    EXPECT_TRUE(read(projectFile()).contains("ProjectName=Kunden"));
    EXPECT_FALSE(keysOf(projectFile()).contains(QStringLiteral("DataDateNotizen")));
    EXPECT_FALSE(QFile::exists(projectFile() + QStringLiteral(".alt~")));
}

TEST_F(ProjectSave, AnOldFileThatCannotBeRemovedIsReportedAndKept)
{
    touch(projectFile(), "[Options]\r\nProjectName=Alt\r\n");
    // A folder in the way of the old file's move makes the removal fail.
    QDir(folder()).mkpath(QStringLiteral("Kunden.dlx.alt~/voll"));
    GTestScriptedUi ui;
    ui.expectFolder(folder())
        .expectMsgBox(MsgIcon::Question, QStringLiteral("überschrieben"), MsgAnswer::Yes)
        .expectMsgBox(MsgIcon::Exclamation,
                      QStringLiteral("Beim Überschreiben der Projektdatei \"%1\" ist ein Fehler aufgetreten.\r\n")
                          .arg(projectFile()));
    clProjekt projekt;
    prepare(projekt);
    EXPECT_FALSE(projekt.SaveProjekt());
    EXPECT_TRUE(read(projectFile()).contains("ProjectName=Alt"));
}

TEST_F(ProjectSave, ExternalDataKeysFollowInTheirOrderAndUnsetValuesRemoveTheirKeys)
{
    GTestScriptedUi ui;
    ui.expectFolder(folder());
    clProjekt projekt;
    prepare(projekt);
    fill(*m_lower, QStringLiteral("ADODaten"));
    const QString longConnection = QStringLiteral("Driver=SQLite3;Database=/daten/") + QString(300, QLatin1Char('x')) +
                                   QStringLiteral(".db;NoCreat=1");
    projekt.FOXADODaten().setConnectionString(longConnection);
    ASSERT_TRUE(projekt.SaveProjekt());
    EXPECT_EQ(keysOf(projectFile()).mid(6),
              (QStringList{"DataDateADODaten", "SyncFieldNameADODaten", "UniqueIDFieldNameADODaten",
                           "ConnectionStringADODaten"}));
    EXPECT_TRUE(QFile::exists(clProjekt::TableFilePath(folder(), "Kunden", "ADODaten")));

    // The long connection string and the empty query survive an open; unset again, the key goes.
    projekt.FOXADODaten().setSQLString(QString());
    ASSERT_TRUE(projekt.SaveProjekt());
    EXPECT_TRUE(keysOf(projectFile()).contains(QStringLiteral("SQLStringADODaten")));
    clProjekt opened;
    ASSERT_TRUE(opened.OpenProjekt(projectFile()));
    EXPECT_EQ(opened.FOXADODaten().ConnectionString(), longConnection);
    EXPECT_EQ(opened.FOXADODaten().SQLString(), QString());
    EXPECT_EQ(opened.FOXADODaten().Datei(), clProjekt::TableFilePath(folder(), "Kunden", "ADODaten"));

    clProjekt unset;
    unset.setName(QStringLiteral("Kunden"));
    unset.setOrdner(folder());
    unset.setDatei(projectFile());
    ASSERT_TRUE(unset.SaveProjekt());
    EXPECT_FALSE(keysOf(projectFile()).contains(QStringLiteral("ConnectionStringADODaten")));
    EXPECT_FALSE(keysOf(projectFile()).contains(QStringLiteral("SQLStringADODaten")));
}

TEST_F(ProjectSave, AnOpenedProjectIsWrittenIntoItsFileWhateverItsName)
{
    GTestScriptedUi ui;
    const QString file = writeProject(QStringLiteral("Anders.dlx"),
                                      {QStringLiteral("ProjectName=Kunden"), QStringLiteral("ACTDatabaseName=") + m_database,
                                       QStringLiteral("DataDateNotizen=01.02.2020")},
                                      QStringLiteral("Kunden"));
    clProjekt projekt;
    ASSERT_TRUE(projekt.OpenProjekt(file));
    fill(*m_upper, QStringLiteral("Kontakte"));
    projekt.DataChanged();
    ASSERT_TRUE(projekt.SaveProjekt());
    EXPECT_FALSE(QFile::exists(projectFile()));
    EXPECT_EQ(keysOf(file).first(), QStringLiteral("ProjectName"));
    // The keys of a kind not displayed stay as an earlier save left them.
    EXPECT_TRUE(read(file).contains("DataDateNotizen=01.02.2020"));
    EXPECT_TRUE(keysOf(file).contains(QStringLiteral("DataDateKontakte")));
}

TEST_F(ProjectSave, SavedDatesAndNamesOpenAgainUnchanged)
{
    GTestScriptedUi ui;
    ui.expectFolder(folder());
    clProjekt projekt;
    prepare(projekt);
    fill(*m_lower, QStringLiteral("Notizen"));
    projekt.FOXNotiz().setDatum(QDateTime(QDate(2025, 1, 2), QTime(0, 0)));
    projekt.FOXNotiz().setSyncFeldName(QStringLiteral("ACTFieldID|6"));
    ASSERT_TRUE(projekt.SaveProjekt());
    clProjekt opened;
    ASSERT_TRUE(opened.OpenProjekt(projectFile()));
    EXPECT_EQ(opened.FOXKontakt().Datum(), projekt.FOXKontakt().Datum());
    EXPECT_EQ(opened.FOXNotiz().Datum(), QDateTime(QDate(2025, 1, 2), QTime(0, 0)));
    EXPECT_EQ(opened.FOXNotiz().SyncFeldName(), QStringLiteral("ACTFieldID|6"));
    EXPECT_EQ(opened.ACTBenutzername(), QStringLiteral("Chris Huffman"));
}

} // namespace
