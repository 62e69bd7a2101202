// External data from an SQLite file linked with the contacts on the company name, not on the ID:
// both directions of the synchronisation through the link the user chose.
#include "SqliteFile.h"
#include "mainwindow_project/ProjectCommandFixture.h"

#include "dbf/DbfTable.h"
#include "mainwindow/StatusBarPanel.h"
#include "records/clADODaten.h"
#include "records/frmAttributeZuordnung.h"
#include "records/frmDatenquelle.h"

#include <QComboBox>
#include <QMultiHash>
#include <QPlainTextEdit>
#include <QSet>

namespace {

using platform::MsgAnswer;
using platform::MsgIcon;

class ExternalDataSync : public ProjectCommandFixture
{
protected:
    void SetUp() override
    {
        ProjectCommandFixture::SetUp();
        newProject();
        m_firma = attributeNamed(upper(), QStringLiteral("Firma"));
        ASSERT_FALSE(m_firma.isNull());
        const QStringList companies = column(upper()->Objects(), m_firma);
        ASSERT_GE(companies.size(), 3);
        m_companies = companies.mid(0, 3);
        // Two orders of the first company, one of the second, one of a company the contacts lack.
        const QString database = m_work.filePath(QStringLiteral("extern.db"));
        QString script = QStringLiteral("CREATE TABLE umsatz(kunde TEXT, betrag REAL);");
        for (const QString &kunde :
             {m_companies.at(0), m_companies.at(0), m_companies.at(1), QStringLiteral("Fremd AG")})
            script += QStringLiteral("INSERT INTO umsatz VALUES('%1', 10.5);").arg(QString(kunde).replace("'", "''"));
        adotest::runSqlite(database, script);
        ui.expectModal([database](QDialog *d) {
              auto *dialog = dynamic_cast<records::frmDatenquelle *>(d);
              dialog->SetConnectionString(adotest::sqliteConnectionString(database));
              dialog->txbSQLString()->setPlainText(QStringLiteral("SELECT kunde, betrag FROM umsatz"));
              dialog->cmdOK_Click();
              return dialog->result();
          })
            .expectMsgBox(MsgIcon::Question, QStringLiteral("Wollen Sie ein Attribute der externen Daten"),
                          MsgAnswer::Yes)
            .expectModal([](QDialog *d) {
                auto *dialog = dynamic_cast<records::frmAttributeZuordnung *>(d);
                dialog->cbxADODatenAttribut()->setCurrentText(QStringLiteral("kunde"));
                dialog->cbxKontaktAttribut()->setCurrentText(QStringLiteral("Firma"));
                dialog->cmdOK_Click();
                return dialog->result();
            });
        run("mnuUpdateADOData");
        ASSERT_EQ(window->InfoZoomExtra()->Tag(), QStringLiteral("ADODaten"));
        ASSERT_EQ(modHaupt::Projekt->FOXADODaten().UniqueIDFeldName(), m_firma.ImportName());
        m_kunde = attributeNamed(lower(), QStringLiteral("kunde"));
        ASSERT_FALSE(m_kunde.isNull());
    }

    InfoZoomTable *upper() const { return window->InfoZoomKontakt()->Table(); }
    InfoZoomTable *lower() const { return window->InfoZoomExtra()->Table(); }

