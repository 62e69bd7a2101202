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
            endOfRead = table->StatusText();
    };
    ui.expectMsgBox(MsgIcon::Question, kSaveQuestion, MsgAnswer::No);
    run("mnuUpdateNotes");
    ui.onDoEvents = nullptr;
    EXPECT_EQ(endOfRead, QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle Notizdaten eingelesen!"));
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
    // A copy of the database whose notes file is gone.
    const QDir source = QFileInfo(singleDb()).dir();
    QDir(m_work.path()).mkpath(QStringLiteral("db"));
    for (const QString &file : source.entryList({QStringLiteral("Einzel.*")}, QDir::Files))
        ASSERT_TRUE(QFile::copy(source.filePath(file), folder(QStringLiteral("db/") + file)));
    const QString database = folder(QStringLiteral("db/Einzel.dbf"));
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

} // namespace
