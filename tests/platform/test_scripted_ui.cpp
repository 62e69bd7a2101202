// The scripted UI double must catch the mistakes a command test relies on it to catch; and the
// application object reports what escapes an event handler through the UI services.
#include "platform/ScriptedUi.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <gtest/gtest.h>

using namespace platform;

TEST(ScriptedUi, AnswersInOrderAndRecordsTexts)
{
    ScriptedUi ui;
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("gespeichert"), MsgAnswer::Yes)
        .expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Fehler"));
    EXPECT_EQ(ui.msgBox(QStringLiteral("Sollen die Änderungen gespeichert werden?"), MsgIcon::Question,
                        MsgButtons::YesNo, QString()),
              MsgAnswer::Yes);
    EXPECT_EQ(ui.msgBox(QStringLiteral("Fehler in Klasse X"), MsgIcon::Exclamation, MsgButtons::OK, QString()),
              MsgAnswer::OK);
    EXPECT_TRUE(ui.verify().isEmpty());
    ASSERT_EQ(ui.messageTexts().size(), 2);
    EXPECT_EQ(ui.records().at(0).buttons, MsgButtons::YesNo);
}

TEST(ScriptedUi, WrongIconTextOrKindIsAFailure)
{
    ScriptedUi ui;
    ui.expectMsgBox(MsgIcon::Information, QStringLiteral("ACT!"));
    ui.msgBox(QStringLiteral("Bitte starten Sie zuvor ACT!."), MsgIcon::Exclamation, MsgButtons::OK, QString());
    EXPECT_EQ(ui.failures().size(), 1);

    ui.expectMsgBox(MsgIcon::None, QStringLiteral("anders"));
    ui.msgBox(QStringLiteral("Text"), MsgIcon::None, MsgButtons::OK, QString());
    EXPECT_EQ(ui.failures().size(), 2);

    ui.expectInputBox(QString(), QStringLiteral("x"));
    ui.msgBox(QStringLiteral("Text"), MsgIcon::None, MsgButtons::OK, QString());
    EXPECT_EQ(ui.failures().size(), 3);
}

TEST(ScriptedUi, UnexpectedCallAndUnusedExpectationFail)
{
    ScriptedUi ui;
    // An unexpected question is answered with No, so a command never acts on a question nobody scripted.
    EXPECT_EQ(ui.msgBox(QStringLiteral("Frage?"), MsgIcon::Question, MsgButtons::YesNo, QString()), MsgAnswer::No);
    EXPECT_EQ(ui.failures().size(), 1);
    ui.expectFolder(QStringLiteral("/tmp"));
    EXPECT_EQ(ui.verify().size(), 2);
}

TEST(ScriptedUi, InputAndFileDialogsReturnScriptedValuesOrCancel)
{
    ScriptedUi ui;
    ui.expectInputBox(QStringLiteral("Name"), QStringLiteral("Projekt 1")).expectInputBox(QString(), std::nullopt);
    QString value = QStringLiteral("alt");
    EXPECT_TRUE(ui.inputBox(QStringLiteral("Name des Projekts"), QString(), QString(), &value));
    EXPECT_EQ(value, QStringLiteral("Projekt 1"));
    EXPECT_FALSE(ui.inputBox(QStringLiteral("Name"), QString(), QString(), &value));
    EXPECT_EQ(value, QStringLiteral("Projekt 1"));

    ui.expectFileDialog(QStringList{QStringLiteral("/a/b.dlx")}).expectFileDialog(std::nullopt);
    QStringList chosen;
    FileDialogRequest request;
    request.title = QStringLiteral("Projekt öffnen");
    EXPECT_TRUE(ui.fileDialog(request, &chosen));
    EXPECT_EQ(chosen, QStringList{QStringLiteral("/a/b.dlx")});
    EXPECT_FALSE(ui.fileDialog(request, &chosen));
    EXPECT_TRUE(ui.verify().isEmpty());
}

TEST(ScriptedUi, ModalHandlerDecidesTheResult)
{
    ScriptedUi ui;
    ui.expectModal([](QDialog *d) {
        d->setWindowTitle(QStringLiteral("gefüllt"));
        return int(QDialog::Accepted);
    });
    QDialog dialog;
    EXPECT_EQ(ui.showModal(&dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("gefüllt"));
    // Without a script the dialog is cancelled, never accepted.
    EXPECT_EQ(ui.showModal(&dialog), QDialog::Rejected);
    EXPECT_EQ(ui.failures().size(), 1);
}

TEST(ScriptedUi, DoEventsRunsTheHook)
{
    ScriptedUi ui;
    int clicks = 0;
    ui.onDoEvents = [&] { ++clicks; };
    ui.doEvents();
    ui.doEvents();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(ui.doEventsCalls(), 2);
}

namespace {

// An object whose own event handler fails, as a dialog's button or a timer of the program can.
class FailingReceiver final : public QObject
{
public:
    int events = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (++events == 1)
            throw VbError(5, QStringLiteral("Ungültiger Prozeduraufruf"));
        throw 5;
    }
};

} // namespace

TEST(GuardedApplication, AFailureEscapingAnEventHandlerIsReportedAndTheProgramGoesOn)
{
    ScriptedUi ui;
    setUi(&ui);
    FailingReceiver receiver;
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Fehler 5: Ungültiger Prozeduraufruf"))
        .expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Fehler: Ein unerwarteter Fehler ist aufgetreten."));
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &event);
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    setUi(nullptr);
    EXPECT_EQ(receiver.events, 2);
    EXPECT_TRUE(ui.verify().isEmpty());
}
