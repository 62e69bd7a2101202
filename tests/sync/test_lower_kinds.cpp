// The commands over notes and sales read from a demo database by their record classes: the
// synchronisation through the descriptors a re-read records, showing the chosen note or sale in a
// stand-in ACT!, and deleting notes in the database.
#include "mainwindow_project/ProjectCommandFixture.h"
#include "notes_sales/RunningACTDouble.h"

#include "actlink/clUniqueIDConverter.h"
#include "actserver/ACTDatabaseObject.h"
#include "actserver/ACTTable.h"
#include "actserver/ActDemoDatabase.h"
#include "dbf/DbfTable.h"
#include "infozoom/TableData.h"
#include "infozoom/TableView.h"
#include "mainwindow/StatusBarPanel.h"
#include "records/clAufgaben.h"
#include "records/clAuftraege.h"
#include "records/clNotizen.h"

#include <QSet>
#include <QTest>

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

// The demo database's files read directly with the dBase reader, apart from the program: what a
// selection made by a contact's city or a record's type must come to in the other table.
namespace demo {

QString hexId(const char *type, QByteArrayView raw)
{
    return QString::fromLatin1(type) + QString::fromLatin1(raw.toByteArray().toHex().toUpper());
}

// Every record not marked deleted of the database's file with that extension.
template <typename F> void eachRecord(const QString &contactFile, const char *extension, F f)
{
    QString path = contactFile;
    path.replace(path.size() - 3, 3, QString::fromLatin1(extension));
    dbf::DbfTable table(path);
    for (qint64 i = 0; i < table.recordCount(); ++i) {
        const dbf::DbfRecord record = table.record(i);
        if (!record.isDeleted())
            f(table, record);
    }
}

// The IDs of the contacts in a city: typed, or as ACT! holds them.
QStringList contactsIn(const QString &db, const QString &city, bool typed = true)
{
    QStringList ids;
    eachRecord(db, "dbf", [&](const dbf::DbfTable &t, const dbf::DbfRecord &r) {
        const QByteArrayView id = r.raw(t.fieldIndex(u"UNIQUE_ID"));
        if (r.text(t.fieldIndex(u"CITY")).trimmed() == city)
            ids << (typed ? hexId("CO", id) : QString::fromLatin1(id.toByteArray()));
    });
    return ids;
}

// One row of the lower table as the read makes it: the record's typed ID, the contact's typed ID
// ("" for a record of a group) and the record's type code.
struct Row
{
    QString id;
    QString contact;
    int type;
};

QList<Row> notes(const QString &db)
{
    QList<Row> rows;
    eachRecord(db, "hdb", [&](const dbf::DbfTable &t, const dbf::DbfRecord &r) {
        const int contact = t.fieldIndex(u"CONTACT_ID");
        rows << Row{hexId("NT", r.raw(t.fieldIndex(u"UNIQUE_ID"))),
                    r.isBlank(contact) ? QString() : hexId("CO", r.raw(contact)),
                    r.value(t.fieldIndex(u"TYPE")).toInt()};
    });
    return rows;
}

// One row per contact an activity is scheduled with: its own contact when it has one, else the
// first of its schedule entries (relation type "1"), as many as it counts.
QList<Row> activities(const QString &db)
{
    QHash<QString, QStringList> scheduled;
    eachRecord(db, "rel", [&](const dbf::DbfTable &t, const dbf::DbfRecord &r) {
        if (r.text(t.fieldIndex(u"TYPE")).trimmed() == QLatin1String("1"))
            scheduled[hexId("AT", r.raw(t.fieldIndex(u"FIELD2")))] << hexId("CO", r.raw(t.fieldIndex(u"FIELD1")));
    });
    QList<Row> rows;
    eachRecord(db, "adb", [&](const dbf::DbfTable &t, const dbf::DbfRecord &r) {
        const QString id = hexId("AT", r.raw(t.fieldIndex(u"UNIQUE_ID")));
        const int type = r.value(t.fieldIndex(u"TYPE")).toInt();
        const QVariant count = r.value(t.fieldIndex(u"NUMCONT"));
        const int k = count.isNull() ? 1 : count.toInt();
        if (k == 1)
            rows << Row{id, hexId("CO", r.raw(t.fieldIndex(u"CONTACT_ID"))), type};
        for (int j = 0; k > 1 && j < k; ++j)
            rows << Row{id, scheduled.value(id).value(j), type};
    });
    return rows;
}

} // namespace demo

// A selection made in a column that is not the key: the other table follows the selected rows.
struct LinkCase
{
    const char *what;
    const char *kind;    // the lower table: "Notizen" or "Aufgaben"
    const char *command; // the synchronisation command
    const char *picked;  // what the user selects: "Ort" of the contacts, else the lower table's type column
    const char *value;
    enum Effect
    {
        Zoomed,
        Excluded,
        Marked
    } effect;
    friend void PrintTo(const LinkCase &c, std::ostream *os) { *os << c.what; }
};

