// The read and re-read commands of the notes and the sales in the main window over a demo
// database: the read-anew questions, the save question for sales only, loading a stored table with
// the descriptor's names, the re-read over a shown table and its record in the descriptor.
#include "mainwindow_project/ProjectCommandFixture.h"

#include "actserver/ACTDatabaseObject.h"
#include "actserver/ActDatabaseFiles.h"
#include "mainwindow/StatusBarPanel.h"
#include "project/clFOX.h"
#include "records/clAuftraege.h"
#include "records/clNotizen.h"

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

const QString kNotesQuestion = QStringLiteral("Sollen die Notizen neu aus der ACT!-Datenbank eingelesen werden?");
const QString kSalesQuestion = QStringLiteral("Sollen die Aufträge neu aus der ACT!-Datenbank eingelesen werden?");
const QString kSaveQuestion = QStringLiteral("Sollen zuvor die Änderungen im Projekt \"Kunden\" gespeichert werden?");

class NotesSalesCommands : public ProjectCommandFixture
{
protected:
    void TearDown() override
    {
        modHaupt::ReleaseRecordObjects();
        ProjectCommandFixture::TearDown();
    }
    InfoZoomControl &lower() { return *window->InfoZoomExtra(); }
    int lowerRows() { return lower().Table()->Objects().Count(); }
    QString status() { return window->StatusPanel()->text(); }
    // The only text the last message box showed, compared whole.
    QString lastMessage() { return ui.records().isEmpty() ? QString() : ui.records().last().text; }

    // The notes read anew through the read command's question.
    void readNotesAnew()
    {
        ui.expectMsgBox(MsgIcon::Question, kNotesQuestion, MsgAnswer::Yes);
        run("mnuReadNotes");
    }
    void readSalesAnew()
    {
        ui.expectMsgBox(MsgIcon::Question, kSalesQuestion, MsgAnswer::Yes);
        run("mnuReadSales");
    }
    int notesInDatabase() { return int(window->Kontakte()->ACTOLEDatabase()->NoteHistory()->RecordCount()); }
    // A copy of the single-user database in the work folder, whose files a test may remove.
    QString copiedDatabase()
    {
        const QDir source = QFileInfo(singleDb()).dir();
        QDir(m_work.path()).mkpath(QStringLiteral("db"));
        for (const QString &file : source.entryList({QStringLiteral("Einzel.*")}, QDir::Files))
            EXPECT_TRUE(QFile::copy(source.filePath(file), folder(QStringLiteral("db/") + file)));
        return folder(QStringLiteral("db/Einzel.dbf"));
    }
    QHash<QString, QByteArray> filesIn(const QString &name)
    {
        QHash<QString, QByteArray> files;
        for (const QString &file : QDir(folder(name)).entryList(QDir::Files))
            files.insert(file, read(folder(name + QLatin1Char('/') + file)));
        return files;
    }
};

TEST_F(NotesSalesCommands, WithoutARecordedFileOnlyTheQuestionComesAndNoLeavesTheTableAlone)
{
    newProject();
    ui.expectMsgBox(MsgIcon::Question, kNotesQuestion, MsgAnswer::No);
    run("mnuReadNotes");
    EXPECT_EQ(lastMessage(), kNotesQuestion);
    EXPECT_EQ(lower().Tag(), QString());
    EXPECT_EQ(modHaupt::Notizen, nullptr);
}

