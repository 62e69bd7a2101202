// The main window on a real X display with a read contact table, the data overview and the about
// box: each must be visible and laid out with content. With DATOLUX_SCREENSHOT_DIR set, each
// screen is also saved there as a picture.
#include "mainwindow_project/ProjectCommandFixture.h"

#include "mainwindow/frmDatenuebersicht.h"
#include "mainwindow/frmInfo.h"

#include <QDir>
#include <QLabel>
#include <QTreeWidget>

namespace {

void keep(QWidget *widget, const char *name)
{
    const QString dir = qEnvironmentVariable("DATOLUX_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        widget->grab().save(QDir(dir).filePath(QString::fromLatin1(name)));
}

// Shows a modal window without its own event loop, lets it paint, keeps its picture and closes it.
std::function<int(QDialog *)> showAndKeep(const char *name, std::function<void(QDialog *)> check)
{
    return [name, check](QDialog *dialog) {
        dialog->show();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
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
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
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

} // namespace
