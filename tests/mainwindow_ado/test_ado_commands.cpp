// The external-data commands of the main window over an SQLite file: the re-read with the data
// source dialog and the link question, failures that leave the window usable, the change of the
// data source, the attribute link, and the read of a stored table.
#include "SqliteFile.h"
#include "mainwindow_project/ProjectCommandFixture.h"

#include "mainwindow/ADOCommands.h"
#include "mainwindow/StatusBarPanel.h"
#include "records/clADODaten.h"
#include "records/frmAttributeZuordnung.h"
#include "records/frmDatenquelle.h"

#include <QComboBox>
#include <QMenuBar>
#include <QPlainTextEdit>

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

const QString kLinkQuestion =
    QStringLiteral("Wollen Sie ein Attribute der externen Daten mit einem Attribute der Kontaktdaten verknüpfen?");
const QString kRereadDone = QStringLiteral("Die externen Daten wurden neu aus der Datenbank eingelesen.");
const QString kRereadFailed = QStringLiteral("Die externen Daten konnten nicht aus Datenbank eingelesen werden!");

class AdoCommands : public ProjectCommandFixture
{
protected:
    void SetUp() override
    {
        ProjectCommandFixture::SetUp();
        m_database = m_work.filePath(QStringLiteral("extern.db"));
        QString script = QStringLiteral("CREATE TABLE umsatz(kunde TEXT, betrag REAL, jahr INTEGER);BEGIN;");
        for (int i = 1; i <= 30; ++i)
            script += QStringLiteral("INSERT INTO umsatz VALUES('Firma %1', %1.5, %2);").arg(i).arg(2000 + i % 5);
        adotest::runSqlite(m_database, script + QStringLiteral("COMMIT;"));
    }
    QString source() const { return adotest::sqliteConnectionString(m_database); }
    int lowerRows() const { return window->InfoZoomExtra()->Table()->Objects().Count(); }
    project::clFOX &fox() const { return modHaupt::Projekt->FOXADODaten(); }

    // The data source dialog's answer: these texts, then OK (or cancel).
    static std::function<int(QDialog *)> enterSource(const QString &connection, const QString &sql, bool ok = true)
    {
        return [connection, sql, ok](QDialog *d) {
            auto *dialog = dynamic_cast<records::frmDatenquelle *>(d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog)
                return int(QDialog::Rejected);
            dialog->SetConnectionString(connection);
            dialog->txbSQLString()->setPlainText(sql);
            if (ok)
                dialog->cmdOK_Click();
            else
                dialog->cmdAbbruch_Click();
            return dialog->result();
        };
    }
    // The link dialog's answer: the entries with these texts, then OK.
    static std::function<int(QDialog *)> link(const QString &external, const QString &contact)
    {
        return [external, contact](QDialog *d) {
            auto *dialog = dynamic_cast<records::frmAttributeZuordnung *>(d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog)
                return int(QDialog::Rejected);
            dialog->cbxADODatenAttribut()->setCurrentText(external);
            dialog->cbxKontaktAttribut()->setCurrentText(contact);
            dialog->cmdOK_Click();
            return dialog->result();
        };
    }
    // A first read of the external data in a saved project, the link question answered No.
    void firstRead(const QString &sql = QStringLiteral("SELECT * FROM umsatz"))
    {
        ui.expectModal(enterSource(source(), sql)).expectMsgBox(MsgIcon::Question, kLinkQuestion, MsgAnswer::No);
        run("mnuUpdateADOData");
    }

    QString m_database;
};

TEST_F(AdoCommands, FirstReadAsksForTheSourceShowsTheRowsAndThenOffersTheLink)
{
    savedProject(QStringLiteral("A"));
    ui.expectModal(enterSource(source(), QStringLiteral("SELECT kunde, betrag\nFROM umsatz")))
        .expectMsgBox(MsgIcon::Question, kLinkQuestion, MsgAnswer::Yes)
        .expectModal(link(QStringLiteral("kunde"), QStringLiteral("Firma")));
    run("mnuUpdateADOData");
    EXPECT_EQ(lowerRows(), 30);
    EXPECT_EQ(window->InfoZoomExtra()->Tag(), QStringLiteral("ADODaten"));
    EXPECT_EQ(window->StatusPanel()->text(), kRereadDone);
    EXPECT_EQ(fox().ConnectionString(), source());
    EXPECT_EQ(fox().SQLString(), QStringLiteral("SELECT kunde, betrag FROM umsatz"));
    EXPECT_EQ(fox().Datum(), mainwindow::ADOCommands::ADODaten()->DateOfData());
    EXPECT_EQ(fox().SyncFeldName(), QStringLiteral("ACTFieldID|kunde"));
    EXPECT_FALSE(fox().UniqueIDFeldName().isEmpty());
    EXPECT_EQ(fox().UniqueIDFeldName(), mainwindow::ADOCommands::ADODaten()->UniqueIDFieldName());
    EXPECT_TRUE(modHaupt::Projekt->IsChanged());
    EXPECT_TRUE(window->Toolbar()->isEnabled());
    EXPECT_TRUE(enabled("mnuLinkAttributes"));
    EXPECT_TRUE(enabled("mnuEditADOData"));
    EXPECT_EQ(window->ActiveTable(), window->InfoZoomExtra());
}