TEST_F(NotesSalesCommands, YesReadsEveryNoteAndRecordsTheReadInTheDescriptor)
{
    savedProject(QStringLiteral("A"));
    ASSERT_FALSE(modHaupt::Projekt->IsChanged());
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    readNotesAnew();
    EXPECT_EQ(lower().Tag(), QStringLiteral("Notizen"));
    EXPECT_EQ(lowerRows(), notesInDatabase());
    EXPECT_EQ(status(), QStringLiteral("Die Notizdaten wurden neu aus der ACT!-Datenbank eingelesen."));
    const project::clFOX &fox = modHaupt::Projekt->FOXNotiz();
    EXPECT_GE(fox.Datum(), before);
    EXPECT_EQ(fox.SyncFeldName(), QStringLiteral("ACTFieldID|29"));
    EXPECT_EQ(fox.UniqueIDFeldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(fox.Datei(), QString());
    EXPECT_TRUE(modHaupt::Projekt->IsChanged());
    EXPECT_NE(dynamic_cast<records::clNotizen *>(modHaupt::Notizen.get()), nullptr);
    EXPECT_TRUE(window->Menu(QStringLiteral("mnuUpdateNotes"))->isEnabled());
}

TEST_F(NotesSalesCommands, AMissingSalesFileAsksWithItsPathAndYesEmptiesTheTableBeforeTheReread)
{
    savedProject(QStringLiteral("A"));
    readSalesAnew();
    run("mnuSaveProject");
    const QString file = modHaupt::Projekt->FOXAuftrag().Datei();
    ASSERT_TRUE(QFile::exists(file));
    ASSERT_TRUE(QFile::remove(file));

    QString tagAtRereadStart = QStringLiteral("nicht gesehen");
    ui.onDoEvents = [&] {
        if (tagAtRereadStart == QStringLiteral("nicht gesehen") &&
            status() == QStringLiteral("Die Auftragsdaten werden neu aus der ACT!-Datenbank eingelesen..."))
            tagAtRereadStart = lower().Tag();
    };
    ui.expectMsgBox(MsgIcon::Question, kSalesQuestion, MsgAnswer::Yes);
    run("mnuReadSales");
    EXPECT_EQ(lastMessage(),
              QStringLiteral("Die Projektdatendatei \"%1\"\r\nwurde nicht gefunden.\r\n").arg(file) + kSalesQuestion);
    EXPECT_EQ(tagAtRereadStart, QString());
    EXPECT_EQ(lower().Tag(), QStringLiteral("Aufträge"));
    EXPECT_EQ(status(), QStringLiteral("Die Auftragsdaten wurden neu aus der ACT!-Datenbank eingelesen."));
}

TEST_F(NotesSalesCommands, AStoredNotesTableIsLoadedWithTheDescriptorsDateAndNames)
{
    savedProject(QStringLiteral("A"));
    readNotesAnew();
    run("mnuSaveProject");
    const project::clFOX &fox = modHaupt::Projekt->FOXNotiz();
    ASSERT_TRUE(QFile::exists(fox.Datei()));
    const int rows = lowerRows();
    readSalesAnew();
    ASSERT_EQ(lower().Tag(), QStringLiteral("Aufträge"));

    run("mnuReadNotes"); // the project is changed by the sales read, but notes never ask to save
    EXPECT_EQ(lower().Tag(), QStringLiteral("Notizen"));
    EXPECT_EQ(lowerRows(), rows);
    EXPECT_EQ(status(), QStringLiteral("Die Notizdaten wurden geladen."));
    EXPECT_EQ(modHaupt::Notizen->DateOfData(), fox.Datum());
    EXPECT_EQ(modHaupt::Notizen->SyncFieldName(), QStringLiteral("ACTFieldID|29"));
    EXPECT_EQ(modHaupt::Notizen->UniqueIDAttribute().ImportName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(lower().Table()->StatusText(), QStringLiteral("Fertig."));
}

TEST_F(NotesSalesCommands, SalesAskToSaveAnotherKindsChangesNotesNever)
{
    newProject();
    readNotesAnew();
    ASSERT_TRUE(modHaupt::Projekt->IsChanged());
    ui.expectMsgBox(MsgIcon::Question, kSaveQuestion, MsgAnswer::No)
        .expectMsgBox(MsgIcon::Question, kSalesQuestion, MsgAnswer::Yes);
    run("mnuReadSales");
    EXPECT_EQ(lower().Tag(), QStringLiteral("Aufträge"));

    // Back to the notes: only the read-anew question, although the project is changed.
    ui.expectMsgBox(MsgIcon::Question, kNotesQuestion, MsgAnswer::No);
    run("mnuReadNotes");
    EXPECT_EQ(lastMessage(), kNotesQuestion);
    EXPECT_EQ(lower().Tag(), QStringLiteral("Aufträge"));

    // Sales over sales: no save question either.
    ui.expectMsgBox(MsgIcon::Question, kSalesQuestion, MsgAnswer::No);
    run("mnuReadSales");
    EXPECT_EQ(lastMessage(), kSalesQuestion);
}

TEST_F(NotesSalesCommands, ARereadOverShownNotesKeepsTheUsersAttributes)
{
    newProject();
    readNotesAnew();
    InfoZoomTable *table = lower().Table();
    table->AttributeItem(2).setName(QStringLiteral("Art der Notiz"));
    table->Attributes().Add(QStringLiteral("Bemerkung"));
    run("mnuUpdateNotes");
    QStringList names;
    for (int i = 0; i < table->AttributeList().Count(); ++i)
        names << table->AttributeItem(i).Name();
    EXPECT_EQ(names, (QStringList{"Eindeutige ID", "Datum", "Art der Notiz", "Text", "Datensatz-Manager", "Anlage",
                                  "Kontakt-ID", "Bemerkung"}));
    EXPECT_EQ(lowerRows(), notesInDatabase());
}

TEST_F(NotesSalesCommands, ClosingTheWindowDuringARereadEndsTheProgramAfterIt)
{
    newProject();
    readNotesAnew();
    InfoZoomTable *table = lower().Table();
    QString endOfRead;
    ui.onDoEvents = [&] {
        if (table->StatusText().startsWith(QString::fromUtf8("Übertrage Notizdaten... (53/")))
            window->close();
        if (status() == QStringLiteral("Die Notizdaten wurden neu aus der ACT!-Datenbank eingelesen."))
            endOfRead = status();
    };
    ui.expectMsgBox(MsgIcon::Question,
                    kSaveQuestion + QStringLiteral("\r\nDie Notiztabelle ist unvollständig: nur 106 von %1 Datensätzen "
                                                   "gelesen.")
                                        .arg(notesInDatabase()),
                    MsgAnswer::No);
    run("mnuUpdateNotes");
    ui.onDoEvents = nullptr;
    EXPECT_EQ(endOfRead, QString());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(modHaupt::Projekt, nullptr);
    EXPECT_TRUE(modHaupt::RecordObjectsInCancelOrder().isEmpty());
}

TEST_F(NotesSalesCommands, WithoutAnOpenDatabaseTheRereadTellsAndRecordsNothing)
{
    ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Es ist keine ACT!-Datenbank geöffnet."));
    run("mnuUpdateSales");
    EXPECT_EQ(status(), QStringLiteral("Die Auftragsdaten konnten nicht aus der ACT!-Datenbank eingelesen werden!"));
    EXPECT_EQ(modHaupt::Projekt->FOXAuftrag().SyncFeldName(), QString());
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
    EXPECT_EQ(lower().Tag(), QString());
    EXPECT_TRUE(window->Toolbar()->isEnabled());
}

TEST_F(NotesSalesCommands, AMissingNotesFileIsReportedAndTheWindowStaysUsable)
{
    const QString database = copiedDatabase();
    newProject(database);
    ASSERT_TRUE(QFile::remove(actserver::ActDatabaseFiles(database).tableFile(actserver::ActTableKind::Notes)));
    const QDateTime recorded = modHaupt::Projekt->FOXNotiz().Datum();

    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Fehler"));
    run("mnuUpdateNotes");
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("Einzel.hdb"))) << lastMessage().toStdString();
    EXPECT_EQ(status(), QStringLiteral("Die Notizdaten konnten nicht aus der ACT!-Datenbank eingelesen werden!"));
    EXPECT_EQ(modHaupt::Projekt->FOXNotiz().Datum(), recorded);
    EXPECT_EQ(modHaupt::Projekt->FOXNotiz().SyncFeldName(), QString());
    EXPECT_TRUE(window->Toolbar()->isEnabled());
    EXPECT_EQ(lower().Tag(), QString());
}

