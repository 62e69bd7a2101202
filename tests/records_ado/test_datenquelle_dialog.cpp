// The external data source dialog driven through its widgets: masking, the test list and its
// status line, error messages in the list, the data-link button, and the OK and cancel rules;
// and the record class's data source entry through the dialog.
#include "GTestScriptedUi.h"
#include "SqliteFile.h"

#include "ado/DataLinkDialog.h"
#include "records/clADODaten.h"
#include "records/frmDatenquelle.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

using platform::MsgAnswer;
using platform::MsgIcon;
using records::frmDatenquelle;

namespace {

class DatenquelleDialog : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString rowsDatabase(int n)
    {
        const QString path = m_dir.filePath(QStringLiteral("t.db"));
        QString script = QStringLiteral("CREATE TABLE t(nr INTEGER, name TEXT, preis REAL, leer TEXT);BEGIN;");
        for (int i = 1; i <= n; ++i)
            script += QStringLiteral("INSERT INTO t VALUES(%1, 'Zeile %1', %1.25, NULL);").arg(i);
        adotest::runSqlite(path, script + QStringLiteral("COMMIT;"));
        return adotest::sqliteConnectionString(path);
    }
    QStringList listTexts(int column = 0)
    {
        QStringList texts;
        for (int i = 0; i < m_dialog.lvTest()->topLevelItemCount(); ++i)
            texts << m_dialog.lvTest()->topLevelItem(i)->text(column);
        return texts;
    }
    QStringList headers()
    {
        QStringList texts;
        const QTreeWidgetItem *header = m_dialog.lvTest()->headerItem();
        for (int i = 0; i < m_dialog.lvTest()->columnCount(); ++i)
            texts << header->text(i);
        return texts;
    }

    QTemporaryDir m_dir;
    GTestScriptedUi m_ui;
    frmDatenquelle m_dialog;
};

TEST_F(DatenquelleDialog, LoadsWithItsCaptionsAndTheHintInTheList)
{
    EXPECT_EQ(m_dialog.windowTitle(), QStringLiteral("Eingabe der externen Datenquelle"));
    EXPECT_EQ(m_dialog.cmdConnectionString()->text(), QStringLiteral("Ä&ndern"));
    EXPECT_EQ(m_dialog.cmdTesten()->text(), QStringLiteral("&Testen"));
    EXPECT_EQ(m_dialog.lbInfo()->text(), QString());
    EXPECT_EQ(headers(), QStringList{QStringLiteral(" ")});
    EXPECT_EQ(listTexts(), (QStringList{QStringLiteral("Klicken Sie auf \"Testen\" um die Datenabfrage auszuführen."),
                                        QStringLiteral("Es werden maximal die ersten 100 Datesätze eingelesen.")}));
    // The column is fitted to the longer line of the hint.
    EXPECT_GE(m_dialog.lvTest()->header()->sectionSize(0),
              m_dialog.lvTest()->fontMetrics().horizontalAdvance(listTexts().at(0)));
    EXPECT_TRUE(m_dialog.txbConnectionString()->text().isEmpty());
    EXPECT_TRUE(m_dialog.txbSQLString()->toPlainText().isEmpty());
    EXPECT_EQ(m_dialog.cmdOKTag(), QString());
}

TEST_F(DatenquelleDialog, ShowsThePasswordMaskedButKeepsTheWholeString)
{
    const QString given = QStringLiteral("Driver={PostgreSQL Unicode};Server=h;UID=anna;PWD=geheim;Port=5");
    m_dialog.SetConnectionString(given);
    EXPECT_EQ(m_dialog.txbConnectionString()->text(),
              QStringLiteral("Driver={PostgreSQL Unicode};Server=h;UID=anna;PWD=*****;Port=5"));
    EXPECT_EQ(m_dialog.GetConnectionString(), given);
    EXPECT_TRUE(m_dialog.txbConnectionString()->isReadOnly());
}

