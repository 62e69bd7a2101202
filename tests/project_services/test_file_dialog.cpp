// The file dialog object: what reaches the UI services, what comes back, and the buffer cutting.
#include "GTestScriptedUi.h"
#include "QtGermanTexts.h"
#include "WaitFor.h"
#include "platform/QtUiServices.h"
#include "project/clFileDialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>

using namespace project;

namespace {

const QChar nul(0);

TEST(FileDialog, OpenDialogReceivesTitleFolderExtensionFilterPairsAndFlags)
{
    GTestScriptedUi ui;
    ui.expectFileDialog(QStringList{"/home/anwender/Projekte/Kunden.dlx"});
    clFileDialog dialog;
    dialog.setDialogTitle(QString::fromUtf8("Datolux-Projekt öffnen"));
    dialog.setInitialDir("/home/anwender/Projekte/");
    dialog.setDefaultExt("dlx");
    dialog.setFilter("Datolux-Projektdatei (*.dlx)|*.dlx|Alle Dateien (*.*)|*.*");
    dialog.setFilterIndex(2);
    dialog.setFlags(clFileDialog::OFN_FILEMUSTEXIST | clFileDialog::OFN_HIDEREADONLY);
    ASSERT_TRUE(dialog.Show(true));

    ASSERT_EQ(ui.records().size(), 1);
    const platform::FileDialogRequest &r = ui.records().at(0).fileRequest;
    EXPECT_TRUE(r.open);
    EXPECT_EQ(r.title, QString::fromUtf8("Datolux-Projekt öffnen"));
    EXPECT_EQ(r.initialDir, "/home/anwender/Projekte/");
    EXPECT_EQ(r.defaultExt, "dlx");
    EXPECT_EQ(r.filters, (QStringList{"Datolux-Projektdatei (*.dlx)", "*.dlx", "Alle Dateien (*.*)", "*.*"}));
    EXPECT_EQ(r.filterIndex, 2);
    EXPECT_TRUE(r.fileMustExist);
    EXPECT_TRUE(r.pathMustExist);
    EXPECT_FALSE(r.multiSelect);
    EXPECT_EQ(dialog.FileName(), "/home/anwender/Projekte/Kunden.dlx");
    EXPECT_EQ(dialog.FileTitle(), "Kunden.dlx");
}

TEST(FileDialog, CancelReturnsFalseAndKeepsTheProposedName)
{
    GTestScriptedUi ui;
    ui.expectFileDialog(std::nullopt);
    clFileDialog dialog;
    dialog.setFileName("Vorschlag.dlx");
    dialog.setFileTitle("alt");
    EXPECT_FALSE(dialog.Show(false));
    EXPECT_EQ(dialog.FileName(), "Vorschlag.dlx");
    EXPECT_EQ(dialog.FileTitle(), "alt");
    EXPECT_FALSE(ui.records().at(0).fileRequest.open);
    EXPECT_EQ(ui.records().at(0).fileRequest.fileName, "Vorschlag.dlx");
}

TEST(FileDialog, SaveDialogAsksBeforeOverwritingOnlyWhenTold)
{
    GTestScriptedUi ui;
    ui.expectFileDialog(QStringList{"/tmp/a.dlx"}).expectFileDialog(QStringList{"/tmp/a.dlx"});
    clFileDialog plain;
    ASSERT_TRUE(plain.Show(false));
    clFileDialog asking;
    asking.setFlags(clFileDialog::OFN_OVERWRITEPROMPT);
    ASSERT_TRUE(asking.Show(false));
    EXPECT_FALSE(ui.records().at(0).fileRequest.overwritePrompt);
    EXPECT_TRUE(ui.records().at(1).fileRequest.overwritePrompt);
}

TEST(FileDialog, SeveralFilesInTheMultipleFormComeBackAsFolderAndNames)
{
    GTestScriptedUi ui;
    ui.expectFileDialog(QStringList{"/daten/a.dbf", "/daten/b.dbf"});
    clFileDialog dialog;
    dialog.setFlags(clFileDialog::OFN_ALLOWMULTISELECT | clFileDialog::OFN_EXPLORER);
    ASSERT_TRUE(dialog.Show(true));
    EXPECT_TRUE(ui.records().at(0).fileRequest.multiSelect);
    EXPECT_EQ(dialog.FileName(), "/daten a.dbf b.dbf");

    // The old form without OFN_EXPLORER separates the names by blanks itself.
    ui.expectFileDialog(QStringList{"/daten/a.dbf", "/daten/c.dbf"});
    dialog.setFlags(clFileDialog::OFN_ALLOWMULTISELECT);
    ASSERT_TRUE(dialog.Show(true));
    EXPECT_EQ(dialog.FileName(), "/daten a.dbf c.dbf");
}

TEST(FileDialog, PathThatDoesNotFitMaxFileSizeIsRefused)
{
    GTestScriptedUi ui;
    const QString longPath = "/" + QString(20, 'x') + ".dlx"; // 25 characters
    ui.expectFileDialog(QStringList{longPath});
    ui.expectMsgBox(platform::MsgIcon::Exclamation, "ist zu lang (höchstens 24 Zeichen)");
    ui.expectFileDialog(QStringList{longPath});
    clFileDialog dialog;
    dialog.setMaxFileSize(25);
    dialog.setFileName("alt.dlx");
    EXPECT_FALSE(dialog.Show(true));
    EXPECT_EQ(dialog.FileName(), "alt.dlx");
    dialog.setMaxFileSize(26);
    EXPECT_TRUE(dialog.Show(true));
    EXPECT_EQ(dialog.FileName(), longPath);
}

TEST(TrimNulls, SingleFormEndsAtTheFirstNul)
{
    EXPECT_EQ(clFileDialog::TrimNulls(QString("C:\\a.dlx") + nul + "rest" + nul, false), "C:\\a.dlx");
    EXPECT_EQ(clFileDialog::TrimNulls(QString("ohne Ende"), false), "ohne Ende");
    EXPECT_EQ(clFileDialog::TrimNulls(QString(nul) + "x", false), "");
}

TEST(TrimNulls, MultipleFormEndsAtTheDoubleNulAndTurnsSingleNulsIntoBlanks)
{
    const QString buffer = QString("/daten") + nul + "a.dbf" + nul + "b.dbf" + nul + nul + "Reste" + nul;
    EXPECT_EQ(clFileDialog::TrimNulls(buffer, true), "/daten a.dbf b.dbf");
    EXPECT_EQ(clFileDialog::TrimNulls(QString("/daten/a.dbf") + nul + nul, true), "/daten/a.dbf");
    // Without a terminating double NUL the text comes back whole.
    const QString unterminated = QString("a") + nul + "b";
    EXPECT_EQ(clFileDialog::TrimNulls(unterminated, true), unterminated);
}

TEST(FileDialog, OneFileInTheMultipleFormIsItsFullPath)
{
    GTestScriptedUi ui;
    ui.expectFileDialog(QStringList{"/daten/a.dbf"});
    clFileDialog dialog;
    dialog.setFlags(clFileDialog::OFN_ALLOWMULTISELECT | clFileDialog::OFN_EXPLORER);
    ASSERT_TRUE(dialog.Show(true));
    EXPECT_EQ(dialog.FileName(), "/daten/a.dbf");
    EXPECT_EQ(dialog.FileTitle(), "a.dbf");
}

// The row of a file in the dialog's detailed view, once the dialog has listed its folder.
QModelIndex rowOf(const QFileDialog &dialog, const QString &name)
{
    const auto *view = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (!view || !view->model())
        return {};
    QModelIndex found;
    waitFor([&] {
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
            const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
            if (index.data().toString() == name)
                found = index;
        }
        return found.isValid();
    });
    return found;
}

