// Shut-down: the save question, the closing status text, and what is released.
#include "MainWindowFixture.h"

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
    window->close(); // the scripted UI fails the test on any message box
    expectEverythingReleased();
}

TEST_F(ShutDown, AChangedProjectAsksAndNoClosesWithoutSaving)
{
    modHaupt::Projekt->DataChanged();
    ui.expectMsgBox(MsgIcon::Question,
                    QStringLiteral("Sollen zuvor die Änderungen im Projekt \"Unbenannt\" gespeichert werden?"),
                    MsgAnswer::No);
    window->close();
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
    window->close();
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
    window->close();
    ui.onDoEvents = nullptr;
    expectEverythingReleased();
}
