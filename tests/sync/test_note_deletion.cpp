// Deletion of the selected notes: the confirmation, the walk that deletes through the notes object
// and removes the rows, counts of refused notes, cancel after the current row, the project's
// changed flag, and a selection changed during the walk.
#include "SyncFixture.h"

#include "actlink/clUniqueIDConverter.h"
#include "mainwindow/NoteDeletion.h"
#include "platform/VbError.h"

#include <QSet>

namespace {

using platform::MsgAnswer;
using platform::MsgIcon;

class NoteDeletionTest : public SyncFixture
{
protected:
    void SetUp() override
    {
        SyncFixture::SetUp();
        fillNotes(QStringLiteral("Notizen"), 6);
        // A project as opened: nothing changed yet.
        modHaupt::Projekt = std::make_unique<project::clProjekt>();
        m_deletion = new mainwindow::NoteDeletion(*window);
    }

    static QString uniqueId(int i) { return QStringLiteral("NOTE%1").arg(i).leftJustified(12); }

    void fillNotes(const QString &kind, int n)
    {
        const actlink::clUniqueIDConverter converter;
        m_noteId = lower()->Attributes().Add(QStringLiteral("Notiz-ID"));
        m_noteId.setImportName(sync_test::kIdKey);
        InfoZoomObjects rows = lower()->Objects();
        for (int i = 1; i <= n; ++i)
            rows.Add().setValue(m_noteId, converter.ToHexID(uniqueId(i), QStringLiteral("NT")));
        window->InfoZoomExtra()->setTag(kind);
    }
    void selectNotes(const QList<int> &notes)
    {
        const actlink::clUniqueIDConverter converter;
        for (int i : notes)
            m_noteId.SelectValue(converter.ToHexID(uniqueId(i), QStringLiteral("NT")), true);
    }
    QStringList remainingNotes() const
    {
        const actlink::clUniqueIDConverter converter;
        QStringList ids;
        for (const QString &hex : column(lower()->Objects(), m_noteId))
            ids << converter.ToUniqueID(hex).trimmed();
        return ids;
    }
    // Deletes every note but the refused ones, recording the IDs it was asked for.
    void run(const QStringList &refused = {})
    {
        m_deletion->DeleteSelectedNotes(m_noteId, [this, refused](const QString &id) {
            m_asked << id;
            if (m_duringDelete)
                m_duringDelete();
            return !refused.contains(id.trimmed());
        });
    }
    bool controlsBack() const
    {
        return window->Toolbar()->isEnabled() && window->Menu(QStringLiteral("mnuDatei"))->isEnabled() &&
               !window->AbbruchPanel()->isVisible();
    }