TEST(FileDialog, TheShownDialogSpeaksGerman)
{
    QtGermanTexts german;
    if (!german.installed())
        GTEST_SKIP() << QtGermanTexts::Missing;
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Kunden.dlx")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, 'x'));
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2026, 12, 9), QTime(12, 25, 34)), QFileDevice::FileModificationTime));
    file.close();
    platform::FileDialogRequest request;
    request.open = true;
    request.title = QString::fromUtf8("Datolux-Projekt öffnen");
    request.initialDir = dir.path();
    request.filters = QStringList{"Datolux-Projektdatei (*.dlx)", "*.dlx"};
    const std::unique_ptr<QFileDialog> dialog = platform::makeFileDialog(request, nullptr);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    const auto *buttons = dialog->findChild<QDialogButtonBox *>();
    ASSERT_NE(buttons, nullptr);
    ASSERT_NE(buttons->button(QDialogButtonBox::Open), nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Open)->text(), QString::fromUtf8("&Öffnen"));
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(dialog->labelText(QFileDialog::LookIn), QStringLiteral("Suchen in:"));
    // Size and date of a file under the program's regional settings, not the system's.
    const QModelIndex row = rowOf(*dialog, QStringLiteral("Kunden.dlx"));
    ASSERT_TRUE(row.isValid());
    EXPECT_EQ(row.siblingAtColumn(1).data().toString().toStdString(), "2,00 KiB");
    EXPECT_EQ(row.siblingAtColumn(3).data().toString().toStdString(), "09.12.26 12:25");
}

} // namespace