TEST_F(NotesSalesCommands, AnAbortedRereadSaysHowFarItCameAndTheSaveQuestionNamesTheIncompleteTable)
{
    savedProject(QStringLiteral("A"));
    readNotesAnew();
    run("mnuSaveProject");
    InfoZoomTable *table = lower().Table();
    ui.onDoEvents = [&] {
        if (table->StatusText().startsWith(QString::fromUtf8("Übertrage Notizdaten... (53/")))
            window->StatusBar_PanelClick(QStringLiteral("Abbruch"));
    };
    run("mnuUpdateNotes");
    ui.onDoEvents = nullptr;
    // The click during the progress text of record 53 is seen at the next test, after record 106.
    const QString count = QStringLiteral("106 von %1 Datensätzen").arg(notesInDatabase());
    EXPECT_EQ(status(), QStringLiteral("Das Einlesen der Notiztabelle wurde abgebrochen: %1 gelesen!").arg(count));
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Die Notiztabelle ist unvollständig: nur %1").arg(count),
                    MsgAnswer::No);
    run("mnuCloseProject");
}

// A file that a re-read needs and that is gone: one message naming it before any row is read, and
// the table on screen and the project's files stay as they were.
struct MissingSourceFile
{
    const char *rereadCommand;
    const char *readQuestion; // the read command's question, or nullptr for the contacts
    const char *readCommand;
    const char *file;
    const char *failedText;
};

