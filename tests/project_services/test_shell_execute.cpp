// Shell launching: what reaches the desktop helpers, the result codes, and the kept process
// behind StillExecuting. A recording launcher stands in for xdg-open and lp; one test starts a
// real harmless program.
#include "GTestScriptedUi.h"
#include "IniTestFiles.h"
#include "project/ShellLauncher.h"
#include "project/clShellExecute.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

using namespace project;

namespace {

// Records each start and runs a harmless shell command in place of the real program.
class RecordingLauncher : public ShellLauncher
{
public:
    struct Call
    {
        QString program;
        QStringList arguments;
        QString workingDirectory;
    };

    std::unique_ptr<QProcess> start(const QString &program, const QStringList &arguments,
                                    const QString &workingDirectory) override
    {
        calls.append({program, arguments, workingDirectory});
        if (refuse)
            return nullptr;
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral("sh"), {QStringLiteral("-c"), standIn});
        if (!process->waitForStarted())
            return nullptr;
        return process;
    }

    QList<Call> calls;
    QString standIn = QStringLiteral("exit 0"); // what the stand-in process does
    bool refuse = false;
};

class ShellExecuteTest : public IniFileTest
{
protected:
    void SetUp() override
    {
        IniFileTest::SetUp();
        setShellLauncher(&m_launcher);
    }
    void TearDown() override { setShellLauncher(nullptr); }

    GTestScriptedUi m_ui; // the shell object itself shows nothing
    RecordingLauncher m_launcher;
};

TEST_F(ShellExecuteTest, LaunchDocumentOfAnExistingDocumentIsTrueAndKeepsItsProcess)
{
    const QString doc = write("%PDF", "Anleitung.pdf");
    m_launcher.standIn = QStringLiteral("sleep 3");
    clShellExecute shell;
    EXPECT_EQ(shell.LaunchDocument(nullptr, doc, m_dir.path(), 10), clShellExecute::True);
    ASSERT_EQ(m_launcher.calls.size(), 1);
    EXPECT_EQ(m_launcher.calls[0].program, "xdg-open");
    EXPECT_EQ(m_launcher.calls[0].arguments, QStringList{doc});
    EXPECT_EQ(m_launcher.calls[0].workingDirectory, m_dir.path());
    EXPECT_GT(shell.LastInstApp(), 32);
    EXPECT_TRUE(shell.StillExecuting());
}

TEST_F(ShellExecuteTest, StillExecutingTurnsFalseWhenTheProcessEnds)
{
    const QString doc = write("x", "brief.txt");
    m_launcher.standIn = QStringLiteral("sleep 2.5");
    clShellExecute shell;
    ASSERT_EQ(shell.LaunchDocument(nullptr, doc), clShellExecute::True);
    EXPECT_TRUE(shell.StillExecuting());
    QElapsedTimer timer;
    timer.start();
    while (shell.StillExecuting() && timer.elapsed() < 10000)
        QThread::msleep(50);
    EXPECT_FALSE(shell.StillExecuting());
}

TEST_F(ShellExecuteTest, MissingFileOrFolderGivesTheShellErrorCodeWithoutStartingAnything)
{
    clShellExecute shell;
    EXPECT_EQ(shell.LaunchDocument(nullptr, path("fehlt.pdf")), clShellExecute::ErrFileNotFound);
    EXPECT_EQ(shell.LastInstApp(), clShellExecute::ErrFileNotFound);
    EXPECT_FALSE(shell.StillExecuting());
    EXPECT_EQ(shell.LaunchDocument(nullptr, path("kein/ordner.pdf")), clShellExecute::ErrPathNotFound);
    EXPECT_EQ(shell.PrintDocument(nullptr, path("fehlt.txt")), clShellExecute::ErrFileNotFound);
    EXPECT_EQ(shell.LaunchFolder(nullptr, path("fehlt")), clShellExecute::ErrFileNotFound);
    EXPECT_TRUE(m_launcher.calls.isEmpty());
}

TEST_F(ShellExecuteTest, HelperThatCannotOpenTheDocumentGivesItsCode)
{
    const QString doc = write("x", "daten.xyz");
    clShellExecute shell;
    m_launcher.standIn = QStringLiteral("exit 3"); // xdg-open: no program for it
    EXPECT_EQ(shell.LaunchDocument(nullptr, doc), clShellExecute::ErrNoAssociation);
    m_launcher.refuse = true; // xdg-open itself missing
    EXPECT_EQ(shell.LaunchURL(nullptr, "https://example.org"), clShellExecute::ErrNoAssociation);
}

TEST_F(ShellExecuteTest, StillExecutingIsFalseOnANewObjectAndAfterLaunchURL)
{
    clShellExecute shell;
    EXPECT_FALSE(shell.StillExecuting());
    m_launcher.standIn = QStringLiteral("sleep 3");
    EXPECT_EQ(shell.LaunchURL(nullptr, "https://example.org/dao"), clShellExecute::True);
    EXPECT_EQ(shell.LastInstApp(), 0);
    EXPECT_FALSE(shell.StillExecuting());
    EXPECT_EQ(m_launcher.calls.at(0).arguments, QStringList{"https://example.org/dao"});
}

