// Qt implementation of the UI services.
#include "QtUiServices.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

QMessageBox::Icon toQtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Qt's file model writes sizes and dates under the system's regional settings; the dialog shows
// them under the program's, which are German where the system names none.
class ProgramLocaleFiles final : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (role != Qt::DisplayRole || !files || (index.column() != SizeColumn && index.column() != DateColumn))
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        if (index.column() == DateColumn)
            return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        if (files->isDir(source))
            return QIdentityProxyModel::data(index, role);
        return QLocale().formattedDataSize(files->size(source));
    }

private:
    static constexpr int SizeColumn = 1;
    static constexpr int DateColumn = 3;
};

// Qt's own file dialog with sizes and dates under the program's regional settings: the desktop's own
// dialog would speak the desktop's language, not the program's German.
std::unique_ptr<QFileDialog> programFileDialog(QWidget *parent, const QString &title, const QString &dir)
{
    auto dialog = std::make_unique<QFileDialog>(parent, title, dir);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setProxyModel(new ProgramLocaleFiles(dialog.get()));
    return dialog;
}

} // namespace

MsgAnswer QtUiServices::msgBox(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title)
{
    QMessageBox box(toQtIcon(icon), title.isEmpty() ? defaultTitle() : title, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton *yes = nullptr;
    QPushButton *no = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
    switch (buttons) {
    case MsgButtons::OK:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        break;
    case MsgButtons::OKCancel:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        break;
    case MsgButtons::YesNo:
        yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        break;
    case MsgButtons::YesNoCancel:
        yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        break;
    }
    box.setDefaultButton(ok ? ok : yes);
    if (cancel)
        box.setEscapeButton(cancel);
    else if (no)
        box.setEscapeButton(no);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (clicked == yes && yes)
        return MsgAnswer::Yes;
    if (clicked == no && no)
        return MsgAnswer::No;
    if (clicked == ok && ok)
        return MsgAnswer::OK;
    if (cancel)
        return MsgAnswer::Cancel;
    // Closed by the frame: the escape answer.
    return no ? MsgAnswer::No : MsgAnswer::OK;
}

bool QtUiServices::inputBox(const QString &prompt, const QString &title, const QString &defaultText, QString *result)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title.isEmpty() ? defaultTitle() : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (result)
        *result = dialog.textValue();
    return true;
}

int QtUiServices::showModal(QDialog *dialog) { return dialog->exec(); }

QStringList qtNameFilters(const QStringList &pairs)
{
    QStringList result;
    for (int i = 0; i + 1 < pairs.size(); i += 2) {
        QString patterns = pairs.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString description = pairs.at(i);
        // Descriptions often already name their pattern: "Projekte (*.dlx)".
        if (description.contains(QLatin1Char('(')))
            description = description.left(description.indexOf(QLatin1Char('('))).trimmed();
        result << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return result;
}

std::unique_ptr<QFileDialog> makeFileDialog(const FileDialogRequest &request, QWidget *parent)
{
    std::unique_ptr<QFileDialog> dialog = programFileDialog(parent, request.title, request.initialDir);
    dialog->setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    if (request.open)
        dialog->setFileMode(request.multiSelect     ? QFileDialog::ExistingFiles
                            : request.fileMustExist ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
    else
        dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    const QStringList filters = qtNameFilters(request.filters);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        const int index = request.filterIndex > 0 ? request.filterIndex - 1 : 0;
        if (index < filters.size())
            dialog->selectNameFilter(filters.at(index));
    }
    if (!request.defaultExt.isEmpty())
        dialog->setDefaultSuffix(request.defaultExt);
    if (!request.fileName.isEmpty())
        dialog->selectFile(request.fileName);
    return dialog;
}

bool QtUiServices::fileDialog(const FileDialogRequest &request, QStringList *chosen)
{
    const std::unique_ptr<QFileDialog> dialog = makeFileDialog(request, QApplication::activeWindow());
    if (dialog->exec() != QDialog::Accepted)
        return false;
    const QStringList files = dialog->selectedFiles();
    if (files.isEmpty())
        return false;
    if (chosen)
        *chosen = files;
    return true;
}

QString QtUiServices::browseForFolder(const QString &title, const QString &startDir)
{
    const std::unique_ptr<QFileDialog> dialog = programFileDialog(QApplication::activeWindow(), title, startDir);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setFileMode(QFileDialog::Directory);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    return dialog->selectedFiles().constFirst();
}

void QtUiServices::setClipboardText(const QString &text) { QGuiApplication::clipboard()->setText(text); }

QString QtUiServices::clipboardText() { return QGuiApplication::clipboard()->text(); }

void QtUiServices::beep() { QApplication::beep(); }

void QtUiServices::setWaitCursor(bool wait)
{
    if (wait)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

void QtUiServices::doEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

} // namespace platform
