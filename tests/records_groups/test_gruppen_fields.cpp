// The group fields: what the dialog offers, the fixed columns, cancel, the fields of the shown table,
// the user names of the record manager, and Init without a database.
#include "GroupsFixture.h"

using platform::MsgIcon;
using records::clGruppen;

namespace {

class GruppenFields : public GroupsFixture
{
};

TEST_F(GruppenFields, TheDialogOffersOnlyTheGroupFieldsThatAreNotFixedColumns)
{
    clGruppen gruppen;
    ASSERT_TRUE(init(gruppen));
    QStringList offered;
    m_ui.expectModal([&offered](QDialog *d) {
        auto *dialog = dynamic_cast<records::frmFelder *>(d);
        for (int i = 0; i < dialog->itemCount(); ++i)
            offered << dialog->itemKey(i);
        dialog->cmdAbbruch_Click();
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(gruppen.SelectFields(true));
    EXPECT_EQ(offered, (QStringList{"ACTFieldID|6", "ACTFieldID|25", "ACTFieldID|26", "ACTFieldID|27", "ACTFieldID|28",
                                    "ACTFieldID|29", "ACTFieldID|30"}));
}

TEST_F(GruppenFields, TheFourFixedColumnsComeFirstAndTheTickedFieldsFollow)
{
    clGruppen gruppen;
    readGroups(gruppen, {QStringLiteral("Gruppenname"), QStringLiteral("Erstellt am")});
    EXPECT_EQ(gruppen.FieldIDs(), (QVector<qint16>{1, 100, 56, 55, 25, 27}));
    EXPECT_EQ(gruppen.FieldTypes(), (QVector<int>{4, 1, 4, 4, 0, 3}));
    EXPECT_EQ(gruppen.FieldLabels(),
              (QStringList{QStringLiteral("Eindeutige ID"), QStringLiteral("Anzahl Mitglieder"),
                           QStringLiteral("Kontakt ID"), QString::fromUtf8("Übergeordnete Gruppe"),
                           QStringLiteral("Gruppenname"), QStringLiteral("Erstellt am")}));
    InfoZoomTable *table = m_control.Table();
    EXPECT_EQ(InfoZoomAttribute(table->AttributeItem(1)).Format(), QStringLiteral("####"));
    EXPECT_EQ(InfoZoomAttribute(table->AttributeItem(5)).Format(), QStringLiteral("tt.mm.jjjj ss:mm:ss"));
    const StoredGroup kunden = storedGroup(QStringLiteral("Kunden"));
    const QList<QStringList> all =
        rows(table, {InfoZoomAttribute(table->AttributeItem(0)), InfoZoomAttribute(table->AttributeItem(4))});
    EXPECT_TRUE(all.contains(QStringList{hex(kunden.id, "GR"), QStringLiteral("Kunden")}));
}

TEST_F(GruppenFields, ACancelledDialogLeavesTheFieldArraysAsTheyWere)
{
    clGruppen gruppen;
    readGroups(gruppen, {QStringLiteral("Gruppenname")});
    m_ui.expectModal([](QDialog *d) {
        auto *dialog = dynamic_cast<records::frmFelder *>(d);
        for (int i = 0; i < dialog->itemCount(); ++i)
            dialog->setChecked(i, true);
        dialog->cmdAbbruch_Click();
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(gruppen.SelectFields(true));
    EXPECT_EQ(gruppen.FieldIDs(), (QVector<qint16>{1, 100, 56, 55, 25}));
}

TEST_F(GruppenFields, WithoutTheDialogTheFieldsOfTheShownTableAreTaken)
{
    clGruppen gruppen;
    readGroups(gruppen, {QStringLiteral("Beschreibung"), QStringLiteral("Ort")});
    clGruppen again;
    ASSERT_TRUE(init(again));
    EXPECT_TRUE(again.SelectFields(false)); // no dialog: the scripted UI would fail on one
    EXPECT_EQ(again.FieldIDs(), (QVector<qint16>{1, 100, 56, 55, 26, 29}));
}

TEST_F(GruppenFields, TheRecordManagerShowsTheUsersName)
{
    clGruppen gruppen;
    readGroups(gruppen, {QStringLiteral("Datensatz-Manager")});
    InfoZoomTable *table = m_control.Table();
    const QList<QStringList> all = rows(table, {InfoZoomAttribute(table->AttributeItem(4))});
    ASSERT_FALSE(all.isEmpty());
    const QString user = QString::fromUtf8("Anna Schäfer"); // the single user of the demo database
    for (const QStringList &row : all)
        ASSERT_EQ(row.at(0), user);
}

TEST_F(GruppenFields, WithoutADatabaseInitRefusesAndTheFieldsCannotBeRead)
{
    clGruppen gruppen;
    m_ui.expectMsgBox(MsgIcon::Exclamation, QString::fromUtf8("Es ist kein OLE-Zugriff auf die ACT!-Gruppen möglich."));
    EXPECT_FALSE(gruppen.Init(&m_control, &m_status, nullptr, demoPath()));
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Es besteht keine Verbindung zur ACT!-Datenbank."))
        .expectMsgBox(MsgIcon::Exclamation,
                      QStringLiteral("Die Feldstruktur der ACT!-Datenbank konnte nicht eingelsen"));
    EXPECT_FALSE(gruppen.SelectFields(true));
    gruppen.ShowData(); // nothing to read from: the table stays as it was
    EXPECT_EQ(m_control.Tag(), QString());
    EXPECT_TRUE(gruppen.ParentGroupAttribute().isNull());
}

TEST_F(GruppenFields, WithoutAFieldSetUpTheReadLeavesTheTableAlone)
{
    clGruppen gruppen;
    ASSERT_TRUE(init(gruppen));
    gruppen.ShowData();
    EXPECT_EQ(m_control.Table()->AttributeList().Count(), 0);
    EXPECT_EQ(m_control.Tag(), QString());
}

TEST_F(GruppenFields, AClosedDatabaseIsRefusedLikeAMissingOne)
{
    auto db = openDatabase(demoPath());
    db->Close();
    clGruppen gruppen;
    m_ui.expectMsgBox(MsgIcon::Exclamation, QString::fromUtf8("Es ist kein OLE-Zugriff auf die ACT!-Gruppen möglich."));
    EXPECT_FALSE(gruppen.Init(&m_control, &m_status, db, demoPath()));
}

} // namespace
