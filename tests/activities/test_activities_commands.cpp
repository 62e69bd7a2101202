// The activities' read and re-read commands in the main window over a demo database: the read-anew
// questions, the save question before another kind's table is replaced, the re-read writing the
// descriptor, and the stored table loaded back with the descriptor's values.
#include "mainwindow_project/ProjectCommandFixture.h"

#include "mainwindow/StatusBarPanel.h"
#include "project/clFOX.h"
#include "project/clProjekt.h"
#include "records/RunningACT.h"
#include "records/clAufgaben.h"

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

const QString kQuestion = QStringLiteral("Sollen die Aufgaben neu aus der ACT!-Datenbank eingelesen werden?");

// No ACT! runs for these commands, whatever windows other tests show on the shared display.
class NoRunningACT final : public records::RunningACT
{
public:
    bool ACTgestartet() override { return false; }
    QString ACTDatenbank() override { return QString(); }
    bool CreateContactSearch(const QString &) override { return false; }
    void Zeigen() override {}
};

class ActivitiesCommands : public ProjectCommandFixture
{
protected:
    void SetUp() override
    {
        records::RunningACT::setFactory([] { return std::make_unique<NoRunningACT>(); });
        ProjectCommandFixture::SetUp();
    }
    void TearDown() override
    {
        ProjectCommandFixture::TearDown();
        records::RunningACT::setFactory(nullptr);
    }

    InfoZoomTable *lower() const { return window->InfoZoomExtra()->Table(); }
    QString tag() const { return window->InfoZoomExtra()->Tag(); }
    QString status() const { return window->StatusPanel()->text(); }
    project::clFOX &fox() const { return modHaupt::Projekt->FOXAufgabe(); }
    records::clAufgaben *aufgaben() const { return dynamic_cast<records::clAufgaben *>(modHaupt::Aufgaben.get()); }

    // The activities read anew through the read command's question.
    void readAnew()
    {
        ui.expectMsgBox(MsgIcon::Question, kQuestion, MsgAnswer::Yes);
        run("mnuReadActivities");
    }
};

TEST_F(ActivitiesCommands, NoRecordedFileAsksOnlyTheQuestionAndNoLeavesTheTable)
{
    newProject();
    ui.expectMsgBox(MsgIcon::Question, kQuestion, MsgAnswer::No);
    run("mnuReadActivities");
    EXPECT_EQ(ui.messageTexts(), QStringList{kQuestion});
    EXPECT_EQ(tag(), QString());
    EXPECT_EQ(modHaupt::Aufgaben, nullptr);
}

