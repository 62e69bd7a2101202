// Save as into another folder with the copies of the lower kinds' table files, and close with the
// save question.
#include "ProjectCommandFixture.h"

#include "project/modINIFile.h"

#include <QRegularExpression>
#include <sys/inotify.h>
#include <unistd.h>

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

using SaveAs = ProjectCommandFixture;

TEST_F(SaveAs, CopiesTheProjectFileAndEveryExistingLowerTableFileAndRecordsThem)
{
    savedProject(QStringLiteral("A"));
    // Table files of two lower kinds, and the keys an earlier save of them left in the project file.
    QFile::copy(folder(QStringLiteral("A/Kunden_Kontakte.fox")), folder(QStringLiteral("A/Kunden_Notizen.fox")));
    QFile::copy(folder(QStringLiteral("A/Kunden_Kontakte.fox")), folder(QStringLiteral("A/Kunden_Gruppen.fox")));
    ASSERT_TRUE(project::INIWriteSetting(QStringLiteral("Options"), QStringLiteral("SyncFieldNameNotizen"),
                                         QStringLiteral("ACTFieldID|6"), folder(QStringLiteral("A/Kunden.dlx"))));

    ui.expectInputBox(QStringLiteral("Projektnamen"), QStringLiteral("  Neu  ")).expectFolder(folder(QStringLiteral("B")));
    run("mnuSaveAsProject");
    const project::clProjekt &projekt = *modHaupt::Projekt;
    EXPECT_EQ(projekt.Name(), QStringLiteral("Neu"));
    EXPECT_EQ(projekt.Ordner(), folder(QStringLiteral("B")));
    for (const char *file : {"B/Neu.dlx", "B/Neu_Kontakte.fox", "B/Neu_Notizen.fox", "B/Neu_Gruppen.fox"})
        EXPECT_TRUE(QFile::exists(folder(QLatin1String(file)))) << file;
    EXPECT_FALSE(QFile::exists(folder(QStringLiteral("B/Neu_Aufgaben.fox"))));
    EXPECT_EQ(projekt.FOXNotiz().Datei(), folder(QStringLiteral("B/Neu_Notizen.fox")));
    EXPECT_EQ(projekt.FOXGruppen().Datei(), folder(QStringLiteral("B/Neu_Gruppen.fox")));
    EXPECT_EQ(projekt.FOXAufgabe().Datei(), QString());
    EXPECT_TRUE(read(folder(QStringLiteral("B/Neu.dlx"))).contains("SyncFieldNameNotizen=ACTFieldID|6"));
    EXPECT_TRUE(read(folder(QStringLiteral("B/Neu.dlx"))).contains("ProjectName=Neu"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Datolux - Neu"));
    EXPECT_EQ(window->StatusPanel()->text(), QStringLiteral("Das Projekt \"Neu\" wurde gespeichert."));
    EXPECT_TRUE(projekt.IsSaved());
    EXPECT_FALSE(projekt.IsChanged());
    // The old project stays where it was.
    EXPECT_TRUE(read(folder(QStringLiteral("A/Kunden.dlx"))).contains("ProjectName=Kunden"));
}

TEST_F(SaveAs, ReplacesEachFileOnce)
{
    savedProject(QStringLiteral("A"));
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(folder(QStringLiteral("B"))).constData(), IN_MOVED_TO), 0);
    ui.expectInputBox(QStringLiteral("Projektnamen"), QStringLiteral("Neu")).expectFolder(folder(QStringLiteral("B")));
    run("mnuSaveAsProject");
    alignas(inotify_event) char events[4096];
    const ssize_t n = ::read(watch, events, sizeof events);
    QStringList replaced;
    for (const char *at = events; at < events + n; at += sizeof(inotify_event) + ((inotify_event *)at)->len)
        replaced << QString::fromUtf8(((inotify_event *)at)->name);
    ::close(watch);
    replaced = replaced.filter(QRegularExpression(QStringLiteral("\\.(dlx|fox)$")));
    replaced.sort();
    EXPECT_EQ(replaced, (QStringList{"Neu.dlx", "Neu_Kontakte.fox"}));
}

