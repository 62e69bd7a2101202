// The commands over notes and sales read from a demo database by their record classes: the
// synchronisation through the descriptors a re-read records, showing the chosen note or sale in a
// stand-in ACT!, and deleting notes in the database.
#include "mainwindow_project/ProjectCommandFixture.h"
#include "notes_sales/RunningACTDouble.h"

#include "actlink/clUniqueIDConverter.h"
#include "actserver/ACTDatabaseObject.h"
#include "actserver/ACTTable.h"
#include "actserver/ActDemoDatabase.h"
#include "mainwindow/StatusBarPanel.h"
#include "records/clAufgaben.h"
#include "records/clAuftraege.h"
#include "records/clNotizen.h"

#include <QSet>

namespace {

using platform::MsgAnswer;
using platform::MsgIcon;

class LowerKinds : public ProjectCommandFixture
{
protected:
    void SetUp() override
    {
        ProjectCommandFixture::SetUp();
        newProject();
    }

    // As the re-read does: a new record object reads every record, the descriptor takes its keys.
    template <typename Record>
    Record &readLower(std::unique_ptr<records::RecordClassBase> &variable, project::clFOX &fox)
    {
        auto record = std::make_unique<Record>();
        window->ResetInfoZoom(window->InfoZoomExtra());
        record->Init(window->InfoZoomExtra(), window->StatusPanel(), window->Kontakte()->ACTOLEDatabase());
        record->SetACTFields();
        record->ShowData();
        fox.setSyncFeldName(record->SyncFieldName());
        fox.setUniqueIDFeldName(record->UniqueIDFieldName());
        Record &ref = *record;
        variable = std::move(record);
        return ref;
    }
    records::clNotizen &readNotes()
    {
        return readLower<records::clNotizen>(modHaupt::Notizen, modHaupt::Projekt->FOXNotiz());
    }

    InfoZoomTable *lower() const { return window->InfoZoomExtra()->Table(); }
    InfoZoomTable *upper() const { return window->InfoZoomKontakt()->Table(); }
    QString status() const { return window->StatusPanel()->text(); }

