// Printing on the active table reports a failure in the status panel and goes on; the about box
// is shown modally.
#include "ExportFixture.h"

#include "mainwindow/frmInfo.h"

#include <QFileInfo>
#include <QPrinterInfo>
#include <QTemporaryDir>

TEST_F(ExportFixture, PrintFailureGoesToTheStatusPanel)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed; the PDF fallback is not offered";
    fill(upper(), texts({"A", "B"}));
    // A PDF file in a folder that does not exist cannot be started.
    ui.expectFileDialog(QStringList{QStringLiteral("/nicht/vorhanden/Ausdruck.pdf")});
    window->RunMenuCommand(QStringLiteral("mnuPrint"));
    EXPECT_EQ(status(), QStringLiteral("Der Druck konnte nicht gestartet werden."));
    EXPECT_TRUE(ui.messageTexts().isEmpty());
    EXPECT_TRUE(controlsEnabled());
}

TEST_F(ExportFixture, PrintToPdfWithoutPrinterNamesTheFileWritten)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed; the PDF fallback is not offered";
    fill(upper(), texts({"A", "B"}));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("Ausdruck.pdf"));
    ui.expectFileDialog(QStringList{pdf});
    window->SetStatusBarText(QStringLiteral("vorher"));
    window->RunMenuCommand(QStringLiteral("mnuPrint"));
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
    EXPECT_EQ(status(), QStringLiteral("Der Ausdruck wurde in die Datei \"%1\" geschrieben.").arg(pdf));
}

TEST_F(ExportFixture, AboutBoxShownModally)
{
    QString caption;
    ui.expectModal([&](QDialog *dialog) {
        auto *box = qobject_cast<mainwindow::frmInfo *>(dialog);
        caption = box ? box->windowTitle() : QString();
        return int(QDialog::Rejected);
    });
    window->RunMenuCommand(QStringLiteral("mnuInfo"));
    EXPECT_EQ(caption, QStringLiteral("Informationen über das Programm"));
}
