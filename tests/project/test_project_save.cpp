// Saving a project: the folder choice, the overwrite question, the keys and their order, the table
// files of the two displayed tables, and what survives a save and an open.
#include "FileSizeLimit.h"
#include "ProjectFileFixture.h"
#include "platform/VbError.h"

#include <QMap>

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
    // Every file in the project folder with its bytes.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> result;
        for (const QString &name : QDir(folder()).entryList(QDir::Files | QDir::Hidden))
            result.insert(name, read(folder() + QLatin1Char('/') + name));
        return result;
    }
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

TEST_F(ProjectSave, AFileThatCannotBeReplacedPutsBackEveryFileReplacedBeforeIt)
{
    const QString contacts = clProjekt::TableFilePath(folder(), "Kunden", "Kontakte");
    touch(contacts, "alte Tabelle");
    // A folder where the project file goes: the table file is replaced first and has to come back.
    QDir(folder()).mkpath(QStringLiteral("Kunden.dlx/voll"));
    GTestScriptedUi ui;
    ui.expectFolder(folder())
        .expectMsgBox(MsgIcon::Question, QStringLiteral("überschrieben"), MsgAnswer::Yes)
        .expectMsgBox(MsgIcon::Exclamation,
                      QStringLiteral("Beim Überschreiben der Projektdatei \"%1\" ist ein Fehler aufgetreten.\r\n")
                          .arg(projectFile()));
    clProjekt projekt;
    prepare(projekt);
    EXPECT_FALSE(projekt.SaveProjekt());
    EXPECT_EQ(read(contacts), QByteArray("alte Tabelle"));
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"Kunden.dlx", "Kunden_Kontakte.fox"}));
    EXPECT_TRUE(projekt.IsChanged());
}

TEST_F(ProjectSave, ASaveThatFailsHalfWayLeavesEveryOldFileAsItWas)
{
    GTestScriptedUi ui;
    ui.expectFolder(folder());
    clProjekt projekt;
    prepare(projekt);
    fill(*m_lower, QStringLiteral("Notizen"));
    ASSERT_TRUE(projekt.SaveProjekt());
    const QMap<QString, QByteArray> before = files();
    ASSERT_EQ(before.size(), 3);

    // The contacts and the keys change a little; the notes grow past what the disk still takes.
    m_upper->Table()->Objects().Add().setValue(m_upper->Table()->AttributeItem(0), QStringLiteral("Neu"));
    const InfoZoomAttribute text = m_lower->Table()->AttributeItem(0);
    for (int i = 0; i < 2000; ++i)
        m_lower->Table()->Objects().Add().setValue(text, QStringLiteral("Notiz %1").arg(i));
    projekt.FOXNotiz().setSyncFeldName(QStringLiteral("ACTFieldID|6"));
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Kunden_Notizen.fox\""));
    bool saved = true;
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.active());
        try {
            saved = projekt.SaveProjekt();
        } catch (const platform::VbError &) {
            saved = false;
        }
    }
    EXPECT_FALSE(saved);
    const QMap<QString, QByteArray> after = files();
    EXPECT_EQ(after.keys(), before.keys());
    for (auto it = before.begin(); it != before.end(); ++it)
        EXPECT_TRUE(after.value(it.key()) == it.value()) << it.key().toStdString() << " changed";
    EXPECT_TRUE(projekt.IsChanged());
}

TEST_F(ProjectSave, ANameOrDatabaseTheProjectFileCannotHoldIsRefusedBeforeAnythingIsWritten)
{
    struct Case
    {
        QString name;
        QString database;
        QString character;
    };
    const QString polish = path(QString::fromUtf8("act/Gdańsk.dbf"));
    touch(polish);
    for (const Case &c : {Case{QString::fromUtf8("Łódź"), m_database, QString::fromUtf8("Ł")},
                          Case{QStringLiteral("Kunden"), polish, QString::fromUtf8("ń")}}) {
        GTestScriptedUi ui;
        const QString file = folder() + QLatin1Char('/') + c.name + QStringLiteral(".dlx");
        ui.expectFolder(folder()).expectMsgBox(
            MsgIcon::Exclamation, QStringLiteral("das Zeichen \"%1\"").arg(c.character), MsgAnswer::OK);
        clProjekt projekt;
        prepare(projekt);
        projekt.setName(c.name);
        projekt.setACTDatenbank(c.database);
        EXPECT_FALSE(projekt.SaveProjekt());
        EXPECT_TRUE(ui.records().last().text.contains(file)) << ui.records().last().text.toStdString();
        EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList());
        EXPECT_TRUE(projekt.IsChanged());
    }
}

TEST_F(ProjectSave, AProjectNameThatCannotNameItsFilesIsRefusedWhenEnteredAndAskedAgain)
{
    for (const auto &[answer, problem] : {std::pair{QString::fromUtf8("Łódź"), QString::fromUtf8("\"Ł\"")},
                                          std::pair{QStringLiteral("\"Kunden\""), QStringLiteral("\" an")},
                                          std::pair{QStringLiteral("'Kunden'"), QStringLiteral("' an")},
                                          std::pair{QStringLiteral("a/b"), QStringLiteral("\"/\"")},
                                          std::pair{QStringLiteral("..\\Oben"), QStringLiteral("\"\\\"")},
                                          std::pair{QStringLiteral(".Kunden"), QStringLiteral("Punkt")},
                                          std::pair{QStringLiteral("Kun\x7f den"), QStringLiteral("Steuerzeichen")},
                                          std::pair{QString(105, QChar(0xe4)), QStringLiteral("210 Byte")}}) {
        GTestScriptedUi ui;
        ui.expectInputBox(QStringLiteral("Projektnamen"), answer)
            .expectMsgBox(MsgIcon::Exclamation, problem)
            .expectInputBox(QStringLiteral("Projektnamen"), QStringLiteral("Kunden Nord"));
        clProjekt projekt;
        projekt.InputName(QStringLiteral("Kunden"));
        EXPECT_EQ(projekt.Name(), QStringLiteral("Kunden Nord"));
    }
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
