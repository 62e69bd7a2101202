// Opening a project file: the refusals with their messages, the keys read, the table files found.
#include "ProjectFileFixture.h"
#include "project/ProgramSettings.h"

#include <QLocale>
#include <sys/inotify.h>
#include <unistd.h>

using namespace project;
using platform::MsgIcon;

namespace {

using ProjectOpen = ProjectFileTest;

QStringList standardLines(const QString &database, const QString &name = QStringLiteral("Kunden"))
{
    return {QStringLiteral("ProjectName=") + name, QStringLiteral("ACTDatabaseName=") + database,
            QStringLiteral("ACTDatabaseUser=Chris Huffman"), QStringLiteral("DataDateKontakte=09.12.2026 14:03:05"),
            QStringLiteral("SyncFieldNameKontakte=ACTFieldID|1"),
            QStringLiteral("UniqueIDFieldNameKontakte=ACTFieldID|1")};
}

TEST_F(ProjectOpen, ReadsNameDatabaseUserAndTheContactsDescriptor)
{
    GTestScriptedUi ui;
    const QString file = writeProject(QStringLiteral("Kunden.dlx"), standardLines(m_database), QStringLiteral("Kunden"));
    clProjekt projekt;
    ASSERT_TRUE(projekt.OpenProjekt(file));
    EXPECT_EQ(projekt.Name(), QStringLiteral("Kunden"));
    EXPECT_EQ(projekt.Datei(), file);
    EXPECT_EQ(projekt.Ordner(), folder());
    EXPECT_EQ(projekt.ACTDatenbank(), m_database);
    EXPECT_EQ(projekt.ACTBenutzername(), QStringLiteral("Chris Huffman"));
    EXPECT_EQ(projekt.FOXKontakt().Datei(), clProjekt::TableFilePath(folder(), "Kunden", "Kontakte"));
    EXPECT_EQ(projekt.FOXKontakt().Datum(), QDateTime(QDate(2026, 12, 9), QTime(14, 3, 5)));
    EXPECT_EQ(projekt.FOXKontakt().UniqueIDFeldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_TRUE(projekt.IsSaved());
    EXPECT_FALSE(projekt.IsChanged());
}

TEST_F(ProjectOpen, TheProjectFileIsReadOnceForAllItsKeys)
{
    GTestScriptedUi ui;
    const QString file = writeProject(QStringLiteral("Kunden.dlx"),
                                      standardLines(m_database) << QStringLiteral("SQLStringADODaten=SELECT 1"),
                                      QStringLiteral("Kunden"));
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    // Closes are watched too: identical events in a row would be merged into one.
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(file).constData(), IN_OPEN | IN_CLOSE), 0);
    clProjekt projekt;
    ASSERT_TRUE(projekt.OpenProjekt(file));
    int opens = 0;
    alignas(inotify_event) char events[4096];
    for (ssize_t n; (n = ::read(watch, events, sizeof events)) > 0;) {
        for (ssize_t at = 0; at < n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(events + at);
            opens += (event->mask & IN_OPEN) != 0;
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    ::close(watch);
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(projekt.FOXADODaten().SQLString(), QStringLiteral("SELECT 1"));
    EXPECT_EQ(projekt.FOXKontakt().SyncFeldName(), QStringLiteral("ACTFieldID|1"));
}

TEST_F(ProjectOpen, OnlyTheContactsFileNeedsToExistAndAbsentKeysGiveDefaults)
{
    GTestScriptedUi ui;
    const QString file = writeProject(QStringLiteral("Kunden.dlx"), standardLines(m_database), QStringLiteral("Kunden"));
    clProjekt projekt;
    // The table file of the project open before is not taken for this one's.
    projekt.FOXNotiz().setDatei(QStringLiteral("/frueher/Alt_Notizen.fox"));
    ASSERT_TRUE(projekt.OpenProjekt(file));
    EXPECT_EQ(projekt.FOXNotiz().Datei(), QString());
    EXPECT_EQ(projekt.FOXNotiz().Datum(), QDateTime(QDate(1970, 1, 1), QTime(0, 0)));
    EXPECT_EQ(projekt.FOXGruppen().SyncFeldName(), QString());
    EXPECT_EQ(projekt.FOXADODaten().ConnectionString(), QString());
    EXPECT_FALSE(projekt.IsChanged());
}

TEST_F(ProjectOpen, TableFilesAreLookedUpUnderTheStoredNameNotTheFileName)
{
    GTestScriptedUi ui;
    const QString file = writeProject(QStringLiteral("Umbenannt.dlx"), standardLines(m_database, "Kunden"), "Kunden");
    touch(clProjekt::TableFilePath(folder(), "Kunden", QString::fromUtf8("Aufträge")));
    clProjekt projekt;
    ASSERT_TRUE(projekt.OpenProjekt(file));
    EXPECT_EQ(projekt.Name(), QStringLiteral("Kunden"));
    EXPECT_EQ(projekt.Datei(), file);
    EXPECT_EQ(projekt.FOXAuftrag().Datei(), clProjekt::TableFilePath(folder(), "Kunden", QString::fromUtf8("Aufträge")));
}

TEST_F(ProjectOpen, AFileWithoutFolderOrInTheRootIsRefused)
{
    for (const char *file : {"a.dlx", "/a.dlx"}) {
        GTestScriptedUi ui;
        ui.expectMsgBox(MsgIcon::Exclamation, QString::fromUtf8("Die Datei \"%1\" ist keine gültige Datolux-Projektdatei.")
                                                  .arg(QLatin1String(file)));
        clProjekt projekt;
        EXPECT_FALSE(projekt.OpenProjekt(QLatin1String(file)));
        EXPECT_FALSE(projekt.IsSaved());
    }
}

TEST_F(ProjectOpen, AFileInAFolderRightBelowTheRootPassesThePathCheck)
{
    // "/x/a.dlx" is accepted as far as its path goes (it then fails for want of the file).
    GTestScriptedUi ui;
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Es fehlt der Projektname."));
    clProjekt projekt;
    EXPECT_FALSE(projekt.OpenProjekt(QStringLiteral("/x/a.dlx")));
    EXPECT_EQ(projekt.Ordner(), QString());
}

TEST_F(ProjectOpen, AMissingOrEmptyProjectNameIsRefused)
{
    QStringList withoutName = standardLines(m_database);
    withoutName.removeFirst();
    QStringList emptyName = standardLines(m_database);
    emptyName[0] = QStringLiteral("ProjectName=");
    for (const QStringList &lines : {withoutName, emptyName}) {
        GTestScriptedUi ui;
        const QString file = writeProject(QStringLiteral("Kunden.dlx"), lines, QStringLiteral("Kunden"));
        ui.expectMsgBox(MsgIcon::Exclamation, QString::fromUtf8("Die Datei \"%1\" ist keine gültige "
                                                                "Datolux-Projektdatei.\r\nEs fehlt der Projektname.")
                                                  .arg(file));
        clProjekt projekt;
        EXPECT_FALSE(projekt.OpenProjekt(file));
        EXPECT_EQ(projekt.Name(), QStringLiteral("Unbenannt"));
    }
}

TEST_F(ProjectOpen, AMissingDatabaseKeyOrFileIsRefused)
{
    {
        GTestScriptedUi ui;
        const QString file = writeProject(QStringLiteral("a.dlx"), {QStringLiteral("ProjectName=Kunden")}, "Kunden");
        ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("\r\nEs fehlt die ACT!-Datenbank"));
        clProjekt projekt;
        EXPECT_FALSE(projekt.OpenProjekt(file));
        EXPECT_FALSE(ui.records().last().text.endsWith(QLatin1Char('.')));
        // The name read before the refusal is not taken.
        EXPECT_EQ(projekt.Name(), QStringLiteral("Unbenannt"));
    }
    {
        GTestScriptedUi ui;
        const QString gone = path(QStringLiteral("act/Weg.dbf"));
        const QString file = writeProject(QStringLiteral("b.dlx"), standardLines(gone), "Kunden");
        ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Die ACT!-Datenbank \"%1\" kann nicht gefunden werden.").arg(gone));
        clProjekt projekt;
        EXPECT_FALSE(projekt.OpenProjekt(file));
    }
}

