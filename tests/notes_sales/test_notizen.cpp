// The notes record class reading a demo database: the seven attributes, the value rules (note
// types, first line, group notes, users, empty dates), the re-read over an existing table, cancel
// and bad records, the field set-up without a database, and reloading a stored table.
#include "LowerTableFixture.h"

#include "actlink/clUniqueIDConverter.h"
#include "records/clNotizen.h"

#include <QSet>

using namespace records;
using actserver::ActDemoRow;
using actserver::ActTableKind;
using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

const QString kAbort = QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle Notizdaten eingelesen!");
const QStringList kLabels = {"Eindeutige ID", "Datum", "Typ", "Text", "Datensatz-Manager", "Anlage", "Kontakt-ID"};

class Notizen : public LowerTableFixture
{
protected:
    // Reads the notes of the database at path into the table with a new notes object.
    void read(const QString &path)
    {
        m_db = open(path);
        m_notes = std::make_unique<clNotizen>();
        ASSERT_TRUE(m_notes->Init(&m_control, &m_status, m_db));
        m_notes->SetACTFields();
        m_notes->ShowData();
    }
    // A copy of the demo database whose notes are count numbered records with a text and a contact.
    QString numberedNotes(int count)
    {
        const QString path = freshCopy();
        rewriteTable(path, ActTableKind::Notes, count, [](int i, ActDemoRow &row) {
            row.set(1, QStringLiteral("N%1").arg(i + 1));
            row.set(25, 100);
            row.set(26, QStringLiteral("Notiz %1").arg(i + 1));
            row.set(29, QStringLiteral("C%1").arg(i + 1));
        });
        return path;
    }

    std::shared_ptr<actserver::ACTDatabaseObject> m_db;
    std::unique_ptr<clNotizen> m_notes;
    actlink::clUniqueIDConverter m_converter;
};