TEST_F(DatenquelleDialog, QueryOnSeveralLinesComesBackOnOne)
{
    m_dialog.SetSQLString(QStringLiteral("SELECT *\r\nFROM t"));
    EXPECT_EQ(m_dialog.txbSQLString()->toPlainText(), QStringLiteral("SELECT * FROM t"));
    m_dialog.txbSQLString()->setPlainText(QStringLiteral("SELECT nr\nFROM t\nWHERE nr > 1"));
    EXPECT_EQ(m_dialog.GetSQLString(), QStringLiteral("SELECT nr FROM t WHERE nr > 1"));
}

TEST_F(DatenquelleDialog, TestShowsAtMost100RowsAndTheWholeCountInTheStatusLine)
{
    m_dialog.SetConnectionString(rowsDatabase(250));
    m_dialog.SetSQLString(QStringLiteral("SELECT * FROM t"));
    m_dialog.cmdTesten()->click();
    EXPECT_EQ(headers(), (QStringList{"nr", "name", "preis", "leer"}));
    EXPECT_EQ(m_dialog.lvTest()->topLevelItemCount(), 100);
    EXPECT_EQ(listTexts(1).first(), QStringLiteral("Zeile 1"));
    EXPECT_EQ(listTexts(1).last(), QStringLiteral("Zeile 100"));
    EXPECT_EQ(listTexts(2).at(1), QStringLiteral("2,25"));
    EXPECT_EQ(listTexts(3).at(0), QString());
    EXPECT_EQ(m_dialog.lbInfo()->text(), QStringLiteral("Anzahl der Felder: 4 Anzahl der Datensätze: 250"));
    // The columns are fitted to their contents: the long texts' column is wider than the short header's.
    EXPECT_GT(m_dialog.lvTest()->header()->sectionSize(1), m_dialog.lvTest()->header()->sectionSize(3));
    EXPECT_EQ(m_ui.waitCursorDepth(), 0);
}

TEST_F(DatenquelleDialog, EmptyResultShowsTheColumnsOnlyAndCountZero)
{
    m_dialog.SetConnectionString(rowsDatabase(0));
    m_dialog.SetSQLString(QStringLiteral("SELECT nr, name FROM t"));
    m_dialog.cmdTesten_Click();
    EXPECT_EQ(headers(), (QStringList{"nr", "name"}));
    EXPECT_EQ(m_dialog.lvTest()->topLevelItemCount(), 0);
    EXPECT_EQ(m_dialog.lbInfo()->text(), QStringLiteral("Anzahl der Felder: 2 Anzahl der Datensätze: 0"));
}

TEST_F(DatenquelleDialog, TestWithoutDataSourceOrQueryAsksForItInTheStatusLine)
{
    m_dialog.SetSQLString(QStringLiteral("SELECT 1"));
    m_dialog.cmdTesten_Click();
    EXPECT_EQ(m_dialog.lbInfo()->text(), QStringLiteral("Bitte geben Sie zuerst die Datenquelle an."));
    m_dialog.SetConnectionString(rowsDatabase(1));
    m_dialog.SetSQLString(QString());
    m_dialog.cmdTesten_Click();
    EXPECT_EQ(m_dialog.lbInfo()->text(), QStringLiteral("Bitte geben Sie zuerst die SQL-Abfrage ein."));
}

TEST_F(DatenquelleDialog, QueryErrorGoesToTheListWithNumberAndDescription)
{
    m_dialog.SetConnectionString(rowsDatabase(1));
    m_dialog.SetSQLString(QStringLiteral("SELECT * FROM gibtsnicht"));
    m_dialog.cmdTesten_Click();
    EXPECT_EQ(m_dialog.lbInfo()->text(),
              QStringLiteral("Es ist ein Fehler beim Abfragen der externen Daten aufgetreten."));
    const QStringList lines = listTexts();
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines.at(0).startsWith(QStringLiteral("Fehlernummer: -")));
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("Fehlerbeschreibung: ")));
    EXPECT_TRUE(lines.join(QString()).contains(QStringLiteral("gibtsnicht")));
    EXPECT_EQ(headers(), QStringList{QStringLiteral(" ")});
}

