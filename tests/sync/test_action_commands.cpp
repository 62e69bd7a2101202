// The ACT! actions on the selection: the row a display command takes, its frame of texts and
// controls, and the contact lookup over a demo database with a stand-in for the running ACT!.
#include "SyncFixture.h"

#include "mainwindow/ActionCommands.h"
#include "mainwindow_project/ProjectCommandFixture.h"
#include "records/RunningACT.h"

namespace {

using mainwindow::ActionCommands;
using sync_test::contactId;

class LowerRecord final : public records::RecordClassBase
{
public:
    LowerRecord() : RecordClassBase(records::TableKind::Notizen) {}
    void Init(InfoZoomControl *control) { keepControl(control, nullptr); }
};

const ActionCommands::Texts kTexts{QStringLiteral("Es wird die ausgewählte Notiz in ACT! angezeigt..."),
                                   QStringLiteral("Die Notiz wurde in ACT! angezeigt."),
                                   QStringLiteral("Die Notiz konnte nicht in ACT! angezeigt werden."),
                                   QStringLiteral("Es ist keine einzelne Notiz ausgewählt.")};

class DisplayCommands : public SyncFixture
{
protected:
    void SetUp() override
    {
        SyncFixture::SetUp();
        m_record.Init(window->InfoZoomExtra());
        fillLower(QStringLiteral("Notizen"), {3, 4, 4, 8});
        m_record.setUniqueIDFieldName(sync_test::kIdKey);
        m_record.setSyncFieldName(sync_test::kContactKey);
        m_actions = window->findChild<ActionCommands *>();
        ASSERT_NE(m_actions, nullptr);
    }

    // Runs the display frame; the show step records its arguments, the status text and whether the
    // controls were disabled while it ran.
    void display(bool result = true, const records::RecordClassBase *record = nullptr)
    {
        m_actions->RunDisplay(record ? record : &m_record, kTexts, [&](const QString &id, const QString &relation) {
            m_shown << id + QLatin1Char('/') + relation;
            m_statusDuringShow = status();
            m_enabledDuringShow = controlsEnabled();
            return result;
        });
    }
    QString noteId(int n) const { return QStringLiteral("NT%1").arg(n, 24, 10, QLatin1Char('0')); }