TEST_F(ActivitiesCommands, YesReadsTheActivitiesAndRecordsThemInTheDescriptor)
{
    savedProject(QStringLiteral("A"));
    ASSERT_FALSE(modHaupt::Projekt->IsChanged());
    readAnew();
    ASSERT_NE(aufgaben(), nullptr);
    EXPECT_EQ(tag(), QStringLiteral("Aufgaben"));
    EXPECT_GT(lower()->Objects().Count(), 0);
    EXPECT_EQ(lower()->StatusText(), QStringLiteral("Fertig."));
    EXPECT_EQ(status(), QStringLiteral("Die Aufgabendaten wurden neu aus der ACT!-Datenbank eingelesen."));
    EXPECT_EQ(fox().Datum(), aufgaben()->DateOfData());
    EXPECT_EQ(fox().SyncFeldName(), QStringLiteral("ACTFieldID|40"));
    EXPECT_EQ(fox().UniqueIDFeldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(fox().Datei(), QString());
    EXPECT_TRUE(modHaupt::Projekt->IsChanged());
    EXPECT_TRUE(enabled("mnuUpdateActivities"));
}

TEST_F(ActivitiesCommands, AMissingStoredFileIsNamedOnTheFirstLineOfTheQuestion)
{
    newProject();
    const QString gone = folder(QStringLiteral("A/Kunden_Aufgaben.fox"));
    fox().setDatei(gone);
    ui.expectMsgBox(MsgIcon::Question,
                    QStringLiteral("Die Projektdatendatei \"%1\"\r\nwurde nicht gefunden.\r\n").arg(gone) + kQuestion,
                    MsgAnswer::No);
    run("mnuReadActivities");
    EXPECT_EQ(ui.messageTexts().size(), 1);
    EXPECT_EQ(tag(), QString());
}

TEST_F(ActivitiesCommands, AnotherKindsTableOfAChangedProjectIsOfferedForSavingFirst)
{
    newProject();
    window->InfoZoomExtra()->setTag(QStringLiteral("Aufträge"));
    ASSERT_TRUE(modHaupt::Projekt->IsChanged());
    ui.expectMsgBox(MsgIcon::Question,
                    QStringLiteral("Sollen zuvor die Änderungen im Projekt \"Kunden\" gespeichert werden?"),
                    MsgAnswer::No);
    ui.expectMsgBox(MsgIcon::Question, kQuestion, MsgAnswer::No);
    run("mnuReadActivities");
    EXPECT_FALSE(modHaupt::Projekt->IsSaved());
}

TEST_F(ActivitiesCommands, NoSaveQuestionOverActivitiesOrAnEmptyTable)
{
    newProject();
    window->InfoZoomExtra()->setTag(QStringLiteral("Aufgaben"));
    ui.expectMsgBox(MsgIcon::Question, kQuestion, MsgAnswer::No);
    run("mnuReadActivities");
    window->InfoZoomExtra()->setTag(QString());
    ui.expectMsgBox(MsgIcon::Question, kQuestion, MsgAnswer::No);
    run("mnuReadActivities");
    EXPECT_EQ(ui.messageTexts(), QStringList(2, kQuestion));
}

TEST_F(ActivitiesCommands, NoSaveQuestionForAnUnchangedProject)
{
    savedProject(QStringLiteral("A"));
    ASSERT_FALSE(modHaupt::Projekt->IsChanged());
    window->InfoZoomExtra()->setTag(QStringLiteral("Aufträge"));
    ui.expectMsgBox(MsgIcon::Question, kQuestion, MsgAnswer::No);
    run("mnuReadActivities");
    EXPECT_EQ(ui.messageTexts(), QStringList{kQuestion});
}

TEST_F(ActivitiesCommands, TheSavedTableLoadsBackWithTheDescriptorsValues)
{
    savedProject(QStringLiteral("A"));
    readAnew();
    const int rows = lower()->Objects().Count();
    lower()->AttributeItem(9).setName(QStringLiteral("Worum es geht"));
    run("mnuSaveProject");
    const QString stored = fox().Datei();
    ASSERT_TRUE(QFile::exists(stored));
    const QDateTime date = fox().Datum();
    ASSERT_TRUE(date.isValid());

    modHaupt::Aufgaben->setCancel(true); // marks the object the read replaces
    run("mnuReadActivities"); // the scripted UI fails on any question: the file is there
    ASSERT_NE(aufgaben(), nullptr);
    EXPECT_FALSE(aufgaben()->Cancel());
    EXPECT_EQ(status(), QStringLiteral("Die Aufgabendaten wurden geladen."));
    EXPECT_EQ(tag(), QStringLiteral("Aufgaben"));
    EXPECT_EQ(lower()->Objects().Count(), rows);
    EXPECT_EQ(lower()->AttributeItem(9).Name(), QStringLiteral("Worum es geht"));
    EXPECT_EQ(aufgaben()->DateOfData(), date);
    EXPECT_EQ(aufgaben()->SyncFieldName(), QStringLiteral("ACTFieldID|40"));
    EXPECT_FALSE(aufgaben()->UniqueIDAttribute().isNull());
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
}

TEST_F(ActivitiesCommands, ARereadOverShownActivitiesKeepsTheUsersNamesAndAddedAttributes)
{
    newProject();
    readAnew();
    lower()->AttributeItem(9).setName(QStringLiteral("Worum es geht"));
    lower()->Attributes().Add(QStringLiteral("Notiz des Nutzers"));
    const int rows = lower()->Objects().Count();
    run("mnuUpdateActivities");
    EXPECT_EQ(lower()->AttributeItem(9).Name(), QStringLiteral("Worum es geht"));
    EXPECT_EQ(lower()->AttributeItem(26).Name(), QStringLiteral("Notiz des Nutzers"));
    EXPECT_EQ(lower()->Objects().Count(), rows);
    EXPECT_EQ(status(), QStringLiteral("Die Aufgabendaten wurden neu aus der ACT!-Datenbank eingelesen."));
}

} // namespace
