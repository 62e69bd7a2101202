// Shut-down: the save question, the closing status text, what is released, and close requests
// while the question shows.
#include "MainWindowFixture.h"
#include "mainwindow_project/ProjectCommandFixture.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

using namespace mainwindow;
using platform::MsgAnswer;
using platform::MsgIcon;

class ShutDown : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        load();
        modHaupt::Kontakte = std::make_unique<FakeRecord>();
        modHaupt::Notizen = std::make_unique<FakeRecord>();
    }

    void expectEverythingReleased()
    {
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(modHaupt::Projekt, nullptr);
        EXPECT_TRUE(modHaupt::RecordObjectsInCancelOrder().isEmpty());
        EXPECT_EQ(window->StatusPanel()->text(), QStringLiteral("Das Programm wird beendet..."));
        EXPECT_TRUE(options.contains(QStringLiteral("WindowWidth")));
        EXPECT_TRUE(options.contains(QStringLiteral("BarTop")));
    }
};

TEST_F(ShutDown, AnUnchangedProjectClosesWithoutAQuestion)
{
    closeWindow(); // the scripted UI fails the test on any message box
    expectEverythingReleased();
}

TEST_F(ShutDown, AChangedProjectAsksAndNoClosesWithoutSaving)
{
    modHaupt::Projekt->DataChanged();
    ui.expectMsgBox(MsgIcon::Question,
                    QStringLiteral("Sollen zuvor die Änderungen im Projekt \"Unbenannt\" gespeichert werden?"),
                    MsgAnswer::No);
    closeWindow();
    ASSERT_EQ(ui.records().size(), 1);
    EXPECT_EQ(ui.records().at(0).buttons, platform::MsgButtons::YesNo);
    expectEverythingReleased();
}

TEST_F(ShutDown, YesRunsTheSaveCommandAndClosesWhateverItsOutcome)
{
    modHaupt::Projekt->setName(QStringLiteral("Kunden 2024"));
    modHaupt::Projekt->DataChanged();
    bool saved = false;
    window->AddCommand(QStringLiteral("mnuSaveProject"), [&] {
        saved = true;
        throw platform::VbError(75, QStringLiteral("Pfad-/Dateizugriffsfehler"));
    });
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("im Projekt \"Kunden 2024\" gespeichert"), MsgAnswer::Yes)
        .expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Pfad-/Dateizugriffsfehler"));
    closeWindow();
    EXPECT_TRUE(saved);
    expectEverythingReleased();
}

TEST_F(ShutDown, BeendenTakesTheSameRoad)
{
    window->Menu(QStringLiteral("mnuBeenden"))->trigger();
    expectEverythingReleased();
}

TEST_F(ShutDown, ASecondCloseWhileUnloadingDoesNotUnloadTwice)
{
    modHaupt::Projekt->DataChanged();
    int questions = 0;
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("gespeichert werden?"), MsgAnswer::No);
    // The close box is clicked again while the closing status text lets events run.
    ui.onDoEvents = [&] {
        if (++questions == 1)
            window->close();
    };
    closeWindow();
    ui.onDoEvents = nullptr;
    expectEverythingReleased();
}

// The real program on a display of its own with a window manager, closed as a user closes it.
class ShutDownUnderAWindowManager : public ProjectCommandFixture
{
protected:
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
    QProcess m_xvfb, m_openbox, m_datolux;

    void TearDown() override
    {
        for (QProcess *process : {&m_datolux, &m_openbox, &m_xvfb}) {
            process->kill();
            process->waitForFinished();
        }
        ProjectCommandFixture::TearDown();
    }

    QString x(const QString &tool, const QStringList &arguments)
    {
        QProcess process;
        process.setProcessEnvironment(m_env);
        process.start(tool, arguments);
        process.waitForFinished(10000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    // The id of the managed window with exactly this title once it is there, "" when it is not within ms.
    QString window(const QString &title, int ms = 30000)
    {
        for (QDeadlineTimer deadline(ms);; QThread::msleep(100)) {
            for (const QString &line : x(QStringLiteral("wmctrl"), {QStringLiteral("-l")}).split(QLatin1Char('\n'))) {
                const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts); // id desktop host title
                if (parts.size() > 3 && parts.mid(3).join(QLatin1Char(' ')) == title)
                    return parts.first();
            }
            if (deadline.hasExpired())
                return {};
        }
    }
    void keys(const QString &window, const QStringList &keys)
    {
        x(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-a"), window});
        QThread::msleep(300); // the window manager gives the focus on its own time
        x(QStringLiteral("xdotool"),
          QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("200")} + keys);
    }
};

TEST_F(ShutDownUnderAWindowManager, ASecondCloseWhileTheQuestionShowsWaitsForTheAnswer)
{
    expectNewMultiProject().expectFolder(folder(QStringLiteral("A")));
    run("mnuNewProject");
    run("mnuSaveProject");
    // A stored user the login corrects: the opened project is changed from the start.
    const QString project = folder(QStringLiteral("A/Team.dlx"));
    QByteArray file = read(project).replace("ACTDatabaseUser=Anna", "ACTDatabaseUser=XAnna");
    QFile out(project);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    out.close();

    m_xvfb.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    ASSERT_TRUE(m_xvfb.waitForReadyRead(10000));
    m_env.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(m_xvfb.readLine()).trimmed());
    m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder(QStringLiteral("config")));
    m_openbox.setProcessEnvironment(m_env);
    m_openbox.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    for (QDeadlineTimer deadline(10000); x("wmctrl", {"-m"}).isEmpty() && !deadline.hasExpired();)
        QThread::msleep(100);
    m_datolux.setProcessEnvironment(m_env);
    m_datolux.setProcessChannelMode(QProcess::ForwardedChannels);
    m_datolux.start(QStringLiteral(DATOLUX_PATH), {project});

    const QString login = window(QStringLiteral("ACT!-Datenbankanmeldung"));
    ASSERT_FALSE(login.isEmpty());
    keys(login, {"alt+b", "Home", "Delete", "alt+k", "K", "o", "n", "t", "a", "k", "t", "numbersign", "1", "Return"});
    const QString main = window(QStringLiteral("Datolux - Team"));
    ASSERT_FALSE(main.isEmpty());
    keys(main, {"alt+d", "b"}); // "Beenden"
    const QString question = window(QStringLiteral("Datolux"));
    ASSERT_FALSE(question.isEmpty());

    x(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-c"), main});
    ASSERT_FALSE(m_datolux.waitForFinished(1500)) << "the program ended without an answer";
    EXPECT_EQ(window(QStringLiteral("Datolux"), 0), question);
    keys(question, {"Return"}); // "Ja", the default answer
    ASSERT_TRUE(m_datolux.waitForFinished(30000));
    EXPECT_EQ(m_datolux.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_datolux.exitCode(), 0);
    EXPECT_TRUE(read(project).contains("ACTDatabaseUser=Anna")) << "the save wrote the corrected user";
}