class SelectionLinks : public LowerKinds, public ::testing::WithParamInterface<LinkCase>
{
protected:
    // A key for each row of a set (sorted): the contact, the note, or the activity with its contact.
    QStringList keys(InfoZoomObjects set, const records::RecordClassBase &lower, bool contacts, bool onlyMarked) const
    {
        const InfoZoomAttribute id = contacts ? window->Kontakte()->UniqueIDAttribute() : lower.UniqueIDAttribute();
        const bool pairs = !contacts && QString::fromUtf8(GetParam().kind) == QLatin1String("Aufgaben");
        QStringList result;
        set.Reset();
        for (int i = set.Count(); i > 0; --i) {
            const InfoZoomObject row = set.NextObject();
            if (onlyMarked && !(contacts ? upper() : this->lower())->data()->isRowMarked(row.row()))
                continue;
            result << row.Value(id).toString() +
                          (pairs ? QLatin1Char('|') + row.Value(lower.SyncFieldAttribute()).toString() : QString());
        }
        result.sort();
        return result;
    }
    static QStringList minus(QStringList a, const QStringList &b)
    {
        for (const QString &item : b)
            a.removeOne(item);
        return a;
    }
};

TEST_P(SelectionLinks, TheOtherTableFollowsTheSelectedRows)
{
    const LinkCase &c = GetParam();
    const bool notes = QString::fromUtf8(c.kind) == QLatin1String("Notizen");
    records::RecordClassBase &lowerRecord =
        notes ? static_cast<records::RecordClassBase &>(readNotes())
              : readLower<records::clAufgaben>(modHaupt::Aufgaben, modHaupt::Projekt->FOXAufgabe());
    const QList<demo::Row> rows = notes ? demo::notes(singleDb()) : demo::activities(singleDb());
    const bool fromContacts = QString::fromUtf8(c.picked) == QLatin1String("Ort");

    // The destination's rows and those of the selected objects, from the files alone.
    QStringList all;
    QStringList matching;
    QStringList partnerless; // chosen contacts without a row in the lower table
    if (fromContacts) {
        const QStringList chosen = demo::contactsIn(singleDb(), QString::fromUtf8(c.value));
        ASSERT_GE(chosen.size(), 2) << "the demo has too few contacts there";
        partnerless = chosen;
        for (const demo::Row &row : rows) {
            const QString key = row.id + (notes ? QString() : QLatin1Char('|') + row.contact);
            all << key;
            if (chosen.contains(row.contact)) {
                matching << key;
                partnerless.removeAll(row.contact);
            }
        }
    } else {
        const int type = notes ? 100 : 1; // "Notiz", "Treffen"
        all = column(upper()->Objects(), window->Kontakte()->UniqueIDAttribute());
        for (const demo::Row &row : rows)
            if (row.type == type && !row.contact.isEmpty() && !matching.contains(row.contact))
                matching << row.contact;
    }
    all.sort();
    matching.sort();
    partnerless.sort();
    ASSERT_FALSE(matching.isEmpty());
    ASSERT_LT(matching.size(), all.size());

    InfoZoomTable *destination = fromContacts ? lower() : upper();
    const QString column =
        fromContacts ? QStringLiteral("Ort") : (notes ? QStringLiteral("Typ") : QString::fromUtf8("Aktivitätstyp"));
    InfoZoomAttribute picked = attributeNamed(fromContacts ? upper() : lower(), column);
    ASSERT_FALSE(picked.isNull());
    picked.SelectValue(QString::fromUtf8(c.value), true);
    run(c.command);

    const QStringList view = keys(destination->CurrentObjects(), lowerRecord, !fromContacts, false);
    const QStringList marked = keys(destination->Objects(), lowerRecord, !fromContacts, true);
    switch (c.effect) {
    case LinkCase::Zoomed:
        EXPECT_EQ(view, matching);
        EXPECT_TRUE(marked.isEmpty());
        break;
    case LinkCase::Excluded:
        EXPECT_EQ(view, minus(all, matching));
        EXPECT_EQ(marked, matching);
        break;
    case LinkCase::Marked:
        EXPECT_EQ(view, all);
        EXPECT_EQ(marked, matching);
        break;
    }
    if (fromContacts) {
        // The chosen contacts without a row in the lower table are flagged in the contacts' IDs.
        InfoZoomValues values = window->Kontakte()->UniqueIDAttribute().SelectedValues();
        values.Reset();
        QStringList flagged;
        for (int i = values.Count(); i > 0; --i) {
            const InfoZoomValue value = values.NextValue();
            if (value.Marked())
                flagged << value.Value().toString();
        }
        flagged.sort();
        EXPECT_EQ(flagged, partnerless);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ByCityOrType, SelectionLinks,
    ::testing::Values(
        LinkCase{"NotesOfTheBerlinContacts", "Notizen", "mnuZoomExtraData", "Ort", "Berlin", LinkCase::Zoomed},
        LinkCase{"NotesButThoseOfTheBerlinContacts", "Notizen", "mnuZoomOutExtraData", "Ort", "Berlin",
                 LinkCase::Excluded},
        LinkCase{"NotesOfTheBerlinContactsMarked", "Notizen", "mnuMarkExtraData", "Ort", "Berlin", LinkCase::Marked},
        LinkCase{"ContactsOfTheNotesOfTypeNotiz", "Notizen", "mnuZoomContacts", "Typ", "Notiz", LinkCase::Zoomed},
        LinkCase{"ContactsButThoseOfTypeNotiz", "Notizen", "mnuZoomOutContacts", "Typ", "Notiz", LinkCase::Excluded},
        LinkCase{"ActivitiesOfTheBerlinContacts", "Aufgaben", "mnuZoomExtraData", "Ort", "Berlin", LinkCase::Zoomed},
        LinkCase{"ContactsOfTheMeetingsMarked", "Aufgaben", "mnuMarkContacts", "Typ", "Treffen", LinkCase::Marked}),
    [](const ::testing::TestParamInfo<LinkCase> &info) { return std::string(info.param.what); });

TEST_F(LowerKinds, TheACTLookupHoldsTheContactsOfTheSelectedRows)
{
    RunningACTDouble act;
    act.state().database = singleDb();
    run("mnuACTSuche");
    EXPECT_TRUE(act.state().calls.isEmpty()) << "nothing selected: no empty lookup";
    EXPECT_EQ(window->StatusPanel()->text(),
              QStringLiteral("Es ist kein Kontakt ausgewählt: In ACT! wurde keine Suche gebildet."));

    attributeNamed(upper(), QStringLiteral("Ort")).SelectValue(QStringLiteral("Berlin"), true);
    run("mnuACTSuche");
    ASSERT_EQ(act.state().calls.size(), 2);
    const QString ids = act.state().calls.first().mid(int(qstrlen("lookup:")));
    ASSERT_EQ(ids.size() % 12, 0);
    QStringList looked;
    for (int i = 0; i < ids.size(); i += 12)
        looked << ids.mid(i, 12);
    looked.sort();
    QStringList berlin = demo::contactsIn(singleDb(), QStringLiteral("Berlin"), false);
    berlin.sort();
    ASSERT_GE(berlin.size(), 2);
    EXPECT_EQ(looked, berlin);
    EXPECT_EQ(status(), QStringLiteral("Es wurde eine Suche in ACT! gebildet."));
}

// The menus follow each click in a table at once, not one click behind.
TEST_F(LowerKinds, MenusFollowEveryClickInTheNotes)
{
    records::clNotizen &notes = readNotes();
    window->resize(1500, 900);
    window->InfoZoomExtra()->SetFocus();
    QApplication::processEvents();
    TableView *view = window->InfoZoomExtra()->view();
    const auto columnOf = [view](const InfoZoomAttribute &attribute) {
        for (int i = 0; i < view->columnCount(); ++i)
            if (view->columnAttribute(i) == attribute.data())
                return i;
        return -1;
    };
    const int idColumn = columnOf(notes.UniqueIDAttribute());
    const int typeColumn = columnOf(attributeNamed(lower(), QStringLiteral("Typ")));
    ASSERT_GE(idColumn, 0);
    ASSERT_GE(typeColumn, 0);
    const QString idName = notes.UniqueIDAttribute().Name();

    struct Step
    {
        const char *what;
        std::function<void()> act;
        int selected;
        QString attribute;
    };
    const QList<Step> steps{
        {"click on a note's ID",
         [&] { QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cellRect(0, idColumn).center()); }, 1,
         idName},
        {"Ctrl+click on a second note's ID",
         [&] {
             QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier,
                               view->cellRect(1, idColumn).center());
         },
         2, idName},
        {"click on the heading Typ",
         [&] { QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->headerRect(typeColumn).center()); }, 2,
         QStringLiteral("Typ")},
        {"Escape", [&] { QTest::keyClick(view, Qt::Key_Escape); }, 0, QStringLiteral("Typ")},
    };
    for (const Step &step : steps) {
        step.act();
        const int n = lower()->SelectedObjects().Count();
        EXPECT_EQ(n, step.selected) << step.what;
        EXPECT_EQ(enabled("mnuShowNote"), n == 1) << step.what;
        EXPECT_EQ(window->ToolButton(QStringLiteral("btnACTNotiz"))->isEnabled(), n == 1) << step.what;
        EXPECT_EQ(enabled("mnuDeleteNotes"), n >= 1) << step.what;
        EXPECT_EQ(window->Menu(QStringLiteral("mnuCopyAttribute"))->text(),
                  QStringLiteral("Attributwerte &kopieren (%1)").arg(step.attribute))
            << step.what;
    }
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