    InfoZoomAttribute m_firma;
    InfoZoomAttribute m_kunde;
    QStringList m_companies;
};

TEST_F(ExternalDataSync, ContactsOfTheSelectedCustomersThroughTheLinkedCompany)
{
    for (const QString &kunde : {m_companies.at(0), QStringLiteral("Fremd AG")})
        m_kunde.SelectValue(kunde, true);
    run("mnuZoomContacts");
    const QStringList shown = column(upper()->CurrentObjects(), m_firma);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(QSet<QString>(shown.begin(), shown.end()), QSet<QString>{m_companies.at(0)});
    EXPECT_EQ(upper()->StatusText(), QStringLiteral("1 gefundene(s) Objekt(e) wurden markiert, und 1 nicht "
                                                    "gefundene(s) Objekt(e) wurde(n) markiert"));
    EXPECT_EQ(window->StatusPanel()->text(),
              QStringLiteral("Es wurde auf die Kontakte in Abhängigkeit der ADODaten-Auswahl gezoomt."));
    // The customer without a contact is flagged in the external data.
    InfoZoomValues values = m_kunde.SelectedValues();
    values.Reset();
    QStringList flagged;
    for (int i = values.Count(); i > 0; --i) {
        InfoZoomValue value = values.NextValue();
        if (value.Marked())
            flagged << value.Value().toString();
    }
    EXPECT_EQ(flagged, QStringList{QStringLiteral("Fremd AG")});
}

TEST_F(ExternalDataSync, OrdersOfTheSelectedContactsThroughTheLinkedCompany)
{
    m_firma.SelectValue(m_companies.at(0), true);
    m_firma.SelectValue(m_companies.at(2), true);
    run("mnuZoomExtraData");
    EXPECT_EQ(column(lower()->CurrentObjects(), m_kunde), (QStringList{m_companies.at(0), m_companies.at(0)}));
    EXPECT_EQ(window->StatusPanel()->text(),
              QStringLiteral("Es wurde auf die ADODaten in Abhängigkeit der Kontakte-Auswahl gezoomt."));
}

// A selection in a column that is not the link: the linked values of the selected rows count, in
// both directions; the contacts' companies and cities are read from the database file itself.
TEST_F(ExternalDataSync, SelectionsInOtherColumnsFollowTheirRows)
{
    QMultiHash<QString, QString> companiesIn; // city -> company
    QString firstCity;
    dbf::DbfTable contacts(singleDb());
    for (qint64 i = 0; i < contacts.recordCount(); ++i) {
        const dbf::DbfRecord r = contacts.record(i);
        const QString company = r.text(contacts.fieldIndex(u"COMPANY")).trimmed();
        const QString city = r.text(contacts.fieldIndex(u"CITY")).trimmed();
        if (r.isDeleted())
            continue;
        companiesIn.insert(city, company);
        if (company == m_companies.at(0) && firstCity.isEmpty())
            firstCity = city;
    }
    ASSERT_FALSE(firstCity.isEmpty());

    // The city of the first company: the orders of every company there.
    attributeNamed(upper(), QStringLiteral("Ort")).SelectValue(firstCity, true);
    run("mnuZoomExtraData");
    QStringList expected;
    for (const QString &kunde : {m_companies.at(0), m_companies.at(0), m_companies.at(1)})
        if (companiesIn.values(firstCity).contains(kunde))
            expected << kunde;
    EXPECT_EQ(column(lower()->CurrentObjects(), m_kunde), expected);

    // Every order has the same amount: selecting it selects every customer.
    upper()->ShowAll();
    upper()->ResetSelection();
    lower()->ShowAll();
    InfoZoomAttribute betrag = attributeNamed(lower(), QStringLiteral("betrag"));
    InfoZoomObjects orders = lower()->Objects();
    orders.Reset();
    betrag.SelectValue(orders.NextObject().Value(betrag), true);
    ASSERT_EQ(lower()->SelectedObjects().Count(), 4);
    run("mnuZoomContacts");
    QStringList shown = column(upper()->CurrentObjects(), m_firma);
    QStringList companies;
    for (const QString &company : companiesIn.values())
        if (company == m_companies.at(0) || company == m_companies.at(1))
            companies << company;
    shown.sort();
    companies.sort();
    EXPECT_EQ(shown, companies);
    const int found = QSet<QString>{m_companies.at(0), m_companies.at(1)}.size();
    EXPECT_EQ(upper()->StatusText(), QStringLiteral("%1 gefundene(s) Objekt(e) wurden markiert, und 1 nicht "
                                                    "gefundene(s) Objekt(e) wurde(n) markiert")
                                         .arg(found));
}

} // namespace
