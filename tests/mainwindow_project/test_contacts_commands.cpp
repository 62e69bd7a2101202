// Reading the contacts anew and changing the contact fields, with the cancel panel during a read.
#include "ProjectCommandFixture.h"

#include "mainwindow/StatusBarPanel.h"

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

using ContactsCommands = ProjectCommandFixture;

TEST_F(ContactsCommands, AReReadKeepsRenamedAttributesAndDerivedOnesAndRecordsTheDate)
{
    savedProject(QStringLiteral("A"));
    InfoZoomTable *table = window->InfoZoomKontakt()->Table();
    table->AttributeItem(2).setName(QStringLiteral("Stadt"));
    table->Attributes().Add(QStringLiteral("Abgeleitet"));
    modHaupt::Projekt->FOXKontakt().setIsChanged(false);
    ASSERT_FALSE(modHaupt::Projekt->IsChanged());

    run("mnuUpdateContacts");
    EXPECT_EQ(upperAttributes(), (QStringList{"Eindeutige ID", "Firma", "Stadt", "Abgeleitet"}));
    EXPECT_EQ(upperRows(), 60);
    EXPECT_EQ(window->StatusPanel()->text(),
              QStringLiteral("Die Kontaktdaten wurden neu aus der ACT!-Datenbank eingelesen."));
    EXPECT_EQ(modHaupt::Projekt->FOXKontakt().Datum(), window->Kontakte()->DateOfData());
    EXPECT_TRUE(modHaupt::Projekt->IsChanged());
    EXPECT_TRUE(enabled("mnuSaveProject"));
    EXPECT_TRUE(window->Toolbar()->isEnabled());
    EXPECT_EQ(window->ActiveTable(), window->InfoZoomKontakt());
}

TEST_F(ContactsCommands, TheCancelPanelEndsTheReadAtTheNextProgressStep)
{
    expectNewMultiProject();
    run("mnuNewProject");
    ASSERT_EQ(upperRows(), 130);

    InfoZoomTable *table = window->InfoZoomKontakt()->Table();
    ui.onDoEvents = [this, table] {
        if (table->StatusText() == QString::fromUtf8("Übertrage Kontaktdaten... (57/130)"))
            window->StatusBar_PanelClick(QStringLiteral("Abbruch"));
    };
    run("mnuUpdateContacts");
    ui.onDoEvents = nullptr;
    EXPECT_EQ(upperRows(), 114);
    EXPECT_EQ(table->StatusText(), QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle Daten eingelesen!"));
    EXPECT_EQ(window->InfoZoomKontakt()->Tag(), QStringLiteral("Kontakte"));
    EXPECT_TRUE(window->Toolbar()->isEnabled());
    EXPECT_TRUE(window->InfoZoomKontakt()->DisplayEnabled());
}

TEST_F(ContactsCommands, ClosingTheWindowDuringTheReadCancelsItAndClosesAfterIt)
{
    expectNewMultiProject();
    run("mnuNewProject");

    InfoZoomTable *table = window->InfoZoomKontakt()->Table();
    QString endOfRead;
    ui.onDoEvents = [&] {
        if (table->StatusText() == QString::fromUtf8("Übertrage Kontaktdaten... (57/130)"))
            window->close();
        if (window->StatusPanel()->text() ==
            QStringLiteral("Das Einlesen der Kontakttabelle wurde abgebrochen: 114 von 130 Datensätzen gelesen!"))
            endOfRead = table->StatusText();
    };
    ui.expectMsgBox(MsgIcon::Question,
                    QStringLiteral("Sollen zuvor die Änderungen im Projekt \"Team\" gespeichert werden?"),
                    MsgAnswer::No);
    run("mnuUpdateContacts");
    ui.onDoEvents = nullptr;
    EXPECT_EQ(endOfRead, QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle Daten eingelesen!"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(modHaupt::Projekt, nullptr);
    EXPECT_TRUE(modHaupt::RecordObjectsInCancelOrder().isEmpty());
}

TEST_F(ContactsCommands, WithoutAnOpenDatabaseTheReReadKeepsTheTable)
{
    savedProject(QStringLiteral("A"));
    modHaupt::Kontakte = std::make_unique<records::clKontakte>();
    ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Es ist keine ACT!-Datenbank geöffnet."));
    run("mnuUpdateContacts");
    EXPECT_EQ(upperRows(), 60);
}

TEST_F(ContactsCommands, ChangedFieldsAreReadAfterYesAndTheOldTableStaysAfterNo)
{
    newProject();
    ui.expectModal(tick({QStringLiteral("Mitarbeiter")}))
        .expectMsgBox(MsgIcon::Question,
                      QStringLiteral("Sollen die ACT!-Kontaktdaten neu eingelesen werden?\r\n"
                                     "Bereits abgeleitete Attribute in den Kontaktdaten gehen dabei verloren."),
                      MsgAnswer::No);
    run("mnuChangeContactFields");
    EXPECT_EQ(upperAttributes(), (QStringList{"Eindeutige ID", "Firma", "Ort"}));

    window->InfoZoomKontakt()->Table()->Attributes().Add(QStringLiteral("Abgeleitet"));
    ui.expectModal([](QDialog *d) {
          auto *dialog = dynamic_cast<records::frmFelder *>(d);
          // The fields of the table come ticked.
          EXPECT_TRUE(dialog->isChecked(dialog->indexOfKey(QStringLiteral("ACTFieldID|15"))));
          dialog->setChecked(dialog->indexOfKey(QStringLiteral("ACTFieldID|15")), false);
          dialog->setChecked(dialog->indexOfKey(QStringLiteral("ACTFieldID|27")), true);
          dialog->cmdOk_Click();
          return int(QDialog::Accepted);
      }).expectMsgBox(MsgIcon::Question, QStringLiteral("neu eingelesen werden?"), MsgAnswer::Yes);
    run("mnuChangeContactFields");
    EXPECT_EQ(upperAttributes(), (QStringList{"Eindeutige ID", "Firma", "Mitarbeiter"}));
    EXPECT_EQ(upperRows(), 60);
    EXPECT_EQ(window->StatusPanel()->text(),
              QStringLiteral("Die Kontaktdaten wurden neu aus der ACT!-Datenbank eingelesen."));
    EXPECT_EQ(window->InfoZoomKontakt()->Tag(), QStringLiteral("Kontakte"));
}

TEST_F(ContactsCommands, ACancelledFieldDialogStillOffersToReadTheCurrentFields)
{
    newProject();
    ui.expectModal(cancelFields()).expectMsgBox(MsgIcon::Question, QStringLiteral("neu eingelesen werden?"),
                                                MsgAnswer::Yes);
    run("mnuChangeContactFields");
    EXPECT_EQ(upperAttributes(), (QStringList{"Eindeutige ID", "Firma", "Ort"}));
    EXPECT_EQ(upperRows(), 60);
}

} // namespace