    // The rows of a table as (unique ID, sync value) pairs of a record object, in table order.
    static QList<QPair<QString, QString>> rowsOf(InfoZoomTable *table, const records::RecordClassBase &record)
    {
        QList<QPair<QString, QString>> rows;
        InfoZoomObjects all = table->Objects();
        all.Reset();
        for (int i = all.Count(); i > 0; --i) {
            const InfoZoomObject row = all.NextObject();
            rows << qMakePair(row.Value(record.UniqueIDAttribute()).toString(),
                              row.Value(record.SyncFieldAttribute()).toString());
        }
        return rows;
    }
    // Rows whose sync value is a contact (group notes carry no contact).
    static QList<QPair<QString, QString>> contactRows(const QList<QPair<QString, QString>> &rows)
    {
        QList<QPair<QString, QString>> result;
        for (const auto &row : rows)
            if (row.second.startsWith(QLatin1String("CO")))
                result << row;
        return result;
    }
};

TEST_F(LowerKinds, ContactsOfSelectedNotesAndNotesOfSelectedContacts)
{
    records::clNotizen &notes = readNotes();
    const auto rows = contactRows(rowsOf(lower(), notes));
    ASSERT_GE(rows.size(), 3);
    QSet<QString> contacts;
    for (const auto &row : rows)
        if (contacts.size() < 3)
            contacts.insert(row.second);
    InfoZoomAttribute sync = notes.SyncFieldAttribute();
    for (const QString &contact : contacts)
        sync.SelectValue(contact, true);
    run("mnuZoomContacts");
    const InfoZoomAttribute contactId = window->Kontakte()->UniqueIDAttribute();
    const QStringList shown = column(upper()->CurrentObjects(), contactId);
    EXPECT_EQ(QSet<QString>(shown.begin(), shown.end()), contacts);
    EXPECT_EQ(shown.size(), 3);

    // Back from those contacts to all their notes.
    lower()->ResetSelection();
    InfoZoomAttribute ids = contactId;
    for (const QString &contact : contacts)
        ids.SelectValue(contact, true);
    run("mnuZoomExtraData");
    int expected = 0;
    for (const auto &row : rows)
        expected += contacts.contains(row.second) ? 1 : 0;
    const QStringList noteContacts = column(lower()->CurrentObjects(), notes.SyncFieldAttribute());
    EXPECT_EQ(noteContacts.size(), expected);
    EXPECT_EQ(QSet<QString>(noteContacts.begin(), noteContacts.end()), contacts);
    EXPECT_EQ(status(), QStringLiteral("Es wurde auf die Notizen in Abhängigkeit der Kontakte-Auswahl gezoomt."));
}

TEST_F(LowerKinds, TheChosenNoteAndSaleAreShownInACT)
{
    RunningACTDouble act;
    act.state().database = singleDb();
    const actlink::clUniqueIDConverter converter;

    records::clNotizen &notes = readNotes();
    const auto note = contactRows(rowsOf(lower(), notes)).first();
    notes.UniqueIDAttribute().SelectValue(note.first, true);
    window->Toolbar_ButtonClick(QStringLiteral("btnACTNotiz"));
    EXPECT_EQ(act.state().calls,
              (QStringList{QStringLiteral("lookup:") + converter.ToUniqueID(note.second),
                           QStringLiteral("note:") + converter.ToUniqueID(note.first), QStringLiteral("front")}));
    EXPECT_EQ(status(), QStringLiteral("Die Notiz wurde in ACT! angezeigt."));

    act.state().calls.clear();
    records::clAuftraege &sales = readLower<records::clAuftraege>(modHaupt::Auftraege, modHaupt::Projekt->FOXAuftrag());
    const auto sale = contactRows(rowsOf(lower(), sales)).first();
    sales.UniqueIDAttribute().SelectValue(sale.first, true);
    act.state().recordFound = false;
    run("mnuShowSale");
    EXPECT_EQ(act.state().calls, (QStringList{QStringLiteral("lookup:") + converter.ToUniqueID(sale.second),
                                              QStringLiteral("sale:") + converter.ToUniqueID(sale.first)}));
    EXPECT_EQ(status(), QStringLiteral("Der Auftrag konnte nicht in ACT! angezeigt werden."));
    EXPECT_TRUE(window->Toolbar()->isEnabled());
}

TEST_F(LowerKinds, SalesOfTheSelectedContacts)
{
    records::clAuftraege &sales = readLower<records::clAuftraege>(modHaupt::Auftraege, modHaupt::Projekt->FOXAuftrag());
    const auto rows = contactRows(rowsOf(lower(), sales));
    ASSERT_FALSE(rows.isEmpty());
    window->Kontakte()->UniqueIDAttribute().SelectValue(rows.first().second, true);
    run("mnuZoomExtraData");
    EXPECT_EQ(status(), QStringLiteral("Es wurde auf die Aufträge in Abhängigkeit der Kontakte-Auswahl gezoomt."));
    const QStringList shown = column(lower()->CurrentObjects(), sales.SyncFieldAttribute());
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(QSet<QString>(shown.begin(), shown.end()), QSet<QString>{rows.first().second});
}

TEST_F(LowerKinds, AnActivityWithSeveralContactsIsShownFromItsOneSelectedID)
{
    RunningACTDouble act;
    act.state().database = singleDb();
    const actlink::clUniqueIDConverter converter;
    records::clAufgaben &activities =
        readLower<records::clAufgaben>(modHaupt::Aufgaben, modHaupt::Projekt->FOXAufgabe());
    const auto rows = contactRows(rowsOf(lower(), activities));
    QString shared;
    for (int i = 0; i < rows.size() && shared.isEmpty(); ++i)
        for (int j = i + 1; j < rows.size(); ++j)
            if (rows.at(j).first == rows.at(i).first) {
                shared = rows.at(i).first;
                break;
            }
    ASSERT_FALSE(shared.isEmpty()) << "no activity with several contacts";
    activities.UniqueIDAttribute().SelectValue(shared, true);
    ASSERT_GE(lower()->SelectedObjects().Count(), 2);
    window->UpdateMenus();
    EXPECT_TRUE(window->Menu(QStringLiteral("mnuShowActivity"))->isEnabled());
    run("mnuShowActivity");
    EXPECT_TRUE(act.state().calls.contains(QStringLiteral("activity:") + converter.ToUniqueID(shared)));
    EXPECT_EQ(status(), QStringLiteral("Die Aufgabe wurde in ACT! angezeigt."));
}

// The notes' IDs (12 characters) in the notes file of a database, read by a second database object.
QStringList notesInDatabase(const QString &path)
{
    actserver::ACTDatabaseObject database;
    database.Open(path);
    const actserver::ActDemoUser user = actserver::ActDemoDatabase::users(false).first();
    database.ValidateUser(user.name, user.password);
    std::shared_ptr<actserver::ACTTable> notes = database.NoteHistory();
    QStringList ids;
    QStringList values;
    notes->MoveFirst();
    while (!notes->IsEOF()) {
        notes->GetDataEx({1}, values);
        ids << values.at(0);
        notes->MoveNext();
    }
    return ids;
}

class NoteDeletionInDatabase : public LowerKinds
{
};

TEST_F(NoteDeletionInDatabase, ThreeSelectedNotesOfWhichOneIsAlreadyGone)
{
    records::clNotizen &notes = readNotes();
    const actlink::clUniqueIDConverter converter;
    const auto rows = rowsOf(lower(), notes);
    ASSERT_GE(rows.size(), 10);
    const QStringList before = notesInDatabase(singleDb());
    QStringList chosen;
    for (int i : {1, 4, 7}) {
        chosen << converter.ToUniqueID(rows.at(i).first);
        notes.UniqueIDAttribute().SelectValue(rows.at(i).first, true);
    }
    // Another user deleted the second one meanwhile: ACT! no longer finds it.
    ASSERT_TRUE(notes.DeleteNote(chosen.at(1)));

    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Sind Sie sicher das 3 Notiz(en) unwiderruflich"),
                    MsgAnswer::Yes);
    run("mnuDeleteNotes");
    EXPECT_EQ(status(), QStringLiteral("Es wurden 2 Einträge von 3 gelöscht. (1 Fehler)"));
    const QStringList after = notesInDatabase(singleDb());
    EXPECT_EQ(after.size(), before.size() - 3);
    for (const QString &id : chosen)
        EXPECT_FALSE(after.contains(id));
    // Only the refused note keeps its row.
    const QStringList left = column(lower()->Objects(), notes.UniqueIDAttribute());
    EXPECT_EQ(left.size(), rows.size() - 2);
    EXPECT_TRUE(left.contains(rows.at(4).first));
    EXPECT_EQ(lower()->StatusText(), QString());
}

} // namespace