TEST_F(SaveAs, OntoItselfKeepsTheKeysAndTableFilesOfEveryKind)
{
    savedProject(QStringLiteral("A"));
    const QString file = folder(QStringLiteral("A/Kunden.dlx"));
    QFile::copy(folder(QStringLiteral("A/Kunden_Kontakte.fox")), folder(QStringLiteral("A/Kunden_Notizen.fox")));
    QFile::copy(folder(QStringLiteral("A/Kunden_Kontakte.fox")), folder(QStringLiteral("A/Kunden_Gruppen.fox")));
    for (const auto &[key, value] : {std::pair{"SyncFieldNameNotizen", "ACTFieldID|6"},
                                     std::pair{"UniqueIDFieldNameGruppen", "ACTFieldID|100"},
                                     std::pair{"DataDateGruppen", "02.03.2024 10:11:12"}})
        ASSERT_TRUE(
            project::INIWriteSetting(QStringLiteral("Options"), QLatin1String(key), QLatin1String(value), file));
    const QByteArray notes = read(folder(QStringLiteral("A/Kunden_Notizen.fox")));
    const QByteArray groups = read(folder(QStringLiteral("A/Kunden_Gruppen.fox")));

    ui.expectInputBox(QStringLiteral("Projektnamen"), QStringLiteral("Kunden"))
        .expectFolder(folder(QStringLiteral("A")))
        .expectMsgBox(MsgIcon::Question, QStringLiteral("überschrieben werden?"), MsgAnswer::Yes);
    run("mnuSaveAsProject");
    EXPECT_EQ(window->StatusPanel()->text(), QStringLiteral("Das Projekt \"Kunden\" wurde gespeichert."));
    for (const char *line : {"SyncFieldNameNotizen=ACTFieldID|6", "UniqueIDFieldNameGruppen=ACTFieldID|100",
                             "DataDateGruppen=02.03.2024 10:11:12", "SyncFieldNameKontakte=ACTFieldID|1"})
        EXPECT_TRUE(read(file).contains(line)) << line;
    EXPECT_EQ(read(folder(QStringLiteral("A/Kunden_Notizen.fox"))), notes);
    EXPECT_EQ(read(folder(QStringLiteral("A/Kunden_Gruppen.fox"))), groups);
    EXPECT_EQ(QDir(folder(QStringLiteral("A"))).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"Kunden.dlx", "Kunden_Gruppen.fox", "Kunden_Kontakte.fox", "Kunden_Notizen.fox"}));

    // Opened again, every kind is there.
    run("mnuCloseProject");
    window->OpenProject(file);
    const project::clProjekt &projekt = *modHaupt::Projekt;
    EXPECT_EQ(upperRows(), 60);
    EXPECT_EQ(projekt.FOXNotiz().SyncFeldName(), QStringLiteral("ACTFieldID|6"));
    EXPECT_EQ(projekt.FOXNotiz().Datei(), folder(QStringLiteral("A/Kunden_Notizen.fox")));
    EXPECT_EQ(projekt.FOXGruppen().UniqueIDFeldName(), QStringLiteral("ACTFieldID|100"));
    EXPECT_EQ(projekt.FOXGruppen().Datum(), QDateTime(QDate(2024, 3, 2), QTime(10, 11, 12)));
}

TEST_F(SaveAs, ANeverSavedProjectIsSavedUnderTheNewNameWithoutCopies)
{
    newProject();
    ui.expectInputBox(QStringLiteral("Projektnamen"), QStringLiteral("Erstes")).expectFolder(folder(QStringLiteral("B")));
    run("mnuSaveAsProject");
    EXPECT_EQ(modHaupt::Projekt->Name(), QStringLiteral("Erstes"));
    EXPECT_TRUE(QFile::exists(folder(QStringLiteral("B/Erstes.dlx"))));
    EXPECT_TRUE(modHaupt::Projekt->IsSaved());
}

TEST_F(SaveAs, ACancelledFolderChoiceRestoresTheOldNameAndFolder)
{
    savedProject(QStringLiteral("A"));
    ui.expectInputBox(QStringLiteral("Projektnamen"), QStringLiteral("Neu")).expectFolder(QString());
    run("mnuSaveAsProject");
    EXPECT_EQ(modHaupt::Projekt->Name(), QStringLiteral("Kunden"));
    EXPECT_EQ(modHaupt::Projekt->Ordner(), folder(QStringLiteral("A")));
    EXPECT_EQ(window->StatusPanel()->text(),
              QStringLiteral("Es ist ein Fehler beim Speichern des Projektes \"Neu\" aufgetreten."));
}

using CloseProject = ProjectCommandFixture;

TEST_F(CloseProject, AsksToSaveAChangedProjectAndEndsWithTheEmptyProject)
{
    newProject();
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Sollen zuvor die Änderungen im Projekt \"Kunden\""),
                    MsgAnswer::Yes)
        .expectFolder(folder(QStringLiteral("A")));
    run("mnuCloseProject");
    EXPECT_TRUE(QFile::exists(folder(QStringLiteral("A/Kunden.dlx"))));
    EXPECT_EQ(modHaupt::Projekt->Name(), QStringLiteral("Unbenannt"));
    EXPECT_EQ(modHaupt::Kontakte, nullptr);
    EXPECT_EQ(upperRows(), 0);
    EXPECT_EQ(window->InfoZoomKontakt()->Tag(), QString());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Datolux - Unbenannt"));
    EXPECT_EQ(window->StatusPanel()->text(), QString());
    EXPECT_FALSE(enabled("mnuCloseProject"));
    EXPECT_FALSE(enabled("mnuEdit"));
}

TEST_F(CloseProject, NoToTheSaveQuestionClosesWithoutSaving)
{
    newProject();
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("gespeichert werden?"), MsgAnswer::No);
    run("mnuCloseProject");
    EXPECT_FALSE(QFile::exists(folder(QStringLiteral("A/Kunden.dlx"))));
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
}

} // namespace