    LowerRecord m_record;
    ActionCommands *m_actions = nullptr;
    QStringList m_shown;
    QString m_statusDuringShow;
    bool m_enabledDuringShow = true;
};

TEST_F(DisplayCommands, TheOneSelectedRowIsShownWithItsIdAndContact)
{
    select(m_lowerId, {noteId(2)});
    display();
    EXPECT_EQ(m_shown, QStringList{noteId(2) + QLatin1Char('/') + contactId(4)});
    EXPECT_EQ(m_statusDuringShow, kTexts.start);
    EXPECT_FALSE(m_enabledDuringShow);
    EXPECT_EQ(status(), kTexts.success);
    EXPECT_TRUE(controlsEnabled());
}

TEST_F(DisplayCommands, AFailedDisplayShowsTheFailureText)
{
    select(m_lowerId, {noteId(1)});
    display(false);
    EXPECT_EQ(status(), kTexts.failure);
    EXPECT_TRUE(controlsEnabled());
}

TEST_F(DisplayCommands, WithoutASelectionTheOneRowOfTheViewIsTaken)
{
    select(m_lowerId, {noteId(4)});
    lower()->Zoom();
    ASSERT_EQ(lower()->SelectedObjects().Count(), 0);
    display();
    EXPECT_EQ(m_shown, QStringList{noteId(4) + QLatin1Char('/') + contactId(8)});
}

TEST_F(DisplayCommands, TwoSelectedRowsInALargerViewDoNothingAndSaySo)
{
    select(m_sync, {contactId(4)});
    display();
    EXPECT_TRUE(m_shown.isEmpty());
    EXPECT_EQ(status(), kTexts.nothing);
    EXPECT_TRUE(controlsEnabled());
}

TEST_F(DisplayCommands, TwoSelectedRowsOfWhichTheViewHoldsOneShowThatRow)
{
    select(m_lowerId, {noteId(3)});
    lower()->Zoom();
    // The selection reaches a second row outside the view; the view's one row is the candidate.
    select(m_sync, {contactId(4)});
    display();
    EXPECT_EQ(m_shown, QStringList{noteId(3) + QLatin1Char('/') + contactId(4)});
}

// An activity shows as one row per contact, all with its ID.
TEST_F(DisplayCommands, OneSelectedIdOfSeveralRowsIsOneRecordWhereTheCommandAllowsIt)
{
    InfoZoomObjects rows = lower()->Objects();
    rows.Reset();
    rows.NextObject();
    rows.NextObject();
    // Rows 2 to 4 become one record, with the contacts 4, 4 and 8.
    rows.NextObject().setValue(m_lowerId, noteId(2));
    rows.NextObject().setValue(m_lowerId, noteId(2));
    select(m_lowerId, {noteId(2)});
    ASSERT_EQ(lower()->SelectedObjects().Count(), 3);
    display();
    EXPECT_TRUE(m_shown.isEmpty());

    m_actions->RunDisplay(
        &m_record, kTexts,
        [&](const QString &id, const QString &relation) {
            m_shown << id + QLatin1Char('/') + relation;
            return true;
        },
        true);
    EXPECT_EQ(m_shown, QStringList{noteId(2) + QLatin1Char('/') + contactId(4)});
    EXPECT_EQ(status(), kTexts.success);

    // Two IDs selected: no single record, nothing shown.
    m_shown.clear();
    select(m_lowerId, {noteId(1)});
    m_actions->RunDisplay(
        &m_record, kTexts,
        [&](const QString &, const QString &) {
            m_shown << QStringLiteral("called");
            return true;
        },
        true);
    EXPECT_TRUE(m_shown.isEmpty());
}

TEST_F(DisplayCommands, ARowWithoutItsIdAttributeNamesNoRecord)
{
    select(m_lowerId, {noteId(1)});
    m_record.setUniqueIDFieldName(QStringLiteral("ACTFieldID|404"));
    display();
    EXPECT_TRUE(m_shown.isEmpty());
    EXPECT_EQ(status(), kTexts.failure);
    EXPECT_TRUE(controlsEnabled());
}

TEST_F(DisplayCommands, ALookupWithoutContactsObjectFails)
{
    modHaupt::Kontakte.reset();
    select(m_name, {QStringLiteral("Firma 4")});
    window->RunMenuCommand(QStringLiteral("mnuACTSuche"));
    EXPECT_EQ(status(), QStringLiteral("Es konnte keine Suche in ACT! erstellt werden."));
    EXPECT_TRUE(controlsEnabled());
}

// A running ACT! that has the given database open and records the lookups asked of it.
class StandInACT final : public records::RunningACT
{
public:
    static QString database;
    static QStringList lookups;
    bool ACTgestartet() override { return true; }
    QString ACTDatenbank() override { return database; }
    bool CreateContactSearch(const QString &ids) override
    {
        lookups << ids;
        return true;
    }
    void Zeigen() override {}
};
QString StandInACT::database;
QStringList StandInACT::lookups;

class ContactLookup : public ProjectCommandFixture
{
protected:
    void SetUp() override
    {
        ProjectCommandFixture::SetUp();
        StandInACT::database = singleDb();
        StandInACT::lookups.clear();
    }
    void TearDown() override
    {
        records::RunningACT::setFactory({});
        ProjectCommandFixture::TearDown();
    }
};

TEST_F(ContactLookup, TheSelectedContactsBecomeTheLookupInACT)
{
    newProject();
    // ACT! comes up once the project is there (a running one would be offered for the new project).
    records::RunningACT::setFactory([] { return std::make_unique<StandInACT>(); });
    InfoZoomAttribute id = window->Kontakte()->UniqueIDAttribute();
    ASSERT_FALSE(id.isNull());
    InfoZoomObjects rows = window->InfoZoomKontakt()->Table()->Objects();
    rows.Reset();
    const QString first = rows.NextObject().Value(id).toString();
    const QString second = rows.NextObject().Value(id).toString();
    id.SelectValue(first, true);
    id.SelectValue(second, true);
    window->Toolbar_ButtonClick(QStringLiteral("btnACTSuche"));
    ASSERT_EQ(StandInACT::lookups.size(), 1);
    EXPECT_EQ(StandInACT::lookups.first().size(), 24);
    EXPECT_EQ(window->StatusPanel()->text(), QStringLiteral("Es wurde eine Suche in ACT! gebildet."));
    EXPECT_TRUE(window->Toolbar()->isEnabled());
}

} // namespace
