// Scripted UI services for headless tests.
#include "ScriptedUi.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDebug>

namespace platform {

ScriptedUi::ScriptedUi() = default;
ScriptedUi::~ScriptedUi() = default;

QString ScriptedUi::kindName(Kind kind)
{
    switch (kind) {
    case Kind::MsgBox:
        return QStringLiteral("message box");
    case Kind::InputBox:
        return QStringLiteral("input box");
    case Kind::FileDialog:
        return QStringLiteral("file dialog");
    case Kind::Folder:
        return QStringLiteral("folder dialog");
    case Kind::Modal:
        return QStringLiteral("modal dialog");
    }
    return QString();
}

ScriptedUi &ScriptedUi::expectMsgBox(MsgIcon icon, const QString &textFragment, MsgAnswer answer)
{
    Expectation e{Kind::MsgBox};
    e.icon = icon;
    e.fragment = textFragment;
    e.answer = answer;
    m_script.append(e);
    return *this;
}

ScriptedUi &ScriptedUi::expectInputBox(const QString &promptFragment, std::optional<QString> answer)
{
    Expectation e{Kind::InputBox};
    e.fragment = promptFragment;
    e.text = std::move(answer);
    m_script.append(e);
    return *this;
}

ScriptedUi &ScriptedUi::expectFileDialog(std::optional<QStringList> chosen)
{
    Expectation e{Kind::FileDialog};
    e.files = std::move(chosen);
    m_script.append(e);
    return *this;
}

ScriptedUi &ScriptedUi::expectFolder(const QString &chosen)
{
    Expectation e{Kind::Folder};
    e.text = chosen;
    m_script.append(e);
    return *this;
}

ScriptedUi &ScriptedUi::expectModal(std::function<int(QDialog *)> handler)
{
    Expectation e{Kind::Modal};
    e.modal = std::move(handler);
    m_script.append(e);
    return *this;
}

void ScriptedUi::fail(const QString &message)
{
    qWarning().noquote() << "ScriptedUi:" << message;
    m_failures << message;
}

QStringList ScriptedUi::verify()
{
    for (const Expectation &e : std::as_const(m_script))
        fail(QStringLiteral("expected %1 \"%2\" was never shown").arg(kindName(e.kind), e.fragment));
    m_script.clear();
    return m_failures;
}

QStringList ScriptedUi::messageTexts() const
{
    QStringList texts;
    for (const Record &r : m_records)
        if (r.kind == Kind::MsgBox)
            texts << r.text;
    return texts;
}

std::optional<ScriptedUi::Expectation> ScriptedUi::take(Kind kind, const QString &text)
{
    if (m_script.isEmpty()) {
        fail(QStringLiteral("unexpected %1: \"%2\"").arg(kindName(kind), text));
        return std::nullopt;
    }
    Expectation e = m_script.takeFirst();
    if (e.kind != kind) {
        fail(QStringLiteral("expected %1 \"%2\", got %3 \"%4\"").arg(kindName(e.kind), e.fragment, kindName(kind), text));
        return std::nullopt;
    }
    if (!e.fragment.isEmpty() && !text.contains(e.fragment)) {
        fail(QStringLiteral("%1 text \"%2\" does not contain \"%3\"").arg(kindName(kind), text, e.fragment));
        return std::nullopt;
    }
    return e;
}

MsgAnswer ScriptedUi::msgBox(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title)
{
    Record r{Kind::MsgBox, text, title, icon, buttons};
    std::optional<Expectation> e = take(Kind::MsgBox, text);
    MsgAnswer answer = buttons == MsgButtons::YesNo ? MsgAnswer::No
                       : buttons == MsgButtons::OK  ? MsgAnswer::OK
                                                    : MsgAnswer::Cancel;
    if (e) {
        if (e->icon != icon)
            fail(QStringLiteral("message box \"%1\" shown with icon %2, expected %3")
                     .arg(text)
                     .arg(int(icon))
                     .arg(int(e->icon)));
        answer = e->answer;
    }
    r.answer = answer;
    m_records.append(r);
    return answer;
}

bool ScriptedUi::inputBox(const QString &prompt, const QString &title, const QString &defaultText, QString *result)
{
    Record r{Kind::InputBox, prompt, title};
    m_records.append(r);
    std::optional<Expectation> e = take(Kind::InputBox, prompt);
    if (!e || !e->text)
        return false;
    if (result)
        *result = *e->text;
    return true;
}

int ScriptedUi::showModal(QDialog *dialog)
{
    Record r{Kind::Modal, dialog ? dialog->windowTitle() : QString()};
    m_records.append(r);
    std::optional<Expectation> e = take(Kind::Modal, r.text);
    if (!e || !e->modal) {
        if (dialog)
            dialog->reject();
        return QDialog::Rejected;
    }
    return e->modal(dialog);
}

bool ScriptedUi::fileDialog(const FileDialogRequest &request, QStringList *chosen)
{
    Record r{Kind::FileDialog, request.title};
    r.fileRequest = request;
    m_records.append(r);
    std::optional<Expectation> e = take(Kind::FileDialog, request.title);
    if (!e || !e->files)
        return false;
    if (chosen)
        *chosen = *e->files;
    return true;
}

QString ScriptedUi::browseForFolder(const QString &title, const QString &startDir)
{
    Record r{Kind::Folder, title};
    m_records.append(r);
    std::optional<Expectation> e = take(Kind::Folder, title);
    return e && e->text ? *e->text : QString();
}

void ScriptedUi::doEvents()
{
    ++m_doEvents;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (onDoEvents)
        onDoEvents();
}

} // namespace platform
