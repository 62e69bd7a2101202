// The one door to everything that talks to the user: message boxes, input box, file and folder
// dialogs, modal dialogs, clipboard, beep, wait cursor and letting waiting events run.
// Commands call these and never Qt's dialogs directly, so that tests can answer them from a script.
#pragma once

#include <QString>
#include <QStringList>
#include <exception>

class QDialog;
class QWidget;

namespace platform {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgAnswer { OK, Cancel, Yes, No };

// What a common open or save dialog is asked to show. Filters come as pairs of description and
// pattern ("Datolux-Projekte (*.dlx)", "*.dlx"); patterns may hold several globs joined by ';'.
struct FileDialogRequest
{
    bool open = true;
    QString title;
    QString initialDir;
    QString fileName; // proposed name
    QString defaultExt; // without the period
    QStringList filters;
    int filterIndex = 0; // 1-based; 0 = the first pair
    bool fileMustExist = false;
    bool pathMustExist = false;
    bool overwritePrompt = false;
    bool multiSelect = false;
};

class UiServices
{
public:
    virtual ~UiServices() = default;

    // An empty title stands for the program's default title "Datolux".
    virtual MsgAnswer msgBox(const QString &text, MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::OK,
                             const QString &title = QString()) = 0;
    // Returns false on cancel; *result is then left alone.
    virtual bool inputBox(const QString &prompt, const QString &title, const QString &defaultText,
                          QString *result) = 0;
    // Shows a dialog modally and returns its QDialog result code.
    virtual int showModal(QDialog *dialog) = 0;
    // Returns false on cancel; on OK *chosen holds the full paths (one, or several with multiSelect).
    virtual bool fileDialog(const FileDialogRequest &request, QStringList *chosen) = 0;
    // Returns the chosen folder, "" on cancel.
    virtual QString browseForFolder(const QString &title, const QString &startDir = QString()) = 0;

    virtual void setClipboardText(const QString &text) = 0;
    virtual QString clipboardText() = 0;
    virtual void beep() = 0;
    // Nested: every true needs its false.
    virtual void setWaitCursor(bool wait) = 0;
    // Lets waiting window events run (clicks on a cancel panel reach a running loop this way).
    virtual void doEvents() = 0;
};

// The program-wide services; the application or a test installs them before anything runs.
UiServices &ui();
void setUi(UiServices *services);

inline void DoEvents() { ui().doEvents(); }

// Default title of message boxes.
QString defaultTitle();

// The text that reports a failure nobody trapped: "Fehler " with number and description of a VB
// error, "Fehler: " with the description of any other one.
QString FailureText(const std::exception_ptr &failure);
// Shows FailureText in one exclamation box. Never throws: it is the last word on a failure, so when
// not even the box can be shown the text goes to the error output.
void ReportFailure(const std::exception_ptr &failure) noexcept;

// Runs wait-cursor on for the lifetime of the object.
class WaitCursor
{
public:
    WaitCursor() { ui().setWaitCursor(true); }
    ~WaitCursor() { ui().setWaitCursor(false); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace platform
