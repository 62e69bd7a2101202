// The sales record class: the sixteen attributes and their formats, the value rules (numbers, empty
// dates, first line, group sales), the re-read over an existing table, cancel and bad records
// counted on written sales only, reloading, and showing a sale in the running ACT!.
#include "LowerTableFixture.h"
#include "RunningACTDouble.h"

#include "actlink/clUniqueIDConverter.h"
#include "records/clAuftraege.h"

using namespace records;
using actserver::ActDemoRow;
using actserver::ActTableKind;
using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

const QString kAbort = QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle Auftragsdaten eingelesen!");

class Auftraege : public LowerTableFixture
{
protected:
    void read(const QString &path)
    {
        m_db = open(path);
        m_sales = std::make_unique<clAuftraege>();
        ASSERT_TRUE(m_sales->Init(&m_control, &m_status, m_db));
        m_sales->SetACTFields();
        m_sales->ShowData();
    }
    QString numberedSales(int count)
    {
        const QString path = freshCopy();
        rewriteTable(path, ActTableKind::Sales, count, [](int i, ActDemoRow &row) {
            row.set(1, QStringLiteral("S%1").arg(i + 1));
            row.set(27, QStringLiteral("Produkt %1").arg(i + 1));
            row.set(25, QStringLiteral("C%1").arg(i + 1));
        });
        return path;
    }
    void cancelAtTheFirstProgressText()
    {
        onStatus = [this](const QString &text) {
            if (text.startsWith(QStringLiteral("Übertrage Auftragsdaten... (1/")))
                m_sales->setCancel(true);
        };
    }

    std::shared_ptr<actserver::ACTDatabaseObject> m_db;
    std::unique_ptr<clAuftraege> m_sales;
    actlink::clUniqueIDConverter m_converter;
};

TEST_F(Auftraege, TheDemoSalesGiveOneRowPerSaleInTheSixteenAttributes)
{
    read(sharedPath());
    EXPECT_EQ(attributeNames(),
              (QStringList{"Eindeutige ID", "Erstellt am", "Abschlussdatum", "Produkt", "Kontakt", "Firma",
                           "Einzelpreis", "Menge", "Betrag", "Wahrscheinlichkeit (%)", "Status", "Phase", "Details",
                           "Wettbewerber", "Datensatz-Manager", "Kontakt-ID"}));
    QStringList keys;
    for (int id : {1, 35, 31, 27, 201, 200, 32, 33, 34, 30, 39, 38, 36, 202, 6, 25})
        keys << QStringLiteral("ACTFieldID|%1").arg(id);
    EXPECT_EQ(importNames(), keys);
    EXPECT_EQ(attribute("Erstellt am").Format(), QStringLiteral("tt.mm.jjjj ss:mm:ss"));
    EXPECT_EQ(attribute("Betrag").Format(), QStringLiteral("#.###,00"));
    EXPECT_EQ(attribute("Wahrscheinlichkeit (%)").Format(), QStringLiteral("####"));
    EXPECT_EQ(attribute("Kontakt-ID").Format(), QString());
    EXPECT_EQ(m_sales->UniqueIDFieldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(m_sales->SyncFieldName(), QStringLiteral("ACTFieldID|25"));
    ASSERT_EQ(table().Objects().Count(), 60);
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Aufträge"));
    EXPECT_EQ(table().StatusText(), QStringLiteral("Fertig."));
    for (const QString &id : column("Eindeutige ID")) {
        EXPECT_EQ(m_converter.GetIDTyp(id), QStringLiteral("SL"));
    }
    const QStringList contacts = column("Kontakt-ID");
    EXPECT_TRUE(contacts.contains(QStringLiteral("GruppenAuftrag")));
    for (const QString &contact : contacts) {
        if (contact != QStringLiteral("GruppenAuftrag")) {
            EXPECT_EQ(m_converter.GetIDTyp(contact), QStringLiteral("CO"));
        }
    }
}

TEST_F(Auftraege, NumbersDatesTextsAndContactsFollowTheirRules)
{
    const QString path = freshCopy();
    const QString firstUser = open(path)->Users().UniqueID(1);
    rewriteTable(path, ActTableKind::Sales, 2, [&](int i, ActDemoRow &row) {
        row.set(1, QStringLiteral("S%1").arg(i));
        if (i == 0) {
            row.set(32, 1234.5);
            row.set(33, 3);
            row.set(34, 3703.5);
            row.set(30, 40);
            row.setDateTime(35, QDateTime(QDate(2024, 1, 2), QTime(8, 0, 0)));
            row.setDateTime(31, QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58)));
            row.set(36, QStringLiteral("Angebot über 3 Stück.\r\nLieferung frei Haus."));
            row.set(25, QStringLiteral("K1"));
            row.set(6, firstUser);
            row.set(39, QStringLiteral("Offen"));
        } else {
            row.set(36, QStringLiteral("\r\nZweite Zeile"));
            row.set(25, QStringLiteral("    "));
            row.set(6, QStringLiteral("NIEMAND"));
        }
    });
    read(path);
    EXPECT_EQ(column("Einzelpreis"), (QStringList{"1.234,5", "0"}));
    EXPECT_EQ(column("Menge"), (QStringList{"3", "0"}));
    EXPECT_EQ(column("Betrag"), (QStringList{"3.703,5", "0"}));
    EXPECT_EQ(column("Wahrscheinlichkeit (%)"), (QStringList{"40", "0"}));
    EXPECT_EQ(column("Erstellt am"), (QStringList{"02.01.2024 08:00:00", "01.01.1980 00:00:00"}));
    EXPECT_EQ(column("Abschlussdatum"), (QStringList{"31.12.2024 23:59:58", "01.01.1980 00:00:00"}));
    EXPECT_EQ(column("Details"), (QStringList{"Angebot über 3 Stück.", ""}));
    EXPECT_EQ(column("Kontakt-ID"), (QStringList{m_converter.ToHexID(QStringLiteral("K1"), QStringLiteral("CO")),
                                                 QStringLiteral("GruppenAuftrag")}));
    EXPECT_EQ(column("Datensatz-Manager"), (QStringList{"Anna Schäfer", "Unbekannt"}));
    EXPECT_EQ(column("Status"), (QStringList{"Offen", ""}));
}

