// Showing a note in the running ACT! (its refusals, the contact lookup, the group note) and deleting
// a note in the ACT! database.
#include "LowerTableFixture.h"
#include "RunningACTDouble.h"

#include "actlink/clUniqueIDConverter.h"
#include "records/clNotizen.h"

using namespace records;
using actserver::ActDemoRow;
using actserver::ActTableKind;
using platform::MsgIcon;

namespace {

class ShowNote : public LowerTableFixture
{
protected:
    void SetUp() override
    {
        LowerTableFixture::SetUp();
        m_notes.Init(&m_control, &m_status, open(sharedPath()));
        m_notes.SetACTFields();
    }
    QString hex(const QString &id, const QString &type) const { return m_converter.ToHexID(id, type); }

    RunningACTDouble m_act;
    clNotizen m_notes;
    actlink::clUniqueIDConverter m_converter;
};

TEST_F(ShowNote, ShowsTheNoteOfTheContactAndBringsACTForward)
{
    EXPECT_TRUE(m_notes.ShowNote(hex(QStringLiteral("NOTE00000001"), QStringLiteral("NT")),
                                 hex(QStringLiteral("K1"), QStringLiteral("CO"))));
    EXPECT_EQ(m_act.state().calls,
              (QStringList{QStringLiteral("lookup:K1          "), QStringLiteral("note:NOTE00000001"), "front"}));
    EXPECT_EQ(m_statusTexts,
              (QStringList{"Suche laufende ACT!-Anwendung...", "Suche Kontakt...", "Suche Notiz...", ""}));
    EXPECT_EQ(m_ui.records().size(), 0);
}

TEST_F(ShowNote, AGroupNoteLooksUpAnEmptyContactID)
{
    m_notes.ShowNote(hex(QStringLiteral("N1"), QStringLiteral("NT")), QStringLiteral("Gruppennotiz"));
    ASSERT_FALSE(m_act.state().calls.isEmpty());
    EXPECT_EQ(m_act.state().calls.first(), QStringLiteral("lookup:"));
}

TEST_F(ShowNote, WithoutARunningACTTheUserIsAskedToStartIt)
{
    m_act.state().running = false;
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Bitte starten Sie zuvor ACT!."));
    EXPECT_FALSE(m_notes.ShowNote(hex(QStringLiteral("N1"), QStringLiteral("NT")), hex("K1", "CO")));
    EXPECT_TRUE(m_act.state().calls.isEmpty());
    EXPECT_EQ(table().StatusText(), QString());
}

TEST_F(ShowNote, WithoutADatabaseOpenInACTTheUserIsAskedToOpenIt)
{
    m_act.state().database.clear();
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Bitte öffnen Sie zuvor die ACT!-Datenbank."));
    EXPECT_FALSE(m_notes.ShowNote(hex(QStringLiteral("N1"), QStringLiteral("NT")), hex("K1", "CO")));
    EXPECT_TRUE(m_act.state().calls.isEmpty());
    EXPECT_EQ(table().StatusText(), QString());
}

TEST_F(ShowNote, ASalesIDIsRefusedSilentlyAndTheStatusLineCleared)
{
    EXPECT_FALSE(m_notes.ShowNote(hex(QStringLiteral("S1"), QStringLiteral("SL")), hex("K1", "CO")));
    EXPECT_TRUE(m_act.state().calls.isEmpty());
    EXPECT_EQ(m_ui.records().size(), 0);
    EXPECT_EQ(table().StatusText(), QString());
}

TEST_F(ShowNote, AFailedLookupOrANoteACTDoesNotFindGivesFalseWithoutAMessage)
{
    m_act.state().lookupSucceeds = false;
    EXPECT_FALSE(m_notes.ShowNote(hex(QStringLiteral("N1"), QStringLiteral("NT")), hex("K1", "CO")));
    EXPECT_EQ(m_act.state().calls, QStringList{QStringLiteral("lookup:K1          ")});

    m_act.state().calls.clear();
    m_act.state().lookupSucceeds = true;
    m_act.state().recordFound = false;
    EXPECT_FALSE(m_notes.ShowNote(hex(QStringLiteral("N1"), QStringLiteral("NT")), hex("K1", "CO")));
    EXPECT_FALSE(m_act.state().calls.contains(QStringLiteral("front")));
    EXPECT_EQ(m_ui.records().size(), 0);
    EXPECT_EQ(table().StatusText(), QString());
}

class DeleteNote : public LowerTableFixture
{
protected:
    long noteCount(const QString &path) { return open(path)->NoteHistory()->RecordCount(); }
};

TEST_F(DeleteNote, DeletesTheNoteInTheDatabaseAndOnlyThatOne)
{
    const QString path = freshCopy();
    rewriteTable(path, ActTableKind::Notes, 3, [](int i, ActDemoRow &row) {
        row.set(1, QStringLiteral("N%1").arg(i + 1));
        row.set(26, QStringLiteral("Notiz %1").arg(i + 1));
    });
    clNotizen notes;
    notes.Init(&m_control, &m_status, open(path));
    EXPECT_TRUE(notes.DeleteNote(QStringLiteral("N2          ")));
    EXPECT_EQ(noteCount(path), 2);
    notes.SetACTFields();
    notes.ShowData();
    EXPECT_EQ(column("Text"), (QStringList{"Notiz 1", "Notiz 3"}));
    EXPECT_EQ(m_ui.records().size(), 0);
}

TEST_F(DeleteNote, AnIDThatIsNotFoundDeletesNothing)
{
    const QString path = freshCopy();
    const long before = noteCount(path);
    clNotizen notes;
    notes.Init(&m_control, &m_status, open(path));
    // A cancelled read leaves the table's cursor on a live note; a failed look-up must not delete it.
    onStatus = [&notes](const QString &text) {
        if (text.startsWith(QStringLiteral("Übertrage Notizdaten... (1/")))
            notes.setCancel(true);
    };
    notes.SetACTFields();
    notes.ShowData();
    ASSERT_EQ(table().Objects().Count(), 53);
    EXPECT_FALSE(notes.DeleteNote(QStringLiteral("GIBTESNICHT")));
    EXPECT_EQ(noteCount(path), before);
}

TEST_F(DeleteNote, ANoteDeletedTwiceFailsTheSecondTime)
{
    const QString path = freshCopy();
    const long before = noteCount(path);
    std::shared_ptr<actserver::ACTDatabaseObject> db = open(path);
    std::shared_ptr<actserver::ACTTable> raw = db->NoteHistory();
    raw->RecordCount();
    raw->MoveFirst();
    const QString first = raw->Data(1);

    clNotizen notes;
    notes.Init(&m_control, &m_status, db);
    EXPECT_TRUE(notes.DeleteNote(first));
    EXPECT_FALSE(notes.DeleteNote(first));
    EXPECT_EQ(noteCount(path), before - 1);
}

} // namespace
