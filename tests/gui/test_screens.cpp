// The main window on a real X display with a read contact table, the data overview, the about
// box, the open-project dialog, an opened menu and the print preview: each must be visible and laid
// out with content. With DATOLUX_SCREENSHOT_DIR set, each screen is also saved there as a picture.
#include "QtGermanTexts.h"
#include "mainwindow_project/ProjectCommandFixture.h"

#include "mainwindow/frmDatenuebersicht.h"
#include "mainwindow/frmInfo.h"
#include "platform/QtUiServices.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QTreeWidget>

namespace {

void keep(QWidget *widget, const char *name)
{
    const QString dir = qEnvironmentVariable("DATOLUX_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        widget->grab().save(QDir(dir).filePath(QString::fromLatin1(name)));
}

// Keeps what the screen shows of the window, popups over it included.
void keepScreen(QWidget *window, const char *name)
{
    const QString dir = qEnvironmentVariable("DATOLUX_SCREENSHOT_DIR");
    const QRect frame = window->frameGeometry();
    if (!dir.isEmpty())
        window->screen()
            ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
            .save(QDir(dir).filePath(QString::fromLatin1(name)));
}

// Lets what was just shown lay itself out and paint.
void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// Shows a modal window without its own event loop, lets it paint, keeps its picture and closes it.
std::function<int(QDialog *)> showAndKeep(const char *name, std::function<void(QDialog *)> check)
{
    return [name, check](QDialog *dialog) {
        dialog->show();
        settle();
        check(dialog);
        keep(dialog, name);
        dialog->hide();
        return int(QDialog::Accepted);
    };
}

using Screens = ProjectCommandFixture;

TEST_F(Screens, MainWindowWithContactsOverviewAndAboutBox)
{
    window->resize(1200, 800);
    savedProject(QStringLiteral("A"));
    settle();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(upperRows(), 60);
    EXPECT_EQ(window->ACTDBPanel()->text(), QStringLiteral("Einzel.dbf"));
    keep(window.get(), "mainwindow-contacts.png");

    ui.expectModal(showAndKeep("data-overview.png", [](QDialog *dialog) {
        auto *overview = dynamic_cast<mainwindow::frmDatenuebersicht *>(dialog);
        ASSERT_NE(overview, nullptr);
        EXPECT_TRUE(overview->isVisible());
        EXPECT_EQ(overview->lvDaten()->topLevelItemCount(), 5);
        EXPECT_GT(overview->lvDaten()->columnWidth(4), 0);
    }));
    run("mnuDataChoice");

    ui.expectModal(showAndKeep("about-box.png", [](QDialog *dialog) {
        auto *about = dynamic_cast<mainwindow::frmInfo *>(dialog);
        ASSERT_NE(about, nullptr);
        // Far enough that the first credits lines stand in the box.
        for (int tick = 0; tick < about->picScrollText()->height() + 60; ++tick)
            about->Timer1_Timer();
        QApplication::processEvents();
        EXPECT_TRUE(about->lbVersion()->text().startsWith(QStringLiteral("Version ")));
        EXPECT_TRUE(about->picScrollText()->isVisible());
    }));
    run("mnuInfo");
}

TEST_F(Screens, TheOpenProjectDialogSpeaksGerman)
{
    QtGermanTexts german;
    if (!german.installed())
        GTEST_SKIP() << QtGermanTexts::Missing;
    ui.expectFileDialog(std::nullopt);
    run("mnuOpenProject");
    ASSERT_EQ(ui.records().size(), 1);
    // The dialog the program shows for that request.
    const std::unique_ptr<QFileDialog> dialog = platform::makeFileDialog(ui.records().at(0).fileRequest, window.get());
    dialog->resize(800, 480);
    dialog->show();
    settle();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Datolux-Projekt öffnen"));
    const auto *buttons = dialog->findChild<QDialogButtonBox *>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Open)->text(), QString::fromUtf8("&Öffnen"));
    EXPECT_EQ(dialog->labelText(QFileDialog::FileName), QStringLiteral("Datei&name:"));
    keep(dialog.get(), "open-project-dialog.png");
    dialog->hide();
}

TEST_F(Screens, AnOpenedMenuAndThePrintPreviewOfTheContacts)
{
    window->resize(1200, 800);
    ui.expectFileDialog(QStringList{singleDb()})
        .expectInputBox(QStringLiteral("Bitte geben Sie den Projektnamen ein:"), QStringLiteral("Kunden"))
        .expectModal(tick({QStringLiteral("Firma"), QStringLiteral("Kontakt"), QStringLiteral("Anrede"),
                           QStringLiteral("Titel"), QStringLiteral("Abteilung"), QStringLiteral("Telefon"),
                           QStringLiteral("Adresse 1"), QStringLiteral("PLZ"), QStringLiteral("Ort"),
                           QStringLiteral("Bundesland"), QStringLiteral("Jahresumsatz")}));
    run("mnuNewProject");
    settle();
    ASSERT_EQ(upperRows(), 60);

    // The file menu as a click opens it.
    QMenu *menu = window->findChild<QMenu *>(QStringLiteral("mnuDatei"));
    ASSERT_NE(menu, nullptr);
    window->menuBar()->setActiveAction(menu->menuAction());
    settle();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_GT(menu->height(), 8 * menu->actionGeometry(menu->actions().constFirst()).height());
    keepScreen(window.get(), "menu-file.png");
    menu->hide();
    settle();

    ui.expectModal([](QDialog *dialog) {
        dialog->resize(1100, 800);
        dialog->show();
        settle();
        auto *pages = dialog->findChild<QPrintPreviewWidget *>();
        EXPECT_NE(pages, nullptr);
        // Eleven columns of sixty contacts are wider than one portrait page.
        EXPECT_GT(pages ? pages->pageCount() : 0, 1);
        keep(dialog, "print-preview-contacts.png");
        dialog->hide();
        return int(QDialog::Rejected);
    });
    run("mnuPrintPreview");
}

} // namespace
