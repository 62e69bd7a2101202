// The data overview window: the database frame, the user list, and each row's age, dates and
// project-file text.
#include "mainwindow/AgeText.h"
#include "mainwindow/frmDatenuebersicht.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using mainwindow::DatenuebersichtData;
using mainwindow::DatenuebersichtRow;
using mainwindow::frmDatenuebersicht;

namespace {

QDateTime at(int day, int hour, int minute = 0)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute));
}

DatenuebersichtData savedProject()
{
    DatenuebersichtData data;
    data.databasePath = QStringLiteral("/daten/act/Firma.dbf");
    data.databaseName = QStringLiteral("Firma");
    data.databaseUser = QStringLiteral("Chef");
    data.userNames = QStringList{QStringLiteral("Chef"), QStringLiteral("Anna Berger")};
    data.projectSaved = true;
    const QDateTime missing = mainwindow::MissingDate();
    data.rows = {
        {QStringLiteral("Kontakte"), at(9, 10), at(9, 12), QStringLiteral("/p/Analyse_Kontakte.fox")},
        {QStringLiteral("Notizen"), at(9, 10), at(8, 9), QStringLiteral("/p/Analyse_Notizen.fox")},
        {QStringLiteral("Aufträge"), at(6, 10), missing, QStringLiteral("/p/Analyse_Aufträge.fox")},
        {QStringLiteral("Aufgaben"), missing, at(7, 0), QString()},
        {QStringLiteral("Gruppen"), missing, missing, QString()},
    };
    return data;
}

QStringList row(const frmDatenuebersicht &window, int index)
{
    const QTreeWidgetItem *item = window.lvDaten()->topLevelItem(index);
    QStringList cells;
    for (int column = 0; column < 5; ++column)
        cells << item->text(column);
    return cells;
}

} // namespace

TEST(Datenuebersicht, DatabaseFrameAndUserList)
{
    frmDatenuebersicht window;
    window.Fill(savedProject());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Datenübersicht"));
    EXPECT_EQ(window.txbACTDBPfad()->text(), QStringLiteral("/daten/act/Firma.dbf"));
    EXPECT_EQ(window.txbACTDBName()->text(), QStringLiteral("Firma"));
    EXPECT_EQ(window.txbACTDBUser()->text(), QStringLiteral("Chef"));
    EXPECT_EQ(window.lbBenutzeranzahl()->text(), QStringLiteral("Anzahl 2"));
    ASSERT_EQ(window.cbxUserliste()->count(), 2);
    EXPECT_EQ(window.cbxUserliste()->itemText(0), QStringLiteral("1. Chef"));
    EXPECT_EQ(window.cbxUserliste()->itemText(1), QStringLiteral("2. Anna Berger"));
    EXPECT_EQ(window.cbxUserliste()->currentIndex(), 0);
}

TEST(Datenuebersicht, DatabaseWithoutUsers)
{
    DatenuebersichtData data = savedProject();
    data.userNames.clear();
    frmDatenuebersicht window;
    window.Fill(data);
    EXPECT_EQ(window.cbxUserliste()->count(), 0);
    EXPECT_EQ(window.cbxUserliste()->currentIndex(), -1);
    EXPECT_EQ(window.lbBenutzeranzahl()->text(), QStringLiteral("Anzahl 0"));
}

TEST(Datenuebersicht, RowsOfASavedProject)
{
    frmDatenuebersicht window;
    window.Fill(savedProject());
    const QTreeWidget *list = window.lvDaten();
    ASSERT_EQ(list->topLevelItemCount(), 5);
    EXPECT_EQ(list->headerItem()->text(4), QStringLiteral("Projektdatei"));
    EXPECT_EQ(row(window, 0), QStringList({"Kontakte", "älter als 2 Stunden", "09.12.2026 10:00:00",
                                           "09.12.2026 12:00:00", "/p/Analyse_Kontakte.fox"}));
    EXPECT_EQ(row(window, 1), QStringList({"Notizen", "Aktuell", "09.12.2026 10:00:00", "08.12.2026 09:00:00",
                                           "/p/Analyse_Notizen.fox"}));
    // The sales file is gone, the table was read: nothing newer exists.
    EXPECT_EQ(row(window, 2),
              QStringList({"Aufträge", "Aktuell", "06.12.2026 10:00:00", "-", "/p/Analyse_Aufträge.fox"}));
    // Activities never read.
    EXPECT_EQ(row(window, 3), QStringList({"Aufgaben", "-", "-", "07.12.2026", "Nicht gefunden!"}));
    EXPECT_EQ(row(window, 4), QStringList({"Gruppen", "-", "-", "-", "Nicht gefunden!"}));
    for (int i = 0; i < 5; ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        EXPECT_EQ(item->data(0, Qt::UserRole).toString(), item->text(0));
        EXPECT_FALSE(item->icon(0).isNull());
        EXPECT_EQ(item->icon(0).cacheKey(), window.icon(item->text(0)).cacheKey());
    }
}

TEST(Datenuebersicht, ContactsRowOfASavedProjectShowsItsPathEvenEmpty)
{
    DatenuebersichtData data = savedProject();
    data.rows[0].tableFile.clear();
    EXPECT_EQ(frmDatenuebersicht::ProjectFileText(data.rows[0], true), QString());
    EXPECT_EQ(frmDatenuebersicht::ProjectFileText(data.rows[3], true), QStringLiteral("Nicht gefunden!"));
}

TEST(Datenuebersicht, UnsavedProjectShowsNotSavedInEveryRow)
{
    DatenuebersichtData data = savedProject();
    data.projectSaved = false;
    frmDatenuebersicht window;
    window.Fill(data);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(row(window, i).at(4), QStringLiteral("Nicht gespeichert!")) << i;
}

TEST(Datenuebersicht, ColumnsFitTheirContent)
{
    frmDatenuebersicht window;
    window.Fill(savedProject());
    const QTreeWidget *list = window.lvDaten();
    const QFontMetrics metrics(list->font());
    EXPECT_GE(list->header()->sectionSize(4), metrics.horizontalAdvance(QStringLiteral("/p/Analyse_Aufträge.fox")));
    EXPECT_GE(list->header()->sectionSize(1), metrics.horizontalAdvance(QStringLiteral("älter als 2 Stunden")));
}

TEST(Datenuebersicht, OkHidesTheWindow)
{
    frmDatenuebersicht window;
    window.Fill(savedProject());
    window.show();
    ASSERT_TRUE(window.isVisible());
    window.cmdOK()->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}