TEST_F(ShellExecuteTest, LaunchEmailPassesMailtoAndTheAddress)
{
    clShellExecute shell;
    EXPECT_EQ(shell.LaunchEmail(nullptr, "info@example.org"), clShellExecute::True);
    ASSERT_EQ(m_launcher.calls.size(), 1);
    EXPECT_EQ(m_launcher.calls[0].program, "xdg-open");
    EXPECT_EQ(m_launcher.calls[0].arguments, QStringList{"mailto:info@example.org"});
}

TEST_F(ShellExecuteTest, BareWebAddressIsOpenedAsWebAddress)
{
    clShellExecute shell;
    EXPECT_EQ(shell.LaunchURL(nullptr, "www.example.org"), clShellExecute::True);
    EXPECT_EQ(m_launcher.calls.at(0).arguments, QStringList{"http://www.example.org"});
}

TEST_F(ShellExecuteTest, PrintDocumentGoesToLpAndReportsItsRefusal)
{
    const QString doc = write("Text", "liste.txt");
    clShellExecute shell;
    EXPECT_EQ(shell.PrintDocument(nullptr, doc), clShellExecute::True);
    EXPECT_EQ(m_launcher.calls.at(0).program, "lp");
    EXPECT_EQ(m_launcher.calls.at(0).arguments, (QStringList{"--", doc}));
    m_launcher.standIn = QStringLiteral("exit 1"); // no printer
    EXPECT_EQ(shell.PrintDocument(nullptr, doc), clShellExecute::ErrNoAssociation);
}

TEST_F(ShellExecuteTest, ExploreWantsAFolder)
{
    const QString file = write("x", "datei.txt");
    clShellExecute shell;
    EXPECT_EQ(shell.Explore(nullptr, m_dir.path()), clShellExecute::True);
    EXPECT_EQ(shell.Explore(nullptr, file), clShellExecute::ErrNoAssociation);
    EXPECT_EQ(m_launcher.calls.size(), 1);
}

TEST_F(ShellExecuteTest, EnvironmentVariablesInTheDocumentAreExpanded)
{
    write("x", "handbuch.pdf");
    qputenv("DATOLUX_TEST_DIR", m_dir.path().toLocal8Bit());
    clShellExecute shell;
    EXPECT_EQ(shell.LaunchDocument(nullptr, "%DATOLUX_TEST_DIR%/handbuch.pdf"), clShellExecute::True);
    EXPECT_EQ(shell.LaunchDocument(nullptr, "${DATOLUX_TEST_DIR}/handbuch.pdf"), clShellExecute::True);
    EXPECT_EQ(shell.LaunchDocument(nullptr, "%DATOLUX_UNDEFINED_VAR%/handbuch.pdf"), clShellExecute::ErrPathNotFound);
    ASSERT_EQ(m_launcher.calls.size(), 2);
    EXPECT_EQ(m_launcher.calls[1].arguments, QStringList{path("handbuch.pdf")});
    qunsetenv("DATOLUX_TEST_DIR");
}

TEST_F(ShellExecuteTest, LaunchProgramSplitsParametersAndFindsTheProgramOnThePath)
{
    clShellExecute shell;
    EXPECT_EQ(shell.LaunchProgram(nullptr, "sh", "-c \"exit 0\"", m_dir.path()), clShellExecute::True);
    ASSERT_EQ(m_launcher.calls.size(), 1);
    EXPECT_TRUE(m_launcher.calls[0].program.endsWith("/sh"));
    EXPECT_EQ(m_launcher.calls[0].arguments, (QStringList{"-c", "exit 0"}));
    EXPECT_EQ(shell.LaunchProgram(nullptr, "datolux-gibt-es-nicht", ""), clShellExecute::ErrFileNotFound);
}

TEST(ShellExecuteReal, StartsAHarmlessProgramAndWatchesIt)
{
    GTestScriptedUi ui;
    clShellExecute shell;
    ASSERT_EQ(shell.LaunchProgram(nullptr, "sleep", "2"), clShellExecute::True);
    EXPECT_TRUE(shell.StillExecuting());
    QElapsedTimer timer;
    timer.start();
    while (shell.StillExecuting() && timer.elapsed() < 10000)
        QThread::msleep(50);
    EXPECT_FALSE(shell.StillExecuting());
    EXPECT_GE(timer.elapsed(), 500);
}

TEST(ShellExecuteReal, ObjectGoingAwayLeavesTheStartedProgramRunning)
{
    GTestScriptedUi ui;
    QTemporaryDir dir;
    const QString marker = dir.filePath("fertig");
    {
        clShellExecute shell;
        ASSERT_EQ(shell.LaunchProgram(nullptr, "sh", "-c \"sleep 0.5; touch '" + marker + "'\""), clShellExecute::True);
    }
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(marker) && timer.elapsed() < 10000)
        QThread::msleep(50);
    EXPECT_TRUE(QFile::exists(marker));
}

} // namespace
