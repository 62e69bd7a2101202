// The data overview as the main window keeps it: refilled by the project commands and re-reads,
// shown by its menu command with the snapshot of the last refill, unloaded at shut-down.
#include "ProjectCommandFixture.h"

#include "mainwindow/frmDatenuebersicht.h"

#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>

namespace {

class DataOverview : public ProjectCommandFixture
{
protected:
    mainwindow::frmDatenuebersicht *overview() const { return window->Datenuebersicht(); }
    QString cell(int row, int column) const { return overview()->lvDaten()->topLevelItem(row)->text(column); }
    static constexpr int kProjektdatei = 4;
};

TEST_F(DataOverview, WithoutContactsTheCommandShowsNoWindow)
{
    run("mnuDataChoice"); // the scripted UI fails the test on any unexpected dialog
    EXPECT_EQ(overview(), nullptr);
}

TEST_F(DataOverview, ANewUnsavedProjectShowsItsDatabaseAndNotSavedForEveryTable)
{
    newProject();
    ASSERT_NE(overview(), nullptr);
    EXPECT_EQ(overview()->txbACTDBPfad()->text(), singleDb());
    EXPECT_EQ(overview()->txbACTDBName()->text(), QStringLiteral("Einzel.dbf"));
    ASSERT_EQ(overview()->lvDaten()->topLevelItemCount(), 5);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(cell(row, kProjektdatei), QStringLiteral("Nicht gespeichert!"));
    EXPECT_EQ(cell(0, 0), QStringLiteral("Kontakte"));
    EXPECT_NE(cell(0, 2), QStringLiteral("-")); // the contacts' read date
    EXPECT_EQ(cell(1, 2), QStringLiteral("-")); // notes never read
}

TEST_F(DataOverview, ASavedProjectNamesItsContactsFileAndTheTablesNeverRead)
{
    savedProject(QStringLiteral("A"));
    ASSERT_NE(overview(), nullptr);
    EXPECT_EQ(cell(0, kProjektdatei), folder(QStringLiteral("A/Kunden_Kontakte.fox")));
    EXPECT_EQ(cell(3, 0), QStringLiteral("Aufgaben"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("-"));
    EXPECT_EQ(cell(3, 2), QStringLiteral("-"));
    EXPECT_EQ(cell(3, kProjektdatei), QStringLiteral("Nicht gefunden!"));
}

TEST_F(DataOverview, TheCommandShowsTheLastSnapshotAndARefillReplacesTheWindow)
{
    newProject();
    QPointer<mainwindow::frmDatenuebersicht> first = overview();
    mainwindow::frmDatenuebersicht *shown = nullptr;
    ui.expectModal([&shown](QDialog *dialog) {
        shown = dynamic_cast<mainwindow::frmDatenuebersicht *>(dialog);
        return int(QDialog::Accepted);
    });
    run("mnuDataChoice");
    EXPECT_EQ(shown, first.data());

    ui.expectFolder(folder(QStringLiteral("A")));
    run("mnuSaveProject");
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(overview(), nullptr);
    EXPECT_EQ(cell(0, kProjektdatei), folder(QStringLiteral("A/Kunden_Kontakte.fox")));
}

TEST_F(DataOverview, TheUsersOfAMultiUserDatabaseAreListedWithTheirCount)
{
    expectNewMultiProject(QStringLiteral("Mehr"));
    run("mnuNewProject");
    ASSERT_NE(overview(), nullptr);
    EXPECT_EQ(overview()->txbACTDBUser()->text(), QString::fromUtf8("Anna Schäfer"));
    EXPECT_GT(overview()->cbxUserliste()->count(), 0);
    EXPECT_EQ(overview()->cbxUserliste()->currentIndex(), 0);
    EXPECT_TRUE(overview()->cbxUserliste()->itemText(0).startsWith(QStringLiteral("1. ")));
    EXPECT_EQ(overview()->lbBenutzeranzahl()->text(),
              QStringLiteral("Anzahl %1").arg(overview()->cbxUserliste()->count()));
}

} // namespace