TEST_F(AdoCommands, CancelledSourceDialogOnAFirstReadIsTheFailureText)
{
    savedProject(QStringLiteral("A"));
    ui.expectModal(enterSource(source(), QStringLiteral("SELECT 1"), false));
    run("mnuUpdateADOData");
    EXPECT_EQ(window->StatusPanel()->text(), kRereadFailed);
    EXPECT_EQ(fox().ConnectionString(), QString());
    EXPECT_FALSE(fox().connectionStringValue().has_value());
    EXPECT_EQ(window->InfoZoomExtra()->Tag(), QString());
    EXPECT_TRUE(window->Toolbar()->isEnabled());
}

TEST_F(AdoCommands, AFailingQueryLeavesTheWindowUsableAndTheDescriptorUntouched)
{
    savedProject(QStringLiteral("A"));
    ui.expectModal(enterSource(source(), QStringLiteral("SELECT * FROM fehlt")))
        .expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Es ist ein Fehler beim Abfragen der externen Daten"));
    run("mnuUpdateADOData");
    EXPECT_EQ(window->StatusPanel()->text(), kRereadFailed);
    EXPECT_TRUE(window->Toolbar()->isEnabled());
    EXPECT_TRUE(window->menuBar()->isEnabled());
    EXPECT_EQ(fox().SQLString(), QString());
}

TEST_F(AdoCommands, AReReadUsesTheRecordedSourceAndKeepsTheLink)
{
    savedProject(QStringLiteral("A"));
    ui.expectModal(enterSource(source(), QStringLiteral("SELECT * FROM umsatz")))
        .expectMsgBox(MsgIcon::Question, kLinkQuestion, MsgAnswer::Yes)
        .expectModal(link(QStringLiteral("jahr"), QStringLiteral("Ort")));
    run("mnuUpdateADOData");
    const QString sync = fox().SyncFeldName();
    const QString unique = fox().UniqueIDFeldName();
    ASSERT_EQ(sync, QStringLiteral("ACTFieldID|jahr"));
    adotest::runSqlite(m_database, QStringLiteral("INSERT INTO umsatz VALUES('Neu', 1, 2024);"));
    // No table file recorded yet, so the question comes again.
    ui.expectMsgBox(MsgIcon::Question, kLinkQuestion, MsgAnswer::No);
    run("mnuUpdateADOData");
    EXPECT_EQ(lowerRows(), 31);
    EXPECT_EQ(fox().SyncFeldName(), sync);
    EXPECT_EQ(fox().UniqueIDFeldName(), unique);
    EXPECT_EQ(mainwindow::ADOCommands::ADODaten()->SyncFieldName(), sync);
}

TEST_F(AdoCommands, AfterSavingWithTheExternalTableAReReadNoLongerAsks)
{
    savedProject(QStringLiteral("A"));
    firstRead();
    run("mnuSaveProject");
    ASSERT_FALSE(fox().Datei().isEmpty());
    run("mnuUpdateADOData");
    EXPECT_EQ(window->StatusPanel()->text(), kRereadDone);
}

TEST_F(AdoCommands, EditCancelledPutsBackTheRecordedTexts)
{
    savedProject(QStringLiteral("A"));
    firstRead();
    ui.expectModal([](QDialog *d) {
        auto *dialog = dynamic_cast<records::frmDatenquelle *>(d);
        dialog->SetConnectionString(QStringLiteral("DSN=anders"));
        dialog->cmdAbbruch_Click();
        return dialog->result();
    });
    run("mnuEditADOData");
    EXPECT_EQ(mainwindow::ADOCommands::ADODaten()->ConnectionString(), source());
    EXPECT_EQ(mainwindow::ADOCommands::ADODaten()->SQLString(), QStringLiteral("SELECT * FROM umsatz"));
    EXPECT_EQ(lowerRows(), 30);
}

