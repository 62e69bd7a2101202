// The read and re-read frame of the lower table's kinds, driven with a record class whose steps
// are recorded: questions, the order of the steps, the descriptor write-back and the status texts.
#include "MainWindowFixture.h"

#include "mainwindow/LowerTableCommands.h"
#include "project/clFOX.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

using mainwindow::LowerKind;
using mainwindow::LowerTableCommands;
using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

class StepRecord final : public records::RecordClassBase
{
public:
    StepRecord() : RecordClassBase(records::TableKind::Aufgaben) {}
};

class LowerTableCommandsTest : public MainWindowFixture
{
protected:
    QStringList steps;
    bool initResult = true;
    bool setUpResult = true;
    bool loadThrows = false;
    int saves = 0;
    QTemporaryDir dir;

    void SetUp() override
    {
        MainWindowFixture::SetUp();
        load();
        window->AddCommand(QStringLiteral("mnuSaveProject"), [this] { ++saves; });
        window->AddCommand(QStringLiteral("mnuTestReread"), [this] {
            steps << QStringLiteral("reread with tag '%1'").arg(window->InfoZoomExtra()->Tag());
        });
    }
    void TearDown() override
    {
        modHaupt::Aufgaben.reset();
        MainWindowFixture::TearDown();
    }

    LowerKind kind()
    {
        LowerKind k;
        k.tag = QStringLiteral("Aufgaben");
        k.loadingText = QStringLiteral("lädt");
        k.loadedText = QStringLiteral("geladen");
        k.loadFailedText = QStringLiteral("nicht geladen");
        k.readAnewQuestion = QStringLiteral("Neu einlesen?");
        k.readAnewQuestionMissing = QStringLiteral("Einlesen?");
        k.rereadCommand = QStringLiteral("mnuTestReread");
        k.rereadStartText = QStringLiteral("liest");
        k.rereadDoneText = QStringLiteral("gelesen");
        k.rereadFailedText = QStringLiteral("nicht gelesen");
        k.variable = &modHaupt::Aufgaben;
        k.descriptor = [] () -> project::clFOX & { return modHaupt::Projekt->FOXAufgabe(); };
        k.create = [this] {
            steps << QStringLiteral("create");
            return std::make_unique<StepRecord>();
        };
        k.init = [this](records::RecordClassBase &) {
            steps << QStringLiteral("init");
            return initResult;
        };
        k.setUpFields = [this](records::RecordClassBase &) {
            steps << QStringLiteral("fields, menus %1").arg(menusEnabled() ? "on" : "off");
            return setUpResult;
        };
        k.showData = [this](records::RecordClassBase &record) {
            steps << QStringLiteral("show");
            record.setDateOfData(QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)));
            record.setSyncFieldName(QStringLiteral("ACTFieldID|2"));
            record.setUniqueIDFieldName(QStringLiteral("ACTFieldID|1"));
        };
        k.loadData = [this](records::RecordClassBase &, const QString &file) {
            steps << QStringLiteral("load %1").arg(QFileInfo(file).fileName());
            if (loadThrows)
                throw platform::VbError(-1, QStringLiteral("Die Datei ist beschädigt."));
        };
        return k;
    }

    bool menusEnabled() const { return window->Menu(QStringLiteral("mnuDatei"))->isEnabled(); }
    QString status() const { return window->StatusPanel()->text(); }

    QString storedFile()
    {
        const QString path = dir.filePath(QStringLiteral("Aufgaben.fox"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
        return path;
    }
};

TEST_F(LowerTableCommandsTest, NoRecordedFileAsksOnlyTheKindsQuestionAndNoLeavesTheTable)
{
    window->InfoZoomExtra()->setTag(QStringLiteral("Aufgaben"));
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Neu einlesen?"), MsgAnswer::No);
    LowerTableCommands::Read(*window, kind());
    EXPECT_EQ(ui.messageTexts(), QStringList{QStringLiteral("Neu einlesen?")});
    EXPECT_TRUE(steps.isEmpty());
    EXPECT_EQ(window->InfoZoomExtra()->Tag(), QStringLiteral("Aufgaben"));
}

TEST_F(LowerTableCommandsTest, MissingFileNamesThePathAndYesEmptiesTheTableBeforeTheReread)
{
    modHaupt::Projekt->FOXAufgabe().setDatei(dir.filePath(QStringLiteral("weg.fox")));
    window->InfoZoomExtra()->setTag(QStringLiteral("Aufgaben"));
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("wurde nicht gefunden."), MsgAnswer::Yes);
    LowerTableCommands::Read(*window, kind());
    const QString expected = QStringLiteral("Die Projektdatendatei \"%1\"\r\nwurde nicht gefunden.\r\nEinlesen?")
                                 .arg(dir.filePath(QStringLiteral("weg.fox")));
    EXPECT_EQ(ui.messageTexts(), QStringList{expected});
    EXPECT_EQ(steps, QStringList{QStringLiteral("reread with tag ''")});
}

TEST_F(LowerTableCommandsTest, StoredTableLoadsAndTakesTheDescriptorsValues)
{
    project::clFOX &fox = modHaupt::Projekt->FOXAufgabe();
    fox.setDatei(storedFile());
    fox.setDatum(QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5)));
    fox.setSyncFeldName(QStringLiteral("ACTFieldID|9"));
    fox.setUniqueIDFeldName(QStringLiteral("ACTFieldID|8"));
    LowerTableCommands::Read(*window, kind());
    EXPECT_EQ(steps, (QStringList{QStringLiteral("create"), QStringLiteral("init"), QStringLiteral("fields, menus off"),
                                  QStringLiteral("load Aufgaben.fox")}));
    ASSERT_TRUE(modHaupt::Aufgaben);
    EXPECT_EQ(modHaupt::Aufgaben->DateOfData(), fox.Datum());
    EXPECT_EQ(modHaupt::Aufgaben->SyncFieldName(), QStringLiteral("ACTFieldID|9"));
    EXPECT_EQ(modHaupt::Aufgaben->UniqueIDFieldName(), QStringLiteral("ACTFieldID|8"));
    EXPECT_EQ(status(), QStringLiteral("geladen"));
    EXPECT_TRUE(menusEnabled());
}