TEST_F(Auftraege, AnEmptySalesTableGivesTheAttributesNoRowsFertigAndTheTag)
{
    const QString path = freshCopy();
    rewriteTable(path, ActTableKind::Sales, 0, [](int, ActDemoRow &) {});
    read(path);
    EXPECT_EQ(table().AttributeList().Count(), 16);
    EXPECT_EQ(table().Objects().Count(), 0);
    EXPECT_EQ(table().StatusText(), QStringLiteral("Fertig."));
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Aufträge"));
    EXPECT_LE(m_sales->DateOfData().secsTo(QDateTime::currentDateTime()), 5);
    for (const char *step : {"Erstelle Attribute (0%)", "Erstelle Attribute (31%)", "Erstelle Attribute (62%)",
                             "Erstelle Attribute (93%)"})
        EXPECT_TRUE(m_statusTexts.contains(QString::fromUtf8(step))) << step;
}

TEST_F(Auftraege, AReReadReusesRenamedAttributesAndRecreatesADeletedOneAtTheEnd)
{
    read(numberedSales(2));
    attribute("Produkt").setName(QStringLiteral("Artikel"));
    attribute("Betrag").setFormat(QString());
    table().DeleteAttribute(attribute("Wettbewerber"), true, true);

    read(numberedSales(3));
    EXPECT_EQ(table().AttributeList().Count(), 16);
    EXPECT_EQ(table().AttributeItem(15).Name(), QStringLiteral("Wettbewerber"));
    EXPECT_EQ(table().AttributeItem(3).Name(), QStringLiteral("Artikel"));
    EXPECT_EQ(attribute("Betrag").Format(), QStringLiteral("#.###,00"));
    EXPECT_EQ(column("Artikel"), (QStringList{"Produkt 1", "Produkt 2", "Produkt 3"}));
}

TEST_F(Auftraege, ACancelClickEndsTheReadAfterRecord53)
{
    const QString path = numberedSales(200);
    cancelAtTheFirstProgressText();
    read(path);
    EXPECT_EQ(table().Objects().Count(), 53);
    EXPECT_EQ(table().StatusText(), kAbort);
}

TEST_F(Auftraege, ASkippedRecordTakesNoCancelTestSoTheReadGoesOnTo106)
{
    const QString path = numberedSales(200);
    damageMemo(path, ActTableKind::Sales, 52, "DETAILS");
    m_ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Lfd. Datensatznummer: 53\r\n"), MsgAnswer::Yes);
    cancelAtTheFirstProgressText();
    read(path);
    EXPECT_EQ(table().Objects().Count(), 105);
    EXPECT_EQ(table().StatusText(), kAbort);
}