TEST_F(AdoCommands, EditConfirmedRecordsTheNewQueryAndReadsItIntoAnEmptiedTable)
{
    savedProject(QStringLiteral("A"));
    firstRead();
    window->InfoZoomExtra()->Table()->Attributes().Add(QStringLiteral("Abgeleitet"));
    ui.expectModal(enterSource(source(), QStringLiteral("SELECT kunde FROM umsatz WHERE jahr = 2001")))
        .expectMsgBox(MsgIcon::Question, kLinkQuestion, MsgAnswer::No);
    run("mnuEditADOData");
    EXPECT_EQ(fox().SQLString(), QStringLiteral("SELECT kunde FROM umsatz WHERE jahr = 2001"));
    EXPECT_EQ(lowerRows(), 6);
    QStringList names;
    for (int i = 0; i < window->InfoZoomExtra()->Table()->AttributeList().Count(); ++i)
        names << window->InfoZoomExtra()->Table()->AttributeItem(i).Name();
    EXPECT_EQ(names, QStringList{QStringLiteral("kunde")});
    EXPECT_EQ(window->InfoZoomExtra()->Table()->MainColorRed(), 106);
}

TEST_F(AdoCommands, EditConfirmedChangesTheProjectEvenWhenTheReadThenFails)
{
    savedProject(QStringLiteral("A"));
    firstRead();
    run("mnuSaveProject");
    ASSERT_FALSE(modHaupt::Projekt->IsChanged());
    ui.expectModal(enterSource(source(), QStringLiteral("SELECT * FROM kaputt")))
        .expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Es ist ein Fehler beim Abfragen der externen Daten"));
    run("mnuEditADOData");
    EXPECT_EQ(fox().SQLString(), QStringLiteral("SELECT * FROM kaputt"));
    EXPECT_TRUE(modHaupt::Projekt->IsChanged());
    EXPECT_EQ(window->StatusPanel()->text(), kRereadFailed);
    EXPECT_TRUE(window->Toolbar()->isEnabled());
}

TEST_F(AdoCommands, LinkCommandWritesTheChoiceAndCancelWritesNothing)
{
    savedProject(QStringLiteral("A"));
    firstRead();
    run("mnuSaveProject");
    ui.expectModal([](QDialog *d) {
        dynamic_cast<records::frmAttributeZuordnung *>(d)->cmdAbbruch_Click();
        return int(QDialog::Rejected);
    });
    run("mnuLinkAttributes");
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
    EXPECT_FALSE(enabled("mnuSaveProject"));
    ui.expectModal(link(QStringLiteral("betrag"), QStringLiteral("Firma")));
    run("mnuLinkAttributes");
    EXPECT_EQ(fox().SyncFeldName(), QStringLiteral("ACTFieldID|betrag"));
    EXPECT_TRUE(modHaupt::Projekt->IsChanged());
    EXPECT_TRUE(enabled("mnuSaveProject"));
}

TEST_F(AdoCommands, ReadWithoutARecordedFileOffersToReadAnew)
{
    savedProject(QStringLiteral("A"));
    ui.expectMsgBox(MsgIcon::Question,
                    QStringLiteral("Sollen die externen Daten aus der Datenbank neu eingelesen werden?"),
                    MsgAnswer::No);
    run("mnuReadADOData");
    EXPECT_EQ(window->InfoZoomExtra()->Tag(), QString());
    ui.expectMsgBox(MsgIcon::Question,
                    QStringLiteral("Sollen die externen Daten aus der Datenbank neu eingelesen werden?"),
                    MsgAnswer::Yes)
        .expectModal(enterSource(source(), QStringLiteral("SELECT * FROM umsatz")))
        .expectMsgBox(MsgIcon::Question, kLinkQuestion, MsgAnswer::No);
    run("mnuReadADOData");
    EXPECT_EQ(lowerRows(), 30);
    EXPECT_EQ(window->StatusPanel()->text(), kRereadDone);
}

