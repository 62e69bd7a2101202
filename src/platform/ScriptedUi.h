// Test double of the UI services: answers from a script of expected calls and records every
// text, icon and answer. An unexpected call, or a mismatch of kind, icon or text, is a failure;
// so is an expectation left unused (see verify()).
#pragma once

#include "UiServices.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace platform {

class ScriptedUi : public UiServices
{
public:
    enum class Kind { MsgBox, InputBox, FileDialog, Folder, Modal };

    struct Record
    {
        Kind kind;
        QString text;  // message or prompt; the dialog title for file dialogs
        QString title; // as passed (empty = default title)
        MsgIcon icon = MsgIcon::None;
        MsgButtons buttons = MsgButtons::OK;
        MsgAnswer answer = MsgAnswer::OK;
        FileDialogRequest fileRequest;
    };

    ScriptedUi();
    ~ScriptedUi() override;

    // Each expect* queues one call; textFragment must occur in the shown text.
    ScriptedUi &expectMsgBox(MsgIcon icon, const QString &textFragment, MsgAnswer answer = MsgAnswer::OK);
    ScriptedUi &expectInputBox(const QString &promptFragment, std::optional<QString> answer);
    ScriptedUi &expectFileDialog(std::optional<QStringList> chosen);
    ScriptedUi &expectFolder(const QString &chosen);
    // The handler gets the dialog (already constructed and filled by the caller) and returns the
    // dialog result; it may fill the dialog's widgets and call accept() or reject().
    ScriptedUi &expectModal(std::function<int(QDialog *)> handler);

    // Failures so far (unexpected or mismatching calls, and with verify() unused expectations).
    QStringList failures() const { return m_failures; }
    // Adds a failure for every expectation left unused and returns all failures.
    QStringList verify();
    int pendingExpectations() const { return m_script.size(); }

    const QList<Record> &records() const { return m_records; }
    QStringList messageTexts() const;

    // Runs on every doEvents(), after waiting Qt events were processed: tests use it to
    // "click" while a loop runs.
    std::function<void()> onDoEvents;

    int beeps() const { return m_beeps; }
    int doEventsCalls() const { return m_doEvents; }
    int waitCursorDepth() const { return m_waitDepth; }

    MsgAnswer msgBox(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title) override;
    bool inputBox(const QString &prompt, const QString &title, const QString &defaultText, QString *result) override;
    int showModal(QDialog *dialog) override;
    bool fileDialog(const FileDialogRequest &request, QStringList *chosen) override;
    QString browseForFolder(const QString &title, const QString &startDir) override;
    void setClipboardText(const QString &text) override { m_clipboard = text; }
    QString clipboardText() override { return m_clipboard; }
    void beep() override { ++m_beeps; }
    void setWaitCursor(bool wait) override { m_waitDepth += wait ? 1 : -1; }
    void doEvents() override;

protected:
    // Called for every failure; the test support overrides it to fail the running test at once.
    virtual void fail(const QString &message);

private:
    struct Expectation
    {
        Kind kind;
        MsgIcon icon = MsgIcon::None;
        QString fragment;
        MsgAnswer answer = MsgAnswer::OK;
        std::optional<QString> text;
        std::optional<QStringList> files;
        std::function<int(QDialog *)> modal;
    };
    std::optional<Expectation> take(Kind kind, const QString &text);
    static QString kindName(Kind kind);

    QList<Expectation> m_script;
    QList<Record> m_records;
    QStringList m_failures;
    QString m_clipboard;
    int m_beeps = 0;
    int m_doEvents = 0;
    int m_waitDepth = 0;
};

} // namespace platform