TEST_F(LowerTableCommandsTest, RefusedInitKeepsTheNewObjectAndReportsTheFailure)
{
    modHaupt::Projekt->FOXAufgabe().setDatei(storedFile());
    initResult = false;
    LowerTableCommands::Read(*window, kind());
    EXPECT_EQ(steps, (QStringList{QStringLiteral("create"), QStringLiteral("init")}));
    EXPECT_TRUE(modHaupt::Aufgaben);
    EXPECT_EQ(status(), QStringLiteral("nicht geladen"));
    EXPECT_TRUE(menusEnabled());
}

TEST_F(LowerTableCommandsTest, SaveQuestionOnlyWhenAnotherKindIsShownAndTheProjectChanged)
{
    modHaupt::Projekt->FOXAufgabe().setDatei(storedFile());
    modHaupt::Projekt->FOXAufgabe().setIsChanged(false);
    ASSERT_FALSE(modHaupt::Projekt->IsChanged());
    LowerKind k = kind();

    window->InfoZoomExtra()->setTag(QStringLiteral("Notizen"));
    LowerTableCommands::Read(*window, k); // project unchanged
    EXPECT_EQ(ui.messageTexts().size(), 0);

    modHaupt::Projekt->FOXNotiz().setSyncFeldName(QStringLiteral("ACTFieldID|3"));
    ASSERT_TRUE(modHaupt::Projekt->IsChanged());
    window->InfoZoomExtra()->setTag(QStringLiteral("Aufgaben"));
    LowerTableCommands::Read(*window, k); // own kind shown
    window->InfoZoomExtra()->setTag(QString());
    LowerTableCommands::Read(*window, k); // empty table
    EXPECT_EQ(ui.messageTexts().size(), 0);

    window->InfoZoomExtra()->setTag(QStringLiteral("Notizen"));
    k.saveQuestionFirst = false;
    LowerTableCommands::Read(*window, k);
    EXPECT_EQ(ui.messageTexts().size(), 0);

    window->InfoZoomExtra()->setTag(QStringLiteral("Notizen"));
    k.saveQuestionFirst = true;
    ui.expectMsgBox(MsgIcon::Question,
                    QStringLiteral("Sollen zuvor die Änderungen im Projekt \"%1\" gespeichert werden?")
                        .arg(modHaupt::Projekt->Name()),
                    MsgAnswer::Yes);
    LowerTableCommands::Read(*window, k);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(status(), QStringLiteral("geladen"));

    window->InfoZoomExtra()->setTag(QStringLiteral("Notizen"));
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("gespeichert werden?"), MsgAnswer::No);
    LowerTableCommands::Read(*window, k);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(status(), QStringLiteral("geladen"));
}

TEST_F(LowerTableCommandsTest, FailedLoadLeavesTheFailureTextAndAUsableWindow)
{
    modHaupt::Projekt->FOXAufgabe().setDatei(storedFile());
    loadThrows = true;
    const LowerKind k = kind();
    window->AddCommand(QStringLiteral("mnuTestRead"), [this, k] { LowerTableCommands::Read(*window, k); });
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Die Datei ist beschädigt."));
    window->RunMenuCommand(QStringLiteral("mnuTestRead"));
    EXPECT_EQ(status(), QStringLiteral("nicht geladen"));
    EXPECT_TRUE(menusEnabled());
}

TEST_F(LowerTableCommandsTest, RereadWritesTheRecordObjectsValuesIntoTheDescriptor)
{
    project::clFOX &fox = modHaupt::Projekt->FOXAufgabe();
    fox.setDatei(QStringLiteral("/bleibt/Aufgaben.fox"));
    LowerTableCommands::Reread(*window, kind());
    EXPECT_EQ(steps, (QStringList{QStringLiteral("create"), QStringLiteral("init"), QStringLiteral("fields, menus on"),
                                  QStringLiteral("show")}));
    EXPECT_EQ(fox.Datum(), QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)));
    EXPECT_EQ(fox.SyncFeldName(), QStringLiteral("ACTFieldID|2"));
    EXPECT_EQ(fox.UniqueIDFeldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(fox.Datei(), QStringLiteral("/bleibt/Aufgaben.fox"));
    EXPECT_TRUE(modHaupt::Projekt->IsChanged());
    EXPECT_EQ(status(), QStringLiteral("gelesen"));
    EXPECT_TRUE(menusEnabled());
}

TEST_F(LowerTableCommandsTest, RefusedRereadLeavesTheDescriptorAlone)
{
    initResult = false;
    LowerTableCommands::Reread(*window, kind());
    EXPECT_EQ(status(), QStringLiteral("nicht gelesen"));
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());

    initResult = true;
    setUpResult = false; // a cancelled field dialog
    steps.clear();
    LowerTableCommands::Reread(*window, kind());
    EXPECT_EQ(steps, (QStringList{QStringLiteral("create"), QStringLiteral("init"), QStringLiteral("fields, menus on")}));
    EXPECT_EQ(status(), QString());
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
    EXPECT_TRUE(menusEnabled());
}

} // namespace
