// Start-up: the program's language, which command lines name a project, and what the start
// procedure shows in which order.
#include "MainWindowFixture.h"
#include "QtGermanTexts.h"

#include "infozoom/InfoZoomTable.h"
#include "mainwindow/AgeText.h"
#include "platform/ProgramLanguage.h"
#include "project/VbDate.h"
#include "records/ADOValues.h"
#include "records/FieldValues.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>

using modHaupt::IsProjectCommandLine;

namespace {

QString touch(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("[Options]\r\n");
    return path;
}

// What the tables and the data overview show: a decimal, an external number, dates, a count and
// an order of names.
QStringList shownTexts()
{
    const QDateTime date(QDate(2026, 12, 9), QTime(12, 25, 34));
    QStringList names{QStringLiteral("Zander"), QString::fromUtf8("Äpfel"), QStringLiteral("apfel")};
    const QCollator collator;
    std::sort(names.begin(), names.end(), [&](const QString &a, const QString &b) { return collator(a, b); });
    return {records::DecimalValue(QStringLiteral("32698000.62")).toString(),
            records::ADOValueText(QVariant(1234.5)),
            mainwindow::DateText(date),
            project::DateToText(date),
            QLocale().toString(1250),
            names.join(u',')};
}

} // namespace

TEST(ProgramLanguage, ASystemNamingNoRegionLooksAsUnderGerman)
{
    ASSERT_EQ(QLocale::system().language(), QLocale::C) << "the tests run under LC_ALL=C.UTF-8";
    const QLocale pinned;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QStringList german = shownTexts();
    for (const QLocale &system : {QLocale::system(), QLocale::c(), QLocale(QStringLiteral("POSIX"))}) {
        QLocale::setDefault(platform::ProgramLocale(system));
        EXPECT_EQ(shownTexts().join(u'|').toStdString(), german.join(u'|').toStdString())
            << system.name().toStdString();
    }
    QLocale::setDefault(pinned);
}

TEST(ProgramLanguage, AnyOtherSystemLocaleIsUsedAsItIs)
{
    for (const QLocale &system :
         {QLocale(QLocale::French, QLocale::France), QLocale(QLocale::English, QLocale::UnitedStates),
          QLocale(QLocale::German, QLocale::Switzerland)})
        EXPECT_EQ(platform::ProgramLocale(system), system) << system.name().toStdString();
}

TEST(ProgramLanguage, StartUpSetsTheProgramLocaleAndQtsGermanTexts)
{
    const QLocale pinned;
    QLocale::setDefault(QLocale::c());
    QTranslator *translator = platform::UseProgramLanguage();
    const QLocale used;
    const QString deleteKey = QKeySequence(Qt::Key_Delete).toString(QKeySequence::NativeText);
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(pinned);
    EXPECT_EQ(used, platform::ProgramLocale(QLocale::system()));
    if (!translator)
        GTEST_SKIP() << QtGermanTexts::Missing;
    EXPECT_EQ(deleteKey, QStringLiteral("Entf"));
}

TEST(CommandLine, AnExistingProjectFileIsRecognised)
{
    QTemporaryDir dir;
    const QString path = touch(dir.filePath(QStringLiteral("Analyse.dlx")));
    EXPECT_TRUE(IsProjectCommandLine(path));
}

TEST(CommandLine, TheEndingIsComparedInLowerCase)
{
    QTemporaryDir dir;
    const QString path = touch(dir.filePath(QStringLiteral("ANALYSE.DLX")));
    EXPECT_TRUE(IsProjectCommandLine(path));
}

TEST(CommandLine, AQuotedPathIsNotAProject)
{
    QTemporaryDir dir;
    const QString path = touch(dir.filePath(QStringLiteral("Analyse.dlx")));
    EXPECT_FALSE(IsProjectCommandLine(QLatin1Char('"') + path + QLatin1Char('"')));
}

TEST(CommandLine, OtherEndingsMissingFilesAndShortLinesAreIgnored)
{
    QTemporaryDir dir;
    EXPECT_FALSE(IsProjectCommandLine(QString()));
    EXPECT_FALSE(IsProjectCommandLine(dir.filePath(QStringLiteral("fehlt.dlx"))));
    EXPECT_FALSE(IsProjectCommandLine(touch(dir.filePath(QStringLiteral("Analyse.txt")))));
    EXPECT_FALSE(IsProjectCommandLine(touch(dir.filePath(QStringLiteral("Analyse.dlxx")))));
    // A folder is not a project file, whatever its name.
    QDir(dir.path()).mkdir(QStringLiteral("Ordner.dlx"));
    EXPECT_FALSE(IsProjectCommandLine(dir.filePath(QStringLiteral("Ordner.dlx"))));
}

TEST(CommandLine, FourCharactersAreTooShortFiveAreEnough)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    touch(QStringLiteral(".dlx"));
    touch(QStringLiteral("a.dlx"));
    EXPECT_FALSE(IsProjectCommandLine(QStringLiteral(".dlx")));
    EXPECT_TRUE(IsProjectCommandLine(QStringLiteral("a.dlx")));
    QDir::setCurrent(previous);
}