class NotesSalesCommandsMissingFile : public NotesSalesCommands, public ::testing::WithParamInterface<MissingSourceFile>
{
};

TEST_P(NotesSalesCommandsMissingFile, IsOneMessageAndLeavesTableAndFilesAlone)
{
    const MissingSourceFile c = GetParam();
    const QString database = copiedDatabase();
    const QStringList fields{QStringLiteral("Firma"), QStringLiteral("Hinweise"), QStringLiteral("Gruppenname")};
    ui.expectFileDialog(QStringList{database})
        .expectInputBox(QStringLiteral("Projektnamen"), QStringLiteral("Kunden"))
        .expectModal(tick(fields));
    run("mnuNewProject");
    if (c.readQuestion) {
        ui.expectMsgBox(MsgIcon::Question, QString::fromUtf8(c.readQuestion), MsgAnswer::Yes);
        if (QByteArray(c.readCommand) == "mnuReadGroups")
            ui.expectModal(tick(fields));
        run(c.readCommand);
    }
    ui.expectFolder(folder(QStringLiteral("A")));
    run("mnuSaveProject");
    InfoZoomControl &shown = c.readQuestion ? lower() : *window->InfoZoomKontakt();
    const QString tag = shown.Tag();
    const int rows = shown.Table()->Objects().Count();
    ASSERT_GT(rows, 0);
    const QHash<QString, QByteArray> saved = filesIn(QStringLiteral("A"));
    ASSERT_TRUE(QFile::remove(folder(QStringLiteral("db/") + QString::fromLatin1(c.file))));

    ui.expectMsgBox(MsgIcon::Exclamation, QString::fromLatin1(c.file));
    run(c.rereadCommand);
    EXPECT_EQ(status(), QString::fromUtf8(c.failedText));
    EXPECT_EQ(shown.Tag(), tag);
    EXPECT_EQ(shown.Table()->Objects().Count(), rows);
    EXPECT_TRUE(shown.Table()->DisplayOptionA());
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
    run("mnuCloseProject");
    EXPECT_EQ(filesIn(QStringLiteral("A")), saved);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NotesSalesCommandsMissingFile,
    ::testing::Values(MissingSourceFile{"mnuUpdateNotes", "Sollen die Notizen neu", "mnuReadNotes", "Einzel.hdt",
                                        "Die Notizdaten konnten nicht aus der ACT!-Datenbank eingelesen werden!"},
                      MissingSourceFile{"mnuUpdateSales", "Sollen die Aufträge neu", "mnuReadSales", "Einzel.sdt",
                                        "Die Auftragsdaten konnten nicht aus der ACT!-Datenbank eingelesen werden!"},
                      MissingSourceFile{"mnuUpdateActivities", "Sollen die Aufgaben neu", "mnuReadActivities",
                                        "Einzel.adt",
                                        "Die Aufgabendaten konnten nicht aus der ACT!-Datenbank eingelesen werden!"},
                      MissingSourceFile{"mnuUpdateGroups", "Sollen die Gruppen neu", "mnuReadGroups", "Einzel.gdt",
                                        "Die Gruppendaten konnten nicht aus der ACT!-Datenbank eingelesen werden!"},
                      MissingSourceFile{"mnuUpdateContacts", nullptr, nullptr, "Einzel.fpt",
                                        "Die Kontaktdaten konnten nicht aus der ACT!-Datenbank eingelesen werden!"}));

TEST_F(NotesSalesCommands, ADamagedStoredTableLeavesNoLoadingTextBehind)
{
    savedProject(QStringLiteral("A"));
    readNotesAnew();
    run("mnuSaveProject");
    window->ResetInfoZoom(&lower());
    QFile file(modHaupt::Projekt->FOXNotiz().Datei());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("kein Tabellenformat");
    file.close();
    ui.expectMsgBox(MsgIcon::Exclamation, QString());
    run("mnuReadNotes");
    EXPECT_EQ(status(), QStringLiteral("Die Notizdaten konnten nicht geladen werden!"));
    EXPECT_EQ(lower().Table()->StatusText(), QString());
}

} // namespace