TEST_F(AdoCommands, AStoredTableLoadsEvenWhenTheDataSourceIsUnreachable)
{
    savedProject(QStringLiteral("A"));
    firstRead();
    ui.expectModal(link(QStringLiteral("kunde"), QStringLiteral("Firma")));
    run("mnuLinkAttributes");
    run("mnuSaveProject");
    ASSERT_TRUE(QFile::exists(fox().Datei()));
    ASSERT_TRUE(QFile::remove(m_database));

    window->ResetInfoZoom(window->InfoZoomExtra());
    ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Es ist ein Fehler beim Verbinden mit der Datenquelle"));
    run("mnuReadADOData");
    EXPECT_EQ(lowerRows(), 30);
    EXPECT_EQ(window->InfoZoomExtra()->Tag(), QStringLiteral("ADODaten"));
    EXPECT_EQ(window->StatusPanel()->text(), QStringLiteral("Die externen Daten wurden geladen."));
    EXPECT_TRUE(window->Toolbar()->isEnabled());
    records::clADODaten *ado = mainwindow::ADOCommands::ADODaten();
    ASSERT_NE(ado, nullptr);
    EXPECT_EQ(ado->ConnectionString(), source());
    EXPECT_EQ(ado->SQLString(), QStringLiteral("SELECT * FROM umsatz"));
    EXPECT_EQ(ado->SyncFieldName(), QStringLiteral("ACTFieldID|kunde"));
    EXPECT_EQ(ado->DateOfData(), fox().Datum());
    EXPECT_FALSE(QFile::exists(m_database));
}

TEST_F(AdoCommands, AMissingStoredFileNamesItsPathBeforeTheQuestion)
{
    savedProject(QStringLiteral("A"));
    firstRead();
    run("mnuSaveProject");
    const QString file = fox().Datei();
    ASSERT_TRUE(QFile::remove(file));
    ui.expectMsgBox(MsgIcon::Question,
                    QStringLiteral("Die Projektdatendatei \"%1\"\r\nwurde nicht gefunden.\r\n"
                                   "Sollen die externen Daten aus der Datenbank eingelesen werden?")
                        .arg(file),
                    MsgAnswer::Yes);
    run("mnuReadADOData");
    // The recorded source is read again with the existing object, without the source dialog.
    EXPECT_EQ(lowerRows(), 30);
    EXPECT_EQ(window->StatusPanel()->text(), kRereadDone);
}

TEST_F(AdoCommands, AfterAReadTheReReadUsesTheLoadedObjectAndKeepsTheLink)
{
    savedProject(QStringLiteral("A"));
    firstRead();
    ui.expectModal(link(QStringLiteral("jahr"), QStringLiteral("Firma")));
    run("mnuLinkAttributes");
    run("mnuSaveProject");
    window->ResetInfoZoom(window->InfoZoomExtra());
    run("mnuReadADOData");
    ASSERT_EQ(lowerRows(), 30);
    adotest::runSqlite(m_database, QStringLiteral("DELETE FROM umsatz WHERE jahr = 2001;"));
    run("mnuUpdateADOData");
    EXPECT_EQ(lowerRows(), 24);
    EXPECT_EQ(fox().SyncFeldName(), QStringLiteral("ACTFieldID|jahr"));
    EXPECT_EQ(mainwindow::ADOCommands::ADODaten()->SyncFieldName(), QStringLiteral("ACTFieldID|jahr"));
}

TEST_F(AdoCommands, TheCancelPanelEndsTheTransferAndTheReadIsStillRecorded)
{
    QString more = QStringLiteral("BEGIN;");
    for (int i = 0; i < 90; ++i)
        more += QStringLiteral("INSERT INTO umsatz VALUES('Mehr %1', 1, 2020);").arg(i);
    adotest::runSqlite(m_database, more + QStringLiteral("COMMIT;"));
    savedProject(QStringLiteral("A"));
    InfoZoomTable *table = window->InfoZoomExtra()->Table();
    ui.onDoEvents = [this, table] {
        if (table->StatusText() == QStringLiteral("Übertrage externe Daten... (1/120)"))
            window->StatusBar_PanelClick(QStringLiteral("Abbruch"));
    };
    ui.expectModal(enterSource(source(), QStringLiteral("SELECT * FROM umsatz")))
        .expectMsgBox(MsgIcon::Question, kLinkQuestion, MsgAnswer::No);
    run("mnuUpdateADOData");
    ui.onDoEvents = nullptr;
    EXPECT_EQ(lowerRows(), 53);
    EXPECT_EQ(table->StatusText(),
              QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle externen Daten eingelesen!"));
    EXPECT_EQ(fox().SQLString(), QStringLiteral("SELECT * FROM umsatz"));
    EXPECT_EQ(fox().Datum(), mainwindow::ADOCommands::ADODaten()->DateOfData());
    EXPECT_TRUE(window->Toolbar()->isEnabled());
    EXPECT_EQ(window->StatusPanel()->text(),
              QStringLiteral(
                  "Das Einlesen der Tabelle der externen Daten wurde abgebrochen: 53 von 120 Datensätzen gelesen!"));
}

} // namespace