TEST_F(Auftraege, AFailingRecord106AnsweredYesShowsNoProgressTextThere)
{
    const QString path = numberedSales(200);
    damageMemo(path, ActTableKind::Sales, 105, "DETAILS");
    m_ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Lfd. Datensatznummer: 106\r\n"), MsgAnswer::Yes);
    read(path);
    EXPECT_EQ(table().Objects().Count(), 199);
    EXPECT_TRUE(m_statusTexts.contains(QStringLiteral("Übertrage Auftragsdaten... (53/200)")));
    EXPECT_FALSE(m_statusTexts.contains(QStringLiteral("Übertrage Auftragsdaten... (106/200)")));
    EXPECT_TRUE(m_statusTexts.contains(QStringLiteral("Übertrage Auftragsdaten... (159/200)")));
    EXPECT_EQ(table().StatusText(), QStringLiteral("Fertig."));
}

TEST_F(Auftraege, LoadDataReloadsAStoredSalesTable)
{
    read(numberedSales(3));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Projekt_Aufträge.fox"));
    table().SaveFile(file);
    InfoZoomControl other;
    clAuftraege loaded;
    loaded.Init(&other, &m_status, m_db);
    loaded.SetACTFields();
    loaded.LoadData(file);
    EXPECT_EQ(other.Tag(), QStringLiteral("Aufträge"));
    EXPECT_EQ(other.Table()->Objects().Count(), 3);
    EXPECT_EQ(other.Table()->StatusText(), QStringLiteral("Fertig."));
    EXPECT_EQ(loaded.SyncFieldName(), QString());
}

TEST_F(Auftraege, WithoutADatabaseTheFieldSetUpOnlyTells)
{
    clAuftraege sales;
    EXPECT_TRUE(sales.Init(&m_control, &m_status, nullptr));
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Es ist keine ACT!-Datenbank geöffnet."));
    sales.SetACTFields();
    sales.ShowData();
    EXPECT_EQ(table().AttributeList().Count(), 0);
    EXPECT_EQ(m_control.Tag(), QString());
}

class ShowSale : public Auftraege
{
protected:
    void SetUp() override
    {
        Auftraege::SetUp();
        m_sales = std::make_unique<clAuftraege>();
        m_sales->Init(&m_control, &m_status, open(sharedPath()));
        m_sales->SetACTFields();
    }
    RunningACTDouble m_act;
};

TEST_F(ShowSale, ShowsTheSaleOfTheContactAndBringsACTForward)
{
    EXPECT_TRUE(m_sales->ShowSale(m_converter.ToHexID(QStringLiteral("SALE1"), QStringLiteral("SL")),
                                  m_converter.ToHexID(QStringLiteral("K7"), QStringLiteral("CO"))));
    EXPECT_EQ(m_act.state().calls, (QStringList{"lookup:K7          ", "sale:SALE1       ", "front"}));
    EXPECT_TRUE(m_statusTexts.contains(QStringLiteral("Suche Auftrag...")));
    EXPECT_EQ(table().StatusText(), QString());
}

TEST_F(ShowSale, ANoteIDIsRefusedSilentlyAndTheStatusLineCleared)
{
    EXPECT_FALSE(m_sales->ShowSale(m_converter.ToHexID(QStringLiteral("N1"), QStringLiteral("NT")),
                                   m_converter.ToHexID(QStringLiteral("K7"), QStringLiteral("CO"))));
    EXPECT_TRUE(m_act.state().calls.isEmpty());
    EXPECT_EQ(m_ui.records().size(), 0);
    EXPECT_EQ(table().StatusText(), QString());
}

TEST_F(ShowSale, AGroupSaleLooksUpAnEmptyContactID)
{
    m_sales->ShowSale(m_converter.ToHexID(QStringLiteral("S1"), QStringLiteral("SL")),
                      QStringLiteral("GruppenAuftrag"));
    ASSERT_FALSE(m_act.state().calls.isEmpty());
    EXPECT_EQ(m_act.state().calls.first(), QStringLiteral("lookup:"));
}

TEST_F(ShowSale, WithoutARunningACTTheUserIsAskedToStartIt)
{
    m_act.state().running = false;
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Bitte starten Sie zuvor ACT!."));
    EXPECT_FALSE(m_sales->ShowSale(m_converter.ToHexID(QStringLiteral("S1"), QStringLiteral("SL")),
                                   m_converter.ToHexID(QStringLiteral("K7"), QStringLiteral("CO"))));
    EXPECT_TRUE(m_act.state().calls.isEmpty());
}

} // namespace