TEST(CommandLine, ArgumentsJoinedByBlanksNameAPathWithBlanks)
{
    QTemporaryDir dir;
    const QString path = touch(dir.filePath(QStringLiteral("Mein Projekt.dlx")));
    const QStringList arguments = path.split(QLatin1Char(' '));
    ASSERT_EQ(arguments.size(), 2);
    EXPECT_EQ(modHaupt::CommandLineFromArguments(arguments), path);
    EXPECT_TRUE(IsProjectCommandLine(modHaupt::CommandLineFromArguments(arguments)));
}

class StartUp : public MainWindowFixture
{
protected:
    void SetUp() override {}

    // Runs Main and notes every text the start-up window showed, and whether the main window
    // was visible by then.
    void runMain(const QString &commandLine)
    {
        ui.onDoEvents = [this] {
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->objectName() == QLatin1String("frmSplash") && top->isVisible()) {
                    const QString text = top->findChild<QLabel *>(QStringLiteral("lbInfo"))->text();
                    if (m_splashTexts.isEmpty() || m_splashTexts.last() != text)
                        m_splashTexts << text;
                    if (modHaupt::MainWindow() && modHaupt::MainWindow()->isVisible())
                        m_mainShownDuringSplash = true;
                }
        };
        modHaupt::Main(commandLine, environment());
        ui.onDoEvents = nullptr;
    }

    QStringList m_splashTexts;
    bool m_mainShownDuringSplash = false;
};

TEST_F(StartUp, WithoutProjectTheEmptyProjectIsShown)
{
    runMain(QString());
    mainwindow::frmHaupt *main = modHaupt::MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Datolux - Unbenannt"));
    EXPECT_EQ(m_splashTexts, QStringList{QStringLiteral("wird gestartet...")});
    EXPECT_FALSE(m_mainShownDuringSplash);
    for (QWidget *top : QApplication::topLevelWidgets())
        EXPECT_NE(top->objectName(), QStringLiteral("frmSplash"));
    ASSERT_NE(modHaupt::Projekt, nullptr);
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
    EXPECT_EQ(main->ActiveTable(), main->InfoZoomKontakt());
    EXPECT_EQ(main->InfoZoomKontakt()->Tag(), QString());
    EXPECT_EQ(main->InfoZoomExtra()->Tag(), QString());
    EXPECT_EQ(main->StatusPanel()->text(), QString());
}

TEST_F(StartUp, AProjectOnTheCommandLineIsOpenedBeforeTheWindowShows)
{
    QTemporaryDir dir;
    const QString path = touch(dir.filePath(QStringLiteral("Analyse.dlx")));
    // The file holds no project name, so the open is refused (opened projects: tests/mainwindow_project).
    ui.expectMsgBox(platform::MsgIcon::Exclamation, QStringLiteral("Es fehlt der Projektname."));
    runMain(path);
    EXPECT_EQ(m_splashTexts,
              (QStringList{QStringLiteral("wird gestartet..."), QStringLiteral("Ein Datolux-Projekt wird geöffnet...")}));
    EXPECT_FALSE(m_mainShownDuringSplash);
    EXPECT_EQ(modHaupt::MainWindow()->StatusPanel()->text(), QString());
    EXPECT_FALSE(modHaupt::Projekt->IsSaved());
}

TEST_F(StartUp, AQuotedProjectPathStartsWithTheEmptyProject)
{
    QTemporaryDir dir;
    const QString path = touch(dir.filePath(QStringLiteral("Analyse.dlx")));
    runMain(QLatin1Char('"') + path + QLatin1Char('"'));
    EXPECT_EQ(m_splashTexts, QStringList{QStringLiteral("wird gestartet...")});
    EXPECT_EQ(modHaupt::MainWindow()->StatusPanel()->text(), QString());
}

TEST_F(StartUp, LoadResetsBothTablesToTheStandardLook)
{
    mainwindow::frmHaupt &main = load();
    for (InfoZoomControl *control : {main.InfoZoomKontakt(), main.InfoZoomExtra()}) {
        const InfoZoomTable *table = control->Table();
        EXPECT_EQ(table->MainColorRed(), 127);
        EXPECT_EQ(table->MainColorGreen(), 127);
        EXPECT_EQ(table->MainColorBlue(), 127);
        EXPECT_FALSE(table->DisplayOptionA());
        EXPECT_FALSE(table->DisplayOptionB());
        EXPECT_FALSE(table->DisplayOptionE());
        EXPECT_FALSE(table->DisplayOptionI());
        EXPECT_FALSE(table->DisplayOptionK());
        EXPECT_FALSE(table->DisplayOptionM());
        EXPECT_TRUE(table->DisplayOptionH());
        EXPECT_TRUE(table->DisplayOptionT());
        EXPECT_TRUE(table->DisplayOptionJ());
        EXPECT_TRUE(table->DisplayOptionR());
    }
    EXPECT_EQ(main.Trennbalken()->color(), QColor(127, 127, 127));
}