TEST_F(ProjectOpen, AMissingContactsTableFileIsRefused)
{
    GTestScriptedUi ui;
    const QString file = writeProject(QStringLiteral("Kunden.dlx"), standardLines(m_database));
    const QString contacts = clProjekt::TableFilePath(folder(), "Kunden", "Kontakte");
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Die Kontaktdaten-Datei \"%1\" kann nicht gefunden werden.").arg(contacts));
    clProjekt projekt;
    EXPECT_FALSE(projekt.OpenProjekt(file));
    EXPECT_FALSE(projekt.IsSaved());
}

TEST_F(ProjectOpen, ADateOfOtherRegionalSettingsIsReadLenientlyAndAnUnreadableOneCountsAsMissing)
{
    GTestScriptedUi ui;
    QStringList lines = standardLines(m_database);
    lines[3] = QStringLiteral("DataDateKontakte=12/24/2025 2:05:07 PM");
    lines << QStringLiteral("DataDateNotizen=irgendwann");
    const QString file = writeProject(QStringLiteral("Kunden.dlx"), lines, QStringLiteral("Kunden"));
    clProjekt projekt;
    ASSERT_TRUE(projekt.OpenProjekt(file));
    EXPECT_EQ(projekt.FOXKontakt().Datum(), QDateTime(QDate(2025, 12, 24), QTime(14, 5, 7)));
    EXPECT_EQ(projekt.FOXNotiz().Datum(), QDateTime(QDate(1970, 1, 1), QTime(0, 0)));
}

TEST_F(ProjectOpen, WithoutAFileTheDialogAsksAndRemembersTheFolder)
{
    QTemporaryDir settingsDir;
    setOptionsFile(settingsDir.filePath(QStringLiteral("Datolux.ini")));
    GTestScriptedUi ui;
    const QString file = writeProject(QStringLiteral("Kunden.dlx"), standardLines(m_database), QStringLiteral("Kunden"));
    ui.expectFileDialog(QStringList{file});
    clProjekt projekt;
    ASSERT_TRUE(projekt.OpenProjekt());
    const platform::FileDialogRequest &request = ui.records().first().fileRequest;
    EXPECT_EQ(request.title, QString::fromUtf8("Datolux-Projekt öffnen"));
    EXPECT_EQ(request.defaultExt, QStringLiteral("dlx"));
    EXPECT_EQ(request.filters, (QStringList{QStringLiteral("Datolux-Projektdatei (*.dlx)"), QStringLiteral("*.dlx")}));
    EXPECT_TRUE(request.fileMustExist);
    EXPECT_EQ(projekt.Ordner(), folder());
    EXPECT_EQ(GetOption(QStringLiteral("DirProject")).toString(), folder() + QLatin1Char('/'));

    ui.expectFileDialog(std::nullopt);
    clProjekt cancelled;
    EXPECT_FALSE(cancelled.OpenProjekt());
    setOptionsFile(QString());
}

} // namespace
