// The file dialog object: what reaches the UI services, what comes back, and the buffer cutting.
#include "GTestScriptedUi.h"
#include "project/clFileDialog.h"

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

} // namespace