    mainwindow::NoteDeletion *m_deletion = nullptr;
    InfoZoomAttribute m_noteId;
    QStringList m_asked;
    std::function<void()> m_duringDelete;
};

const QString kQuestion = QStringLiteral("Sind Sie sicher das 3 Notiz(en) unwiderruflich in der ACT!-Datenbank "
                                         "gelöscht werden sollen?");

TEST_F(NoteDeletionTest, ThreeSelectedNotesOfWhichACTRefusesOne)
{
    selectNotes({2, 4, 5});
    ui.expectMsgBox(MsgIcon::Question, kQuestion, MsgAnswer::Yes);
    run({QStringLiteral("NOTE4")});
    EXPECT_EQ(m_asked, (QStringList{uniqueId(2), uniqueId(4), uniqueId(5)}));
    EXPECT_EQ(remainingNotes(), (QStringList{QStringLiteral("NOTE1"), QStringLiteral("NOTE3"), QStringLiteral("NOTE4"),
                                             QStringLiteral("NOTE6")}));
    EXPECT_EQ(status(), QStringLiteral("Es wurden 2 Einträge von 3 gelöscht. (1 Fehler)"));
    EXPECT_TRUE(modHaupt::Projekt->IsChanged());
    EXPECT_EQ(lower()->StatusText(), QString());
    EXPECT_TRUE(controlsBack());
}

TEST_F(NoteDeletionTest, EveryDeletionRefusedLeavesTheProjectUnchanged)
{
    selectNotes({1, 6});
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Sind Sie sicher das 2 Notiz(en)"), MsgAnswer::Yes);
    run({QStringLiteral("NOTE1"), QStringLiteral("NOTE6")});
    EXPECT_EQ(remainingNotes().size(), 6);
    EXPECT_EQ(status(), QStringLiteral("Es wurden 0 Einträge von 2 gelöscht. (2 Fehler)"));
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
}

TEST_F(NoteDeletionTest, NoAnswerDeletesNothingAndKeepsTheStatus)
{
    selectNotes({2, 4, 5});
    window->SetStatusBarText(QStringLiteral("vorher"));
    ui.expectMsgBox(MsgIcon::Question, kQuestion, MsgAnswer::No);
    run();
    EXPECT_TRUE(m_asked.isEmpty());
    EXPECT_EQ(remainingNotes().size(), 6);
    EXPECT_EQ(status(), QStringLiteral("vorher"));
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
}

TEST_F(NoteDeletionTest, NothingSelectedAsksNothing)
{
    run();
    EXPECT_TRUE(m_asked.isEmpty());
    EXPECT_EQ(remainingNotes().size(), 6);
}

TEST_F(NoteDeletionTest, AnotherKindInTheLowerTableEndsAtOnce)
{
    window->InfoZoomExtra()->setTag(QString::fromUtf8("Aufträge"));
    selectNotes({1});
    run();
    EXPECT_TRUE(m_asked.isEmpty());
    EXPECT_EQ(remainingNotes().size(), 6);
}

TEST_F(NoteDeletionTest, ACancelClickStopsAfterTheCurrentNote)
{
    selectNotes({1, 3, 5});
    ui.expectMsgBox(MsgIcon::Question, kQuestion, MsgAnswer::Yes);
    m_duringDelete = [this] {
        if (m_asked.size() == 1)
            clickPanel(window->AbbruchPanel());
    };
    run();
    EXPECT_EQ(m_asked, QStringList{uniqueId(1)});
    EXPECT_EQ(remainingNotes().size(), 5);
    EXPECT_EQ(status(),
              QStringLiteral("Der Löschvorgang wurde abgebrochen. Es wurden 1 Einträge von 3 gelöscht. (0 Fehler)"));
    EXPECT_EQ(lower()->StatusText(), QString());
    EXPECT_TRUE(modHaupt::Projekt->IsChanged());
    EXPECT_TRUE(controlsBack());
}

TEST_F(NoteDeletionTest, ClosingTheWindowStopsAfterTheCurrentNoteAndClosesAfterTheCommand)
{
    selectNotes({1, 3, 5});
    window->AddCommand(QStringLiteral("mnuDeleteNotes"), [this] { run(); });
    int rowsAtShutDown = -1;
    m_duringDelete = [this] {
        if (m_asked.size() == 1)
            window->close();
    };
    ui.expectMsgBox(MsgIcon::Question, kQuestion, MsgAnswer::Yes)
        .expectMsgBox(MsgIcon::Question, QStringLiteral("Sollen zuvor die Änderungen im Projekt"), MsgAnswer::No);
    ui.onDoEvents = [&] {
        if (rowsAtShutDown < 0 && status() == QStringLiteral("Das Programm wird beendet..."))
            rowsAtShutDown = lower()->Objects().Count();
    };
    window->RunMenuCommand(QStringLiteral("mnuDeleteNotes"));
    ui.onDoEvents = nullptr;
    EXPECT_EQ(m_asked, QStringList{uniqueId(1)});
    EXPECT_EQ(rowsAtShutDown, 5);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(modHaupt::Projekt, nullptr);
}

TEST_F(NoteDeletionTest, ASelectionChangedDuringTheWalkReachesNoOtherNote)
{
    selectNotes({1, 2});
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("2 Notiz(en)"), MsgAnswer::Yes);
    m_duringDelete = [this] {
        lower()->ResetSelection();
        selectNotes({3, 4, 5, 6});
    };
    run();
    EXPECT_EQ(m_asked, (QStringList{uniqueId(1), uniqueId(2)}));
    EXPECT_EQ(remainingNotes(), (QStringList{QStringLiteral("NOTE3"), QStringLiteral("NOTE4"), QStringLiteral("NOTE5"),
                                             QStringLiteral("NOTE6")}));
}

TEST_F(NoteDeletionTest, EveryRowIsVisitedOnceAlthoughRowsAreDeleted)
{
    selectNotes({1, 2, 3, 4, 5, 6});
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("6 Notiz(en)"), MsgAnswer::Yes);
    run();
    EXPECT_EQ(m_asked.size(), 6);
    EXPECT_EQ(QSet<QString>(m_asked.begin(), m_asked.end()).size(), 6);
    EXPECT_TRUE(remainingNotes().isEmpty());
    EXPECT_EQ(status(), QStringLiteral("Es wurden 6 Einträge von 6 gelöscht. (0 Fehler)"));
}

// Following each deleted row would rebuild the view per note, at a cost that grows with the table:
// the view catches up when the walk ends, and the closing refresh repaints it.
TEST_F(NoteDeletionTest, TheViewFollowsTheWalkOnceAtItsEnd)
{
    selectNotes({1, 2, 3, 4, 5});
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("5 Notiz(en)"), MsgAnswer::Yes);
    QCoreApplication::processEvents(); // the view follows the selection first
    int updates = 0;
    QObject::connect(lower(), &InfoZoomTable::contentChanged, [&updates] { ++updates; });
    run();
    EXPECT_EQ(updates, 2);
    EXPECT_EQ(column(lower()->CurrentObjects(), m_noteId).size(), 1);
}

TEST_F(NoteDeletionTest, AnErrorOfACTKeepsWhatWasDeletedKnownToTheProject)
{
    selectNotes({1, 2});
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("2 Notiz(en)"), MsgAnswer::Yes);
    m_duringDelete = [this] {
        if (m_asked.size() == 2)
            throw platform::VbError(-2147418113, QStringLiteral("ACT! antwortet nicht"));
    };
    EXPECT_THROW(run(), platform::VbError);
    EXPECT_EQ(remainingNotes().size(), 5);
    EXPECT_TRUE(modHaupt::Projekt->IsChanged());
    EXPECT_TRUE(controlsBack());
}

TEST_F(NoteDeletionTest, AMissingIdAttributeStopsBeforeTheQuestion)
{
    selectNotes({1});
    EXPECT_THROW(m_deletion->DeleteSelectedNotes(InfoZoomAttribute(), [](const QString &) { return true; }),
                 platform::VbError);
    EXPECT_EQ(remainingNotes().size(), 6);
}

} // namespace