TEST_F(DatenquelleDialog, ConnectionErrorGoesToTheListAndALongDescriptionIsWrapped)
{
    const QString missing = m_dir.filePath(QStringLiteral("ein/sehr/langer/pfad/") + QString(150, u'x') +
                                           QStringLiteral(" mit blank/fehlt.db"));
    m_dialog.SetConnectionString(adotest::sqliteConnectionString(missing));
    m_dialog.SetSQLString(QStringLiteral("SELECT 1"));
    m_dialog.cmdTesten_Click();
    EXPECT_EQ(m_dialog.lbInfo()->text(),
              QStringLiteral("Es ist ein Fehler beim Verbinden mit der Datenquelle aufgetreten."));
    const QStringList lines = listTexts();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.at(0), QStringLiteral("Fehlernummer: -2147467259"));
    for (const QString &line : lines.mid(1, lines.size() - 2))
        EXPECT_TRUE(line.size() < 128 || line.endsWith(u' ')) << line.toStdString();
}

TEST_F(DatenquelleDialog, OkWithoutQueryKeepsTheDialogOpenEvenWithADataSource)
{
    m_dialog.SetConnectionString(QStringLiteral("DSN=x"));
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Bitte geben Sie eine Datenabfrage ein."));
    m_dialog.cmdOK_Click();
    EXPECT_EQ(m_dialog.cmdOKTag(), QString());
    EXPECT_EQ(m_dialog.result(), QDialog::Rejected);
}

TEST_F(DatenquelleDialog, OkWithoutDataSourceKeepsTheDialogOpen)
{
    m_dialog.SetSQLString(QStringLiteral("SELECT 1"));
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Bitte geben Sie eine Datenquelle an."));
    m_dialog.cmdOK_Click();
    EXPECT_EQ(m_dialog.cmdOKTag(), QString());
}

TEST_F(DatenquelleDialog, OkWithBothSetsTheMarkerWithoutTestingAndCancelClearsIt)
{
    m_dialog.SetConnectionString(QStringLiteral("DSN=nirgends"));
    m_dialog.SetSQLString(QStringLiteral("SELECT nonsense"));
    m_dialog.cmdOK_Click();
    EXPECT_EQ(m_dialog.cmdOKTag(), QStringLiteral("*"));
    EXPECT_EQ(m_dialog.result(), QDialog::Accepted);
    m_dialog.cmdAbbruch()->click();
    EXPECT_EQ(m_dialog.cmdOKTag(), QString());
    EXPECT_EQ(m_dialog.result(), QDialog::Rejected);
}

TEST_F(DatenquelleDialog, DataLinkButtonWithoutAStringBuildsANewOne)
{
    auto built = std::make_shared<QString>();
    m_ui.expectModal([built](QDialog *d) {
        auto *link = dynamic_cast<ado::DataLinkDialog *>(d);
        EXPECT_NE(link, nullptr);
        if (!link)
            return int(QDialog::Rejected);
        link->setConnectionString(QStringLiteral("Driver=SQLite3;Database=/neu.db;NoCreat=1;PWD=x"));
        *built = link->connectionString();
        link->accept();
        return int(QDialog::Accepted);
    });
    m_dialog.cmdConnectionString()->click();
    ASSERT_TRUE(built->contains(QStringLiteral("/neu.db"))) << built->toStdString();
    EXPECT_EQ(m_dialog.GetConnectionString(), *built);
    EXPECT_FALSE(m_dialog.txbConnectionString()->text().contains(QStringLiteral("PWD=x")));
    EXPECT_TRUE(m_dialog.txbConnectionString()->text().contains(QStringLiteral("PWD=*****")));
}

