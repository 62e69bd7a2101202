// New project, save with its folder choice and overwrite question, and open (menu, file dialog and
// the command line at start-up), driven headless through the main window.
#include "ProjectCommandFixture.h"

#include "project/modINIFile.h"

#include <QMap>
#include <QProcess>
#include <csignal>

using platform::MsgAnswer;
using platform::MsgIcon;
using Step = platform::FileTransaction::Step;

namespace {

using NewProject = ProjectCommandFixture;

TEST_F(NewProject, ChoosesTheDatabaseReadsTheChosenFieldsAndLeavesTheProjectChangedNotSaved)
{
    newProject();
    const platform::FileDialogRequest &request = ui.records().first().fileRequest;
    EXPECT_EQ(request.title, QString::fromUtf8("ACT!-Datenbank auswählen"));
    EXPECT_EQ(request.filters, (QStringList{QStringLiteral("ACT!-Datenbank (*.dbf)"), QStringLiteral("*.dbf")}));
    EXPECT_EQ(request.defaultExt, QStringLiteral("dbf"));
    EXPECT_TRUE(request.fileMustExist);
    EXPECT_EQ(options.value(QStringLiteral("DirACTDatabase")).toString(), s_databases->path() + QLatin1Char('/'));

    EXPECT_EQ(upperRows(), 60);
    EXPECT_EQ(upperAttributes(), (QStringList{"Eindeutige ID", "Firma", "Ort"}));
    EXPECT_EQ(window->InfoZoomKontakt()->Tag(), QStringLiteral("Kontakte"));
    const project::clProjekt &projekt = *modHaupt::Projekt;
    EXPECT_EQ(projekt.Name(), QStringLiteral("Kunden"));
    EXPECT_EQ(projekt.ACTDatenbank(), singleDb());
    EXPECT_EQ(projekt.FOXKontakt().UniqueIDFeldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(projekt.FOXKontakt().SyncFeldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_TRUE(projekt.IsChanged());
    EXPECT_FALSE(projekt.IsSaved());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Datolux - Kunden"));
    EXPECT_EQ(window->ACTDBPanel()->text(), QStringLiteral("Einzel.dbf"));
    EXPECT_EQ(window->StatusPanel()->text(), QString());
    EXPECT_TRUE(enabled("mnuSaveProject"));
    EXPECT_TRUE(enabled("mnuData"));
    EXPECT_TRUE(window->Toolbar()->isEnabled());
}

TEST_F(NewProject, TheProposedNameIsTheDatabaseNameWithoutItsExtension)
{
    ui.expectFileDialog(QStringList{singleDb()})
        .expectInputBox(QStringLiteral("Projektnamen"), std::nullopt)
        .expectModal(tick({QStringLiteral("Firma")}));
    run("mnuNewProject");
    // A cancelled name keeps the new project's initial name.
    EXPECT_EQ(modHaupt::Projekt->Name(), QStringLiteral("Unbenannt"));
    EXPECT_EQ(upperRows(), 60);
}

TEST_F(NewProject, ACancelledDatabaseChoiceClosesTheProjectAfterTheSaveQuestion)
{
    newProject();
    ui.expectMsgBox(MsgIcon::Question,
                    QString::fromUtf8("Sollen zuvor die Änderungen im Projekt \"Kunden\" gespeichert werden?"),
                    MsgAnswer::No)
        .expectFileDialog(std::nullopt);
    run("mnuNewProject");
    EXPECT_EQ(modHaupt::Projekt->Name(), QStringLiteral("Unbenannt"));
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
    EXPECT_EQ(modHaupt::Kontakte, nullptr);
    EXPECT_EQ(upperRows(), 0);
    EXPECT_EQ(window->ACTDBPanel()->text(), QString());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Datolux - Unbenannt"));
    EXPECT_FALSE(enabled("mnuData"));
}

TEST_F(NewProject, ACancelledFieldChoiceAbandonsTheProjectThoughTheDatabaseWasOpen)
{
    ui.expectFileDialog(QStringList{singleDb()})
        .expectInputBox(QStringLiteral("Projektnamen"), QStringLiteral("Kunden"))
        .expectModal(cancelFields());
    run("mnuNewProject");
    EXPECT_EQ(modHaupt::Kontakte, nullptr);
    EXPECT_EQ(modHaupt::Projekt->Name(), QStringLiteral("Unbenannt"));
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
    EXPECT_TRUE(window->Toolbar()->isEnabled());
    EXPECT_TRUE(enabled("mnuDatei"));
}

TEST_F(NewProject, ADatabaseThatDoesNotOpenEndsInTheEmptyProjectAndNoSaveReachesThePreviousFiles)
{
    savedProject(QStringLiteral("A"));
    const QStringList files = QDir(folder(QStringLiteral("A"))).entryList(QDir::Files);
    ASSERT_EQ(files, (QStringList{"Kunden.dlx", "Kunden_Kontakte.fox"}));
    QList<QByteArray> before;
    for (const QString &file : files)
        before << read(folder(QStringLiteral("A/")) + file);
    ui.expectFileDialog(QStringList{multiDb()}).expectModal([](QDialog *d) {
        d->reject();
        return int(QDialog::Rejected);
    });
    run("mnuNewProject");
    EXPECT_EQ(modHaupt::Projekt->Name(), QStringLiteral("Unbenannt"));
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
    EXPECT_EQ(modHaupt::Kontakte, nullptr);
    EXPECT_EQ(upperRows(), 0);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Datolux - Unbenannt"));
    EXPECT_TRUE(window->Toolbar()->isEnabled());
    EXPECT_FALSE(enabled("mnuSaveProject"));

    // Even a save asked for anyway only asks for a folder of its own.
    ui.expectFolder(QString());
    run("mnuSaveProject");
    EXPECT_EQ(QDir(folder(QStringLiteral("A"))).entryList(QDir::Files), files);
    for (int i = 0; i < files.size(); ++i)
        EXPECT_TRUE(read(folder(QStringLiteral("A/")) + files[i]) == before[i]) << files[i].toStdString();
}

class SaveProject : public ProjectCommandFixture
{
protected:
    // The saved project Kunden in folder A with its contacts and its notes read anew.
    void savedWithNotes()
    {
        savedProject(QStringLiteral("A"));
        ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Notizen neu"), MsgAnswer::Yes);
        run("mnuReadNotes");
        run("mnuSaveProject");
    }
    // Opens the project in dir, changes both tables and a key, and saves it with hook in place.
    void changeAndSave(const QString &dir, std::function<bool(Step, int)> hook = {})
    {
        window->OpenProject(dir + QStringLiteral("/Kunden.dlx"));
        run("mnuReadNotes");
        window->InfoZoomKontakt()->Table()->AttributeItem(1).setName(QStringLiteral("Unternehmen"));
        window->InfoZoomExtra()->Table()->AttributeItem(1).setName(QStringLiteral("Inhalt"));
        modHaupt::Projekt->FOXNotiz().setSyncFeldName(QStringLiteral("ACTFieldID|6"));
        platform::FileTransaction::setTestHook(std::move(hook));
        run("mnuSaveProject");
    }
    void copyFolder(const QString &from, const QString &to)
    {
        QDir(m_work.path()).mkpath(to);
        for (const QString &name : QDir(folder(from)).entryList(QDir::Files))
            QFile::copy(folder(from + QLatin1Char('/') + name), folder(to + QLatin1Char('/') + name));
    }
    // Every file in dir, hidden ones too, with its bytes.
    QMap<QString, QByteArray> files(const QString &dir)
    {
        QMap<QString, QByteArray> result;
        for (const QString &name : QDir(folder(dir)).entryList(QDir::Files | QDir::Hidden))
            result.insert(name, read(folder(dir + QLatin1Char('/') + name)));
        return result;
    }
};

TEST_F(SaveProject, AFirstSaveAsksForTheFolderAndWritesProjectAndContactsFile)
{
    savedProject(QStringLiteral("A"));
    const QString file = folder(QStringLiteral("A/Kunden.dlx"));
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_TRUE(QFile::exists(folder(QStringLiteral("A/Kunden_Kontakte.fox"))));
    EXPECT_EQ(window->StatusPanel()->text(), QStringLiteral("Das Projekt \"Kunden\" wurde gespeichert."));
    EXPECT_TRUE(modHaupt::Projekt->IsSaved());
    EXPECT_FALSE(enabled("mnuSaveProject"));
    EXPECT_TRUE(enabled("mnuSaveAsProject"));
    EXPECT_TRUE(enabled("mnuCloseProject"));
    EXPECT_FALSE(window->ToolButton(QStringLiteral("btnSave"))->isEnabled());
}

TEST_F(SaveProject, TheOverwriteQuestionNoKeepsTheOldProjectAndYesReplacesIt)
{
    savedProject(QStringLiteral("A"));
    const QString file = folder(QStringLiteral("A/Kunden.dlx"));
    ASSERT_TRUE(project::INIWriteSetting(QStringLiteral("Options"), QStringLiteral("DataDateNotizen"),
                                         QStringLiteral("01.01.2020"), file));
    newProject();
    ui.expectFolder(folder(QStringLiteral("A")))
        .expectMsgBox(MsgIcon::Question, QStringLiteral("überschrieben werden?"), MsgAnswer::No);
    run("mnuSaveProject");
    EXPECT_EQ(window->StatusPanel()->text(),
              QStringLiteral("Es ist ein Fehler beim Speichern des Projektes \"Kunden\" aufgetreten."));
    EXPECT_TRUE(read(file).contains("DataDateNotizen"));
    EXPECT_EQ(modHaupt::Projekt->Ordner(), QString());

    ui.expectFolder(folder(QStringLiteral("A")))
        .expectMsgBox(MsgIcon::Question, QStringLiteral("überschrieben werden?"), MsgAnswer::Yes);
    run("mnuSaveProject");
    EXPECT_EQ(window->StatusPanel()->text(), QStringLiteral("Das Projekt \"Kunden\" wurde gespeichert."));
    EXPECT_FALSE(read(file).contains("DataDateNotizen"));
}

TEST_F(SaveProject, ANewProjectOverAnotherReplacesItWholeAndAFailedTryLeavesItAsItWas)
{
    savedWithNotes();
    const QMap<QString, QByteArray> old = files(QStringLiteral("A"));
    ASSERT_EQ(old.size(), 3);
    newProject();
    // The project file's rename, after the contacts were replaced and the notes file removed, fails.
    platform::FileTransaction::setTestHook([](Step step, int index) { return step != Step::Rename || index != 2; });
    ui.expectFolder(folder(QStringLiteral("A")))
        .expectMsgBox(MsgIcon::Question, QStringLiteral("überschrieben werden?"), MsgAnswer::Yes)
        .expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Beim Überschreiben der Projektdatei"));
    run("mnuSaveProject");
    EXPECT_TRUE(files(QStringLiteral("A")) == old);

    platform::FileTransaction::setTestHook({});
    run("mnuSaveProject");
    EXPECT_EQ(files(QStringLiteral("A")).keys(), (QStringList{"Kunden.dlx", "Kunden_Kontakte.fox"}));
    EXPECT_FALSE(read(folder(QStringLiteral("A/Kunden.dlx"))).contains("Notizen"));
    run("mnuCloseProject");
    window->OpenProject(folder(QStringLiteral("A/Kunden.dlx")));
    EXPECT_EQ(modHaupt::Projekt->FOXNotiz().Datei(), QString());
    EXPECT_EQ(modHaupt::Projekt->FOXNotiz().SyncFeldName(), QString());
}

TEST_F(SaveProject, AKillAtAnyStepOfASaveOpensAsTheWholeOldOrTheWholeNewProject)
{
    if (const QByteArray steps = qgetenv("DATOLUX_KILL_AT"); !steps.isEmpty()) {
        // The child: killed at one step, after another step failed.
        const QList<QByteArray> at = steps.split(' ');
        changeAndSave(qEnvironmentVariable("DATOLUX_KILL_DIR"), [at](Step step, int index) {
            if (int(step) == at[0].toInt() && index == at[1].toInt())
                ::raise(SIGKILL);
            return int(step) != at[2].toInt() || index != at[3].toInt();
        });
        ADD_FAILURE() << "the save ended without the kill";
        return;
    }
    savedWithNotes();
    const QMap<QString, QByteArray> old = files(QStringLiteral("A"));
    copyFolder(QStringLiteral("A"), QStringLiteral("Neu"));
    changeAndSave(folder(QStringLiteral("Neu")));
    const QMap<QString, QByteArray> saved = files(QStringLiteral("Neu"));
    ASSERT_EQ(saved.keys(), old.keys());
    for (const QString &name : old.keys())
        ASSERT_NE(saved[name], old[name]) << name.toStdString();

    struct Kill
    {
        Step step;
        int index;
        Step failing;
        int failingIndex;
        bool isNew;
    };
    const Step none = Step::Journal;
    int row = 0;
    for (const Kill &kill : {Kill{Step::Journal, 0, none, -1, false}, Kill{Step::Rename, 0, none, -1, true},
                             Kill{Step::Rename, 1, none, -1, true}, Kill{Step::Rename, 2, none, -1, true},
                             Kill{Step::Sync, 1, none, -1, true}, Kill{Step::RemoveBackup, 1, none, -1, true},
                             Kill{Step::Undo, 0, Step::Rename, 2, false}}) {
        const QString dir = QStringLiteral("Kill%1").arg(++row);
        copyFolder(QStringLiteral("A"), dir);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DATOLUX_KILL_AT"), QStringLiteral("%1 %2 %3 %4")
                                                                  .arg(int(kill.step))
                                                                  .arg(kill.index)
                                                                  .arg(int(kill.failing))
                                                                  .arg(kill.failingIndex));
        environment.insert(QStringLiteral("DATOLUX_KILL_DIR"), folder(dir));
        // A killed child cannot remove its own temporary folders: they go with this test's.
        QDir().mkpath(folder(dir + QStringLiteral("-tmp")));
        environment.insert(QStringLiteral("TMPDIR"), folder(dir + QStringLiteral("-tmp")));
        child.setProcessEnvironment(environment);
        child.setStandardOutputFile(QProcess::nullDevice());
        const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
        ASSERT_TRUE(child.waitForFinished(120000));
        EXPECT_EQ(child.exitStatus(), QProcess::CrashExit) << row;
        EXPECT_EQ(child.exitCode(), SIGKILL) << row;

        window->OpenProject(folder(dir + QStringLiteral("/Kunden.dlx")));
        EXPECT_EQ(window->StatusPanel()->text(), QString::fromUtf8("Das Projekt \"Kunden\" wurde geöffnet.")) << row;
        const QMap<QString, QByteArray> after = files(dir);
        EXPECT_TRUE(after == (kill.isNew ? saved : old)) << row << ": " << after.keys().join(' ').toStdString();
    }
}

TEST_F(SaveProject, ATableFileThatCannotBeWrittenIsReportedAndLeavesTheWindowUsable)
{
    newProject();
    // The contacts table file cannot be written where a folder of its name stands.
    QDir(folder(QStringLiteral("A"))).mkpath(QStringLiteral("Kunden_Kontakte.fox/x"));
    ui.expectFolder(folder(QStringLiteral("A"))).expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Fehler"));
    run("mnuSaveProject");
    EXPECT_TRUE(window->Toolbar()->isEnabled());
    EXPECT_TRUE(enabled("mnuDatei"));
    EXPECT_FALSE(modHaupt::Projekt->IsSaved());
    EXPECT_TRUE(modHaupt::Projekt->IsChanged());
}

using OpenProject = ProjectCommandFixture;

TEST_F(OpenProject, ASavedProjectReopensWithItsStoredContactTable)
{
    savedProject(QStringLiteral("A"));
    window->InfoZoomKontakt()->Table()->AttributeItem(1).setName(QStringLiteral("Unternehmen"));
    modHaupt::Projekt->DataChanged();
    run("mnuSaveProject");
    run("mnuCloseProject");
    EXPECT_EQ(upperRows(), 0);

    ui.expectFileDialog(QStringList{folder(QStringLiteral("A/Kunden.dlx"))});
    run("mnuOpenProject");
    EXPECT_EQ(upperRows(), 60);
    EXPECT_EQ(upperAttributes(), (QStringList{"Eindeutige ID", "Unternehmen", "Ort"}));
    EXPECT_EQ(window->StatusPanel()->text(), QString::fromUtf8("Das Projekt \"Kunden\" wurde geöffnet."));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Datolux - Kunden"));
    EXPECT_EQ(window->ACTDBPanel()->text(), QStringLiteral("Einzel.dbf"));
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
    EXPECT_TRUE(modHaupt::Projekt->IsSaved());
    EXPECT_EQ(window->Kontakte()->UniqueIDFieldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(window->Kontakte()->FieldIDs(), (QVector<qint16>{1, 2, 15}));
    EXPECT_EQ(window->Kontakte()->DateOfData(), modHaupt::Projekt->FOXKontakt().Datum());
}

TEST_F(OpenProject, AnotherUserAtTheLoginIsStoredAndLeavesTheProjectChanged)
{
    expectNewMultiProject()
        .expectFolder(folder(QStringLiteral("B")));
    run("mnuNewProject");
    run("mnuSaveProject");
    EXPECT_EQ(modHaupt::Projekt->ACTBenutzername(), QString::fromUtf8("Anna Schäfer"));

    // The stored user is tried with an empty password, refused, and another one logs in.
    ui.expectModal([](QDialog *d) {
        auto *login = dynamic_cast<actlink::frmACTLogin *>(d);
        EXPECT_EQ(login->txbBenutzername()->text(), QString::fromUtf8("Anna Schäfer"));
        login->txbBenutzername()->setText(QString::fromUtf8("Jörg Müller"));
        login->txbKennwort()->setText(QStringLiteral("Vertrieb#2"));
        login->cmdOk()->click();
        return int(QDialog::Accepted);
    });
    window->OpenProject(folder(QStringLiteral("B/Team.dlx")));
    EXPECT_EQ(modHaupt::Projekt->ACTBenutzername(), QString::fromUtf8("Jörg Müller"));
    EXPECT_TRUE(modHaupt::Projekt->IsChanged());
    EXPECT_EQ(upperRows(), 130);
}

TEST_F(OpenProject, ACancelledLoginLeavesNoContactsObjectAndNoTitleChange)
{
    ui.expectFileDialog(QStringList{multiDb()})
        .expectModal([](QDialog *d) {
            auto *login = dynamic_cast<actlink::frmACTLogin *>(d);
            login->txbBenutzername()->setText(QString::fromUtf8("Petra Weiß"));
            login->txbKennwort()->setText(QStringLiteral("Service#3"));
            login->cmdOk()->click();
            return int(QDialog::Accepted);
        })
        .expectInputBox(QStringLiteral("Projektnamen"), QStringLiteral("Team"))
        .expectModal(tick({QStringLiteral("Firma")}))
        .expectFolder(folder(QStringLiteral("B")));
    run("mnuNewProject");
    run("mnuSaveProject");
    run("mnuCloseProject");
    ui.expectModal([](QDialog *d) {
        d->reject();
        return int(QDialog::Rejected);
    });
    window->OpenProject(folder(QStringLiteral("B/Team.dlx")));
    EXPECT_EQ(modHaupt::Kontakte, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Datolux - Unbenannt"));
    EXPECT_EQ(window->StatusPanel()->text(), QString());
}

TEST_F(OpenProject, ARefusedOpenKeepsTheCurrentProjectOrEndsEmptyAndNoSaveReachesTheRefusedFiles)
{
    newProject(singleDb(), QStringLiteral("Zweit"));
    ui.expectFolder(folder(QStringLiteral("B")));
    run("mnuSaveProject");
    savedProject(QStringLiteral("A"));
    const QString b = folder(QStringLiteral("B/")), cwd = QDir::currentPath();
    const auto files = [this](const QString &name) {
        QMap<QString, QByteArray> bytes;
        for (const QString &file : QDir(folder(name)).entryList(QDir::Files | QDir::Hidden))
            bytes.insert(file, read(folder(name) + '/' + file));
        return bytes;
    };
    const QMap<QString, QByteArray> original = files("B");
    const auto set = [&](const char *key, const QString &value) {
        project::INIWriteSetting(QStringLiteral("Options"), QLatin1String(key), value, b + "Zweit.dlx");
    };
    // What spoils B, the refusal's message ("" = the login is cancelled), and whether A stays shown.
    const std::tuple<std::function<void()>, QString, bool> refusals[] = {
        {[&] { set("ProjectName", QString()); }, "Es fehlt der Projektname.", true},
        {[&] { set("ProjectName", "../Zweit"); }, "kann nicht verwendet werden", true},
        {[&] { set("ACTDatabaseName", b + "Weg.dbf"); }, "Weg.dbf", true},
        {[&] { QFile::remove(b + "Zweit_Kontakte.fox"); }, "Kontaktdaten", true},
        {[&] { QDir::setCurrent(b); }, QString::fromUtf8("keine gültige"), true},
        {[&] { set("ACTDatabaseName", multiDb()); }, "", false},
        {[&] { QFile(b + "Zweit_Kontakte.fox").open(QIODevice::WriteOnly); }, "Fehler", false}};
    for (const auto &[spoil, message, kept] : refusals) {
        SCOPED_TRACE(message.toStdString());
        for (auto it = original.begin(); it != original.end(); ++it) {
            QFile file(b + it.key());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(it.value()) == it.value().size());
        }
        spoil();
        const QMap<QString, QByteArray> before = files("B"), aBefore = files("A");
        window->OpenProject(folder(QStringLiteral("A/Kunden.dlx")));
        window->InfoZoomKontakt()->Table()->AttributeItem(1).setName(QStringLiteral("Neu ") + message);
        modHaupt::Projekt->DataChanged();
        ui.expectMsgBox(MsgIcon::Question, QStringLiteral("gespeichert werden?"), MsgAnswer::No);
        message.isEmpty() ? ui.expectModal([](QDialog *d) { return d->reject(), int(QDialog::Rejected); })
                          : ui.expectMsgBox(MsgIcon::Exclamation, message);
        const QString file = QDir::currentPath() == cwd ? b + "Zweit.dlx" : QStringLiteral("Zweit.dlx");
        window->RunAsCommand([&] { window->OpenProject(file); });
        EXPECT_EQ(modHaupt::Projekt->Name(), kept ? "Kunden" : "Unbenannt");
        EXPECT_EQ(upperRows(), kept ? 60 : 0);
        if (!kept)
            ui.expectFolder(QString());
        run("mnuSaveProject");
        EXPECT_EQ(files("B"), before);
        EXPECT_EQ(files("A") != aBefore, kept);
        QDir::setCurrent(cwd);
    }
}

TEST_F(OpenProject, AProjectOnTheCommandLineIsOpenedAtStartUp)
{
    savedProject(QStringLiteral("A"));
    window.reset();
    modHaupt::UnloadMainWindow();
    modHaupt::Main(folder(QStringLiteral("A/Kunden.dlx")), environment());
    mainwindow::frmHaupt *main = modHaupt::MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->InfoZoomKontakt()->Table()->Objects().Count(), 60);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Datolux - Kunden"));
    EXPECT_TRUE(modHaupt::Projekt->IsSaved());
    EXPECT_TRUE(main->Menu(QStringLiteral("mnuData"))->isEnabled());
}

TEST_F(OpenProject, ADamagedContactTableOnTheCommandLineIsReportedAndTheEmptyProjectShown)
{
    savedProject(QStringLiteral("A"));
    const QString contacts = modHaupt::Projekt->FOXKontakt().Datei();
    window.reset();
    modHaupt::UnloadMainWindow();
    QFile file(contacts);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("keine Tabelle");
    file.close();

    const qsizetype before = ui.records().size();
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Fehler"));
    modHaupt::Main(folder(QStringLiteral("A/Kunden.dlx")), environment());
    mainwindow::frmHaupt *main = modHaupt::MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(ui.records().size(), before + 1);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Datolux - Unbenannt"));
    EXPECT_EQ(main->InfoZoomKontakt()->Table()->Objects().Count(), 0);
    EXPECT_EQ(main->InfoZoomKontakt()->Table()->StatusText(), QString());
    EXPECT_EQ(modHaupt::Kontakte, nullptr);
    EXPECT_FALSE(modHaupt::Projekt->IsSaved());
    EXPECT_FALSE(main->Menu(QStringLiteral("mnuSaveProject"))->isEnabled());
    EXPECT_TRUE(main->Toolbar()->isEnabled());
}

} // namespace