TEST_F(Notizen, TheDemoNotesGiveOneRowPerNoteInTheSevenAttributes)
{
    read(sharedPath());
    EXPECT_EQ(attributeNames(), kLabels);
    EXPECT_EQ(importNames(), (QStringList{"ACTFieldID|1", "ACTFieldID|27", "ACTFieldID|25", "ACTFieldID|26",
                                          "ACTFieldID|6", "ACTFieldID|28", "ACTFieldID|29"}));
    EXPECT_EQ(attribute("Datum").Format(), QStringLiteral("tt.mm.jjjj ss:mm:ss"));
    EXPECT_EQ(attribute("Typ").Format(), QString());
    EXPECT_EQ(m_notes->UniqueIDFieldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(m_notes->SyncFieldName(), QStringLiteral("ACTFieldID|29"));
    EXPECT_EQ(m_notes->UniqueIDAttribute(), attribute("Eindeutige ID"));
    EXPECT_EQ(m_notes->SyncFieldAttribute(), attribute("Kontakt-ID"));
    ASSERT_EQ(table().Objects().Count(), 300);
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Notizen"));
    EXPECT_EQ(table().StatusText(), QStringLiteral("Fertig."));
    EXPECT_TRUE(m_control.DisplayEnabled());

    // Each note's own ID comes back from its HexID; group notes carry the group-note text.
    const QStringList ids = column("Eindeutige ID");
    EXPECT_EQ(QSet<QString>(ids.begin(), ids.end()).size(), 300);
    std::shared_ptr<actserver::ACTTable> notes = m_db->NoteHistory();
    notes->RecordCount();
    notes->MoveFirst();
    QStringList raw;
    const QStringList contacts = column("Kontakt-ID");
    const QStringList texts = column("Text");
    int groupNotes = 0;
    bool multiLine = false;
    for (int r = 0; r < 300; ++r) {
        notes->GetDataEx({1, 29, 26}, raw);
        EXPECT_EQ(m_converter.GetIDTyp(ids.at(r)), QStringLiteral("NT"));
        EXPECT_EQ(m_converter.ToUniqueID(ids.at(r)), raw.at(0).leftJustified(12));
        if (raw.at(1).trimmed().isEmpty()) {
            ++groupNotes;
            EXPECT_EQ(contacts.at(r), QStringLiteral("Gruppennotiz"));
        } else {
            EXPECT_EQ(m_converter.ToUniqueID(contacts.at(r)), raw.at(1).leftJustified(12));
        }
        multiLine = multiLine || raw.at(2).contains(QLatin1String("\r\n"));
        EXPECT_FALSE(texts.at(r).contains(QLatin1Char('\n'))) << "row " << r;
        notes->MoveNext();
    }
    EXPECT_GT(groupNotes, 0);
    EXPECT_TRUE(multiLine);
    const QStringList users = column("Datensatz-Manager");
    EXPECT_EQ(
        QSet<QString>(users.begin(), users.end()),
        (QSet<QString>{QStringLiteral("Anna Schäfer"), QStringLiteral("Jörg Müller"), QStringLiteral("Petra Weiß")}));
}

TEST_F(Notizen, AnEmptyNotesTableGivesTheAttributesNoRowsFertigTheTagAndTheReadTime)
{
    const QString path = freshCopy();
    rewriteTable(path, ActTableKind::Notes, 0, [](int, ActDemoRow &) {});
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    read(path);
    EXPECT_EQ(attributeNames(), kLabels);
    EXPECT_EQ(table().Objects().Count(), 0);
    EXPECT_EQ(table().StatusText(), QStringLiteral("Fertig."));
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Notizen"));
    EXPECT_GE(m_notes->DateOfData(), before);
    EXPECT_LE(m_notes->DateOfData(), QDateTime::currentDateTime());
    EXPECT_TRUE(m_statusTexts.contains(QStringLiteral("Erstelle Attribute (71%)")));
}

TEST_F(Notizen, TypeCodesShowTheirNamesAndCodesWithoutOneShowUnbekannt)
{
    const QString path = freshCopy();
    const QVariantList codes = {7, 52, 200, 100, 0, 58, 102, 17, 999, QVariant()};
    rewriteTable(path, ActTableKind::Notes, int(codes.size()), [&](int i, ActDemoRow &row) {
        row.set(1, QStringLiteral("T%1").arg(i));
        if (!codes.at(i).isNull())
            row.set(25, codes.at(i));
    });
    read(path);
    EXPECT_EQ(column("Typ"),
              (QStringList{"Besprechung nich abgehalten", "Unbekannt", "Unbekannt", "Notiz", "Anruf versucht",
                           "Auftrag verloren", "E-Mail", "Anruf Nachricht hinterlegt", "Unbekannt", "Unbekannt"}));
}

TEST_F(Notizen, TheTextShowsItsFirstLineOnly)
{
    const QString path = freshCopy();
    const QStringList texts = {"Erste Zeile\r\nZweite Zeile", "\r\nNach dem Umbruch", "", "Ohne Umbruch",
                               "Oben\r\n\r\nUnten"};
    rewriteTable(path, ActTableKind::Notes, int(texts.size()), [&](int i, ActDemoRow &row) {
        row.set(1, QStringLiteral("T%1").arg(i));
        row.set(26, texts.at(i));
    });
    read(path);
    EXPECT_EQ(column("Text"), (QStringList{"Erste Zeile", "", "", "Ohne Umbruch", "Oben"}));
}

TEST_F(Notizen, BlankContactsAreGroupNotesUnknownUsersUnbekanntEmptyDates1980)
{
    const QString path = freshCopy();
    const QString secondUser = open(path)->Users().UniqueID(2);
    rewriteTable(path, ActTableKind::Notes, 3, [&](int i, ActDemoRow &row) {
        row.set(1, QStringLiteral("T%1").arg(i));
        if (i == 0) {
            row.set(29, QStringLiteral("ABC"));
            row.set(6, secondUser);
            row.setDateTime(27, QDateTime(QDate(2024, 5, 17), QTime(14, 5, 9)));
            row.set(28, QStringLiteral("Angebot.pdf"));
        } else {
            row.set(29, i == 1 ? QString() : QStringLiteral("   "));
            row.set(6, i == 1 ? QStringLiteral("KEINER") : QString());
        }
    });
    read(path);
    EXPECT_EQ(column("Kontakt-ID"), (QStringList{"CO414243202020202020202020", "Gruppennotiz", "Gruppennotiz"}));
    EXPECT_EQ(column("Datensatz-Manager"), (QStringList{"Jörg Müller", "Unbekannt", "Unbekannt"}));
    EXPECT_EQ(column("Datum"), (QStringList{"17.05.2024 14:05:09", "01.01.1980 00:00:00", "01.01.1980 00:00:00"}));
    EXPECT_EQ(column("Anlage"), (QStringList{"Angebot.pdf", "", ""}));
    EXPECT_EQ(column("Eindeutige ID").first(), QStringLiteral("NT543020202020202020202020"));
}

TEST_F(Notizen, AReReadReusesRenamedAttributesAndRecreatesADeletedOneAtTheEnd)
{
    read(numberedNotes(3));
    attribute("Typ").setName(QStringLiteral("Notizart"));
    attribute("Datum").setFormat(QStringLiteral("tt.mm.jj"));
    table().DeleteAttribute(attribute("Anlage"), true, true);
    table().Attributes().Add(QStringLiteral("Eigenes"));

    read(numberedNotes(5));
    EXPECT_EQ(attributeNames(), (QStringList{"Eindeutige ID", "Datum", "Notizart", "Text", "Datensatz-Manager",
                                             "Kontakt-ID", "Eigenes", "Anlage"}));
    EXPECT_EQ(attribute("Datum").Format(), QStringLiteral("tt.mm.jjjj ss:mm:ss"));
    EXPECT_EQ(attribute("Anlage").ImportName(), QStringLiteral("ACTFieldID|28"));
    EXPECT_EQ(table().Objects().Count(), 5);
    EXPECT_EQ(column("Notizart").last(), QStringLiteral("Notiz"));
    EXPECT_EQ(column("Text").last(), QStringLiteral("Notiz 5"));
}

TEST_F(Notizen, ACancelClickEndsTheReadAfterRecord53)
{
    const QString path = numberedNotes(200);
    onStatus = [this](const QString &text) {
        if (text == QStringLiteral("Übertrage Notizdaten... (1/200)"))
            m_notes->setCancel(true);
    };
    read(path);
    EXPECT_EQ(table().Objects().Count(), 53);
    EXPECT_EQ(table().StatusText(), kAbort);
    EXPECT_FALSE(m_statusTexts.contains(QStringLiteral("Übertrage Notizdaten... (53/200)")));
    EXPECT_TRUE(m_control.DisplayEnabled());
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Notizen"));
}

TEST_F(Notizen, ACancelIsSeenAfterASkippedRecordToo)
{
    const QString path = numberedNotes(200);
    damageMemo(path, ActTableKind::Notes, 52, "TEXT");
    m_ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Lfd. Datensatznummer: 53\r\n"), MsgAnswer::Yes);
    onStatus = [this](const QString &text) {
        if (text == QStringLiteral("Übertrage Notizdaten... (1/200)"))
            m_notes->setCancel(true);
    };
    read(path);
    EXPECT_EQ(table().Objects().Count(), 52);
    EXPECT_EQ(table().StatusText(), kAbort);
}

TEST_F(Notizen, AFailingRecord106AnsweredYesIsSkippedAndItsProgressTextStillComes)
{
    const QString path = numberedNotes(200);
    damageMemo(path, ActTableKind::Notes, 105, "TEXT");
    m_ui.expectMsgBox(MsgIcon::Question,
                      QStringLiteral("Es ist ein Fehler beim Einlesen eines ACT!-Datensatzes aufgetreten.\r\n"),
                      MsgAnswer::Yes);
    read(path);
    EXPECT_EQ(m_ui.records().first().text.section(QStringLiteral("\r\n"), 3, 3),
              QStringLiteral("Lfd. Datensatznummer: 106"));
    EXPECT_EQ(table().Objects().Count(), 199);
    EXPECT_FALSE(column("Text").contains(QStringLiteral("Notiz 106")));
    EXPECT_TRUE(m_statusTexts.contains(QStringLiteral("Übertrage Notizdaten... (106/200)")));
    EXPECT_TRUE(m_statusTexts.contains(QStringLiteral("Übertrage Notizdaten... (159/200)")));
    EXPECT_EQ(table().StatusText(), QStringLiteral("Fertig."));
}

TEST_F(Notizen, NoToTheBadRecordQuestionEndsTheReadWithTheAbortText)
{
    const QString path = numberedNotes(20);
    damageMemo(path, ActTableKind::Notes, 9, "TEXT");
    m_ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Lfd. Datensatznummer: 10\r\n"), MsgAnswer::No);
    read(path);
    EXPECT_EQ(table().Objects().Count(), 9);
    EXPECT_EQ(table().StatusText(), kAbort);
}

TEST_F(Notizen, WithoutADatabaseTheFieldSetUpOnlyTellsAndTheReadDoesNothing)
{
    clNotizen notes;
    EXPECT_TRUE(notes.Init(&m_control, &m_status, nullptr));
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Es ist keine ACT!-Datenbank geöffnet."));
    notes.SetACTFields();
    notes.ShowData();
    EXPECT_EQ(notes.FieldCount(), 0);
    EXPECT_EQ(table().AttributeList().Count(), 0);
    EXPECT_EQ(m_control.Tag(), QString());
    EXPECT_FALSE(notes.DeleteNote(QStringLiteral("N1")));
}

TEST_F(Notizen, LoadDataReloadsAStoredTableAndLeavesDateAndNamesToTheCaller)
{
    read(numberedNotes(4));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Projekt_Notizen.fox"));
    table().SaveFile(file);

    InfoZoomControl other;
    clNotizen loaded;
    loaded.Init(&other, &m_status, m_db);
    loaded.SetACTFields();
    loaded.LoadData(file);
    EXPECT_EQ(other.Tag(), QStringLiteral("Notizen"));
    EXPECT_EQ(other.Table()->Objects().Count(), 4);
    EXPECT_EQ(other.Table()->StatusText(), QStringLiteral("Fertig."));
    EXPECT_TRUE(other.Table()->DisplayOptionA());
    EXPECT_FALSE(loaded.DateOfData().isValid());
    EXPECT_EQ(loaded.UniqueIDFieldName(), QString());
    EXPECT_TRUE(loaded.UniqueIDAttribute().isNull());
    loaded.setUniqueIDFieldName(QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(loaded.UniqueIDAttribute().Name(), QStringLiteral("Eindeutige ID"));
}

} // namespace