TEST_F(DatenquelleDialog, DataLinkButtonEditsAWorkingStringAndCancelKeepsIt)
{
    const QString kept = rowsDatabase(1);
    m_dialog.SetConnectionString(kept);
    m_ui.expectModal([kept](QDialog *d) {
        auto *link = dynamic_cast<ado::DataLinkDialog *>(d);
        EXPECT_NE(link, nullptr);
        // Editing starts from the kept string.
        EXPECT_EQ(link ? link->connectionString() : QString(), kept);
        return int(QDialog::Rejected);
    });
    m_dialog.cmdConnectionString_Click();
    EXPECT_EQ(m_dialog.GetConnectionString(), kept);
}

TEST_F(DatenquelleDialog, DataLinkButtonOnABrokenStringAsksForANewOne)
{
    const QString broken = adotest::sqliteConnectionString(m_dir.filePath(QStringLiteral("fehlt.db")));
    m_dialog.SetConnectionString(broken);
    m_ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Fehlerhafte Verbindung:\r\n"), MsgAnswer::No);
    m_dialog.cmdConnectionString_Click();
    EXPECT_TRUE(
        m_ui.records().last().text.endsWith(QStringLiteral("\r\n\r\nSoll eine neue Verbindung erstellt werden ?")));
    EXPECT_EQ(m_dialog.GetConnectionString(), broken);

    m_ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Fehlerhafte Verbindung:"), MsgAnswer::Yes);
    auto built = std::make_shared<QString>();
    m_ui.expectModal([built](QDialog *d) {
        auto *link = dynamic_cast<ado::DataLinkDialog *>(d);
        // A new connection: nothing of the broken string is proposed.
        EXPECT_FALSE(link && link->connectionString().contains(QStringLiteral("fehlt.db")));
        if (link) {
            link->setConnectionString(QStringLiteral("DSN=Firma"));
            *built = link->connectionString();
        }
        return int(QDialog::Accepted);
    });
    m_dialog.cmdConnectionString_Click();
    EXPECT_TRUE(built->contains(QStringLiteral("Firma")));
    EXPECT_EQ(m_dialog.GetConnectionString(), *built);
}

class DataSourceEntry : public DatenquelleDialog
{
protected:
    records::clADODaten m_ado;
};

TEST_F(DataSourceEntry, ConfirmedDialogTakesBothTexts)
{
    m_ado.setConnectionString(QStringLiteral("DSN=alt"));
    m_ado.setSQLString(QStringLiteral("SELECT alt"));
    m_ui.expectModal([](QDialog *d) {
        auto *dialog = dynamic_cast<frmDatenquelle *>(d);
        EXPECT_EQ(dialog->GetConnectionString(), QStringLiteral("DSN=alt"));
        EXPECT_EQ(dialog->GetSQLString(), QStringLiteral("SELECT alt"));
        dialog->SetConnectionString(QStringLiteral("DSN=neu"));
        dialog->txbSQLString()->setPlainText(QStringLiteral("SELECT\nneu"));
        dialog->cmdOK_Click();
        return dialog->result();
    });
    EXPECT_TRUE(m_ado.ADODatenquelleEingeben());
    EXPECT_EQ(m_ado.ConnectionString(), QStringLiteral("DSN=neu"));
    EXPECT_EQ(m_ado.SQLString(), QStringLiteral("SELECT neu"));
}

TEST_F(DataSourceEntry, CancelledDialogChangesNothing)
{
    m_ado.setConnectionString(QStringLiteral("DSN=alt"));
    m_ado.setSQLString(QStringLiteral("SELECT alt"));
    m_ui.expectModal([](QDialog *d) {
        auto *dialog = dynamic_cast<frmDatenquelle *>(d);
        dialog->txbSQLString()->setPlainText(QStringLiteral("SELECT neu"));
        dialog->cmdAbbruch_Click();
        return dialog->result();
    });
    EXPECT_FALSE(m_ado.ADODatenquelleEingeben());
    EXPECT_EQ(m_ado.ConnectionString(), QStringLiteral("DSN=alt"));
    EXPECT_EQ(m_ado.SQLString(), QStringLiteral("SELECT alt"));
}

} // namespace
