// The UI services shown with Qt Widgets, with German button texts.
#pragma once

#include "UiServices.h"

#include <memory>

class QFileDialog;
class QWidget;

namespace platform {

class QtUiServices final : public UiServices
{
public:
    MsgAnswer msgBox(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title) override;
    bool inputBox(const QString &prompt, const QString &title, const QString &defaultText, QString *result) override;
    int showModal(QDialog *dialog) override;
    bool fileDialog(const FileDialogRequest &request, QStringList *chosen) override;
    QString browseForFolder(const QString &title, const QString &startDir) override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;
    void beep() override;
    void setWaitCursor(bool wait) override;
    void doEvents() override;
};

// Builds the Qt name filter list ("Beschreibung (*.a *.b)") from description/pattern pairs.
QStringList qtNameFilters(const QStringList &pairs);

// The file dialog fileDialog shows, set up from the request but not yet shown: always Qt's own,
// which speaks the program's German on every desktop.
std::unique_ptr<QFileDialog> makeFileDialog(const FileDialogRequest &request, QWidget *parent);

} // namespace platform
