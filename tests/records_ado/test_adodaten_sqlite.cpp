// The external-data record class against the SQLite ODBC driver: columns and their codes, refused
// types, the transfer with progress and cancel, re-reads that find their attributes again, the
// messages of a missing or failing data source, and the reload of a stored table.
#include "AdoTableFixture.h"

#include "records/FieldValues.h"

#include <QDate>

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

QString numbers(int n)
{
    QString script = QStringLiteral("CREATE TABLE kunden(nr INTEGER, name TEXT, umsatz REAL, seit DATE);BEGIN;");
    for (int i = 1; i <= n; ++i)
        script += QStringLiteral("INSERT INTO kunden VALUES(%1, 'Kunde %1', %1.5, '2024-01-%2');")
                      .arg(i)
                      .arg(1 + i % 28, 2, 10, QLatin1Char('0'));
    return script + QStringLiteral("COMMIT;");
}

class AdoDatenSqlite : public AdoTableFixture
{
};

TEST_F(AdoDatenSqlite, ReadsEveryRecordWithProgressAtEach53rdAndFertig)
{
    use(database(numbers(120)), QStringLiteral("SELECT * FROM kunden"));
    ASSERT_TRUE(read());
    EXPECT_EQ(rows(), 120);
    EXPECT_EQ(m_control.Tag(), QStringLiteral("ADODaten"));
    EXPECT_TRUE(m_statuses.contains(QStringLiteral("Übertrage externe Daten... (1/120)")));
    EXPECT_TRUE(m_statuses.contains(QStringLiteral("Übertrage externe Daten... (53/120)")));
    EXPECT_TRUE(m_statuses.contains(QStringLiteral("Übertrage externe Daten... (106/120)")));
    EXPECT_FALSE(m_statuses.contains(QStringLiteral("Übertrage externe Daten... (54/120)")));
    EXPECT_TRUE(m_statuses.contains(QStringLiteral("Erstelle Attribute (0%)")));
    EXPECT_EQ(m_statuses.last(), QStringLiteral("Fertig."));
    EXPECT_EQ(attributeNames(), (QStringList{"nr", "name", "umsatz", "seit"}));
    EXPECT_EQ(m_ado.FieldTypes(), (QVector<int>{1, 0, 2, 3}));
    EXPECT_EQ(column(QStringLiteral("nr")).at(119), QVariant(120));
    EXPECT_EQ(column(QStringLiteral("name")).at(0), QVariant(QStringLiteral("Kunde 1")));
    EXPECT_EQ(column(QStringLiteral("umsatz")).at(1), QVariant(QStringLiteral("2,5")));
    EXPECT_EQ(column(QStringLiteral("seit")).at(0), QVariant(QStringLiteral("02.01.2024 00:00:00")));
    EXPECT_EQ(attribute(QStringLiteral("ACTFieldID|umsatz")).Format(), QStringLiteral("#.###,00"));
    EXPECT_EQ(attribute(QStringLiteral("ACTFieldID|seit")).Format(), QStringLiteral("tt.mm.jjjj ss:mm:ss"));
    EXPECT_EQ(attribute(QStringLiteral("ACTFieldID|nr")).Format(), QStringLiteral("####"));
    EXPECT_TRUE(m_control.DisplayEnabled());
    EXPECT_TRUE(table().DisplayOptionA());
    // The query is done with: nothing is held open after a complete read.
    EXPECT_FALSE(m_ado.hasOpenConnection());
    EXPECT_FALSE(m_ado.hasOpenRecordset());
    EXPECT_LE(qAbs(m_ado.DateOfData().secsTo(QDateTime::currentDateTime())), 5);
}

TEST_F(AdoDatenSqlite, ATimeColumnRefusesTheWholeQueryNamingItsNumber)
{
    use(database(QStringLiteral("CREATE TABLE t(nr INTEGER, beginn TIME, name TEXT);"
                                "INSERT INTO t VALUES(1, '08:30:00', 'a');")),
        QStringLiteral("SELECT nr, beginn, name FROM t"));
    m_ui.expectMsgBox(MsgIcon::Exclamation,
                      QStringLiteral("In der externen Datentabelle ist ein Feldtyp vorhanden der nicht unterstützt "
                                     "wird.\r\nEs handelt sich um das Feld \"beginn\" mit der Typennummer 134."));
    EXPECT_FALSE(m_ado.SetADOFields());
    EXPECT_EQ(m_ado.FieldCount(), 3);
}

TEST_F(AdoDatenSqlite, WholeNumberColumnTakesNullAsZeroEmptyAsMinusOneAndNumericTextAsNumber)
{
    use(database(QStringLiteral("CREATE TABLE t(id INTEGER, menge INTEGER);"
                                "INSERT INTO t VALUES(1, NULL);INSERT INTO t VALUES(2, '');"
                                "INSERT INTO t VALUES(3, '12');INSERT INTO t VALUES(4, 'zwölf');"
                                "INSERT INTO t VALUES(5, 2.5);INSERT INTO t VALUES(6, 3.5);")),
        QStringLiteral("SELECT menge FROM t ORDER BY id"));
    ASSERT_TRUE(read());
    EXPECT_EQ(column(QStringLiteral("menge")), (QVariantList{0, -1, 12, -1, 2, 4}));
}

TEST_F(AdoDatenSqlite, TextColumnShowsNullAsEmptyAndDateColumnKeepsNullEmpty)
{
    use(database(QStringLiteral("CREATE TABLE t(id INTEGER, name TEXT, tag DATE, preis REAL);"
                                "INSERT INTO t VALUES(1, NULL, NULL, NULL);"
                                "INSERT INTO t VALUES(2, 'x', '2023-12-31', 1234.567);")),
        QStringLiteral("SELECT name, tag, preis FROM t ORDER BY id"));
    ASSERT_TRUE(read());
    EXPECT_EQ(column(QStringLiteral("name")), (QVariantList{QString(), QStringLiteral("x")}));
    EXPECT_EQ(column(QStringLiteral("tag")), (QVariantList{QString(), QStringLiteral("31.12.2023 00:00:00")}));
    EXPECT_EQ(column(QStringLiteral("preis")), (QVariantList{0, QStringLiteral("1.234,57")}));
}

TEST_F(AdoDatenSqlite, RenamedColumnGetsANewAttributeAndTheOldOneStaysWithoutValues)
{
    use(database(numbers(3)), QStringLiteral("SELECT nr, name FROM kunden"));
    ASSERT_TRUE(read());
    table().AttributeItem(1).setName(QStringLiteral("Kundenname"));
    m_ado.setSQLString(QStringLiteral("SELECT name AS firma, nr FROM kunden"));
    ASSERT_TRUE(read());
    EXPECT_EQ(attributeNames(), (QStringList{"nr", "Kundenname", "firma"}));
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(column(QStringLiteral("firma")).at(2), QVariant(QStringLiteral("Kunde 3")));
    EXPECT_EQ(column(QStringLiteral("name")), (QVariantList{QString(), QString(), QString()}));
    EXPECT_EQ(column(QStringLiteral("nr")), (QVariantList{1, 2, 3}));
}

TEST_F(AdoDatenSqlite, ReReadReusesAttributesByImportNameWhateverTheirPlace)
{
    use(database(numbers(5)), QStringLiteral("SELECT nr, name FROM kunden"));
    ASSERT_TRUE(read());
    m_ado.setSQLString(QStringLiteral("SELECT name, nr FROM kunden ORDER BY nr DESC"));
    ASSERT_TRUE(read());
    EXPECT_EQ(attributeNames(), (QStringList{"nr", "name"}));
    EXPECT_EQ(column(QStringLiteral("nr")), (QVariantList{5, 4, 3, 2, 1}));
    EXPECT_EQ(column(QStringLiteral("name")).at(0), QVariant(QStringLiteral("Kunde 5")));
}

TEST_F(AdoDatenSqlite, CorrectedQueryAfterAFailedOneFillsTheTable)
{
    use(database(numbers(4)), QStringLiteral("SELECT * FROM kundn"));
    m_ui.expectMsgBox(
        MsgIcon::Exclamation,
        QStringLiteral("Es ist ein Fehler beim Abfragen der externen Daten aufgetreten.\r\nFehlernummer: "));
    EXPECT_FALSE(m_ado.SetADOFields());
    EXPECT_TRUE(m_ui.records().last().text.contains(QStringLiteral("Fehlerbeschreibung: ")));
    EXPECT_TRUE(m_ui.records().last().text.contains(QStringLiteral("kundn")));
    m_ado.setSQLString(QStringLiteral("SELECT * FROM kunden"));
    ASSERT_TRUE(read());
    EXPECT_EQ(rows(), 4);
    EXPECT_EQ(m_statuses.last(), QStringLiteral("Fertig."));
}

TEST_F(AdoDatenSqlite, CancelIsSeenAtThe53rdRecordAndKeepsTheRowsSoFarVisible)
{
    use(database(numbers(200)), QStringLiteral("SELECT * FROM kunden"));
    ASSERT_TRUE(m_ado.SetADOFields());
    m_ui.onDoEvents = [this] {
        if (m_statuses.value(m_statuses.size() - 1) == QStringLiteral("Übertrage externe Daten... (1/200)"))
            m_ado.setCancel(true);
    };
    m_ado.ShowData();
    EXPECT_EQ(rows(), 53);
    EXPECT_EQ(m_statuses.last(),
              QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle externen Daten eingelesen!"));
    EXPECT_TRUE(m_control.DisplayEnabled());
    EXPECT_TRUE(table().DisplayOptionA());
    EXPECT_TRUE(table().ViewUpdated());
    EXPECT_EQ(m_control.Tag(), QStringLiteral("ADODaten"));
    // The query stays open after a cancel until the next opening or the release.
    EXPECT_TRUE(m_ado.hasOpenRecordset());
}

TEST_F(AdoDatenSqlite, ACancelClickDuringTheProgressTextIsSeen53RecordsLater)
{
    use(database(numbers(200)), QStringLiteral("SELECT * FROM kunden"));
    ASSERT_TRUE(m_ado.SetADOFields());
    m_ui.onDoEvents = [this] {
        if (m_statuses.value(m_statuses.size() - 1) == QStringLiteral("Übertrage externe Daten... (53/200)"))
            m_ado.setCancel(true);
    };
    m_ado.ShowData();
    EXPECT_EQ(rows(), 106);
}

TEST_F(AdoDatenSqlite, EmptyResultGivesNoRowsButTheAttributesATagAndFertig)
{
    use(database(numbers(0)), QStringLiteral("SELECT nr, name FROM kunden"));
    ASSERT_TRUE(read());
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(attributeNames(), (QStringList{"nr", "name"}));
    EXPECT_EQ(m_control.Tag(), QStringLiteral("ADODaten"));
    EXPECT_EQ(m_statuses.last(), QStringLiteral("Fertig."));
}

TEST_F(AdoDatenSqlite, ShowDataBeforeTheColumnsAreKnownDoesNothing)
{
    use(database(numbers(3)), QStringLiteral("SELECT * FROM kunden"));
    m_ado.ShowData();
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(m_statuses.isEmpty());
    EXPECT_EQ(m_control.Tag(), QString());
}

TEST_F(AdoDatenSqlite, ReadReplacesTheRowsAndDropsALeadingKennung)
{
    use(database(numbers(3)), QStringLiteral("SELECT nr FROM kunden"));
    table().Attributes().Add(QStringLiteral("Kennung"));
    table().Objects().Add();
    ASSERT_TRUE(read());
    EXPECT_EQ(attributeNames(), (QStringList{"nr"}));
    EXPECT_EQ(rows(), 3);
    ASSERT_TRUE(read());
    EXPECT_EQ(rows(), 3);
}

TEST_F(AdoDatenSqlite, AKennungOfTheQueryOrTheUserAndAFolderOfThatNameStayWhereTheyAre)
{
    const QString source = database(numbers(3));
    // A column of the query named so.
    use(source, QStringLiteral("SELECT name AS Kennung, nr FROM kunden"));
    ASSERT_TRUE(read());
    ASSERT_TRUE(read());
    EXPECT_EQ(attributeNames(), (QStringList{"Kennung", "nr"}));
    EXPECT_EQ(column(QStringLiteral("Kennung")).first(), QVariant(QStringLiteral("Kunde 1")));

    // A column the user renamed so keeps its name, place and values.
    table().NewTable();
    use(source, QStringLiteral("SELECT name, nr FROM kunden"));
    ASSERT_TRUE(read());
    table().AttributeItem(0).setName(QStringLiteral("Kennung"));
    ASSERT_TRUE(read());
    EXPECT_EQ(attributeNames(), (QStringList{"Kennung", "nr"}));
    EXPECT_EQ(column(QStringLiteral("name")).first(), QVariant(QStringLiteral("Kunde 1")));

    // A folder of that name keeps its contents.
    table().NewTable();
    table().Attributes().AddFolder(QStringLiteral("Kennung")).Attributes().Add(QStringLiteral("Notiz"));
    ASSERT_TRUE(read());
    EXPECT_EQ(table().AttributeItem(0).NodeType(), 2);
    EXPECT_EQ(table().AttributeItem(0).Name(), QStringLiteral("Kennung"));
    EXPECT_TRUE(attributeNames().contains(QStringLiteral("Notiz")));
}

TEST_F(AdoDatenSqlite, TheColumnsAreLearnedWithoutFetchingTheRows)
{
    // The third row cannot be computed (an integer overflow): only reading the rows meets it.
    use(database(numbers(3)), QStringLiteral("SELECT nr, CASE WHEN nr = 3 THEN abs(-9223372036854775807 - 1) "
                                             "ELSE nr END AS wert FROM kunden"));
    ASSERT_TRUE(m_ado.SetADOFields());
    EXPECT_EQ(m_ado.FieldTypes(), (QVector<int>{1, 1}));
    m_ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Es ist ein Fehler beim Abfragen der externen Daten"));
    m_ado.ShowData();
    EXPECT_EQ(table().StatusText(),
              QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle externen Daten eingelesen!"));
}

TEST_F(AdoDatenSqlite, MissingConnectionStringOrQueryIsANotice)
{
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Es sind keine ADO-Verbindungsdaten vorhanden."));
    EXPECT_FALSE(m_ado.SetADOFields());
    m_ado.setConnectionString(database(numbers(1)));
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Es ist keine SQL-Abfrage vorhanden."));
    EXPECT_FALSE(m_ado.SetADOFields());
    // The connection opened before the query was found missing stays open.
    EXPECT_TRUE(m_ado.hasOpenConnection());
}

TEST_F(AdoDatenSqlite, AnUnreachableDataSourceIsAThreeLineMessage)
{
    use(adotest::sqliteConnectionString(m_dir.filePath(QStringLiteral("fehlt.db"))), QStringLiteral("SELECT 1"));
    m_ui.expectMsgBox(MsgIcon::Exclamation,
                      QStringLiteral("Es ist ein Fehler beim Verbinden mit der Datenquelle aufgetreten.\r\n"
                                     "Fehlernummer: -2147467259\r\nFehlerbeschreibung: "));
    EXPECT_FALSE(m_ado.SetADOFields());
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("fehlt.db"))));
}

TEST_F(AdoDatenSqlite, AnOleDbStringIsRefusedWithTheDriverManagersMessage)
{
    use(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\kunden.mdb"), QStringLiteral("SELECT 1"));
    m_ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Es ist ein Fehler beim Verbinden mit der Datenquelle"));
    EXPECT_FALSE(m_ado.SetADOFields());
}

TEST_F(AdoDatenSqlite, AFailedOpeningInShowDataEndsAsCancelled)
{
    const QString path = m_dir.filePath(QStringLiteral("weg.db"));
    use(database(numbers(2), QStringLiteral("weg.db")), QStringLiteral("SELECT * FROM kunden"));
    ASSERT_TRUE(read());
    ASSERT_TRUE(m_ado.SetADOFields());
    m_ado.setConnectionString(adotest::sqliteConnectionString(path + QStringLiteral(".alt")));
    m_ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Es ist ein Fehler beim Verbinden mit der Datenquelle"));
    m_ado.ShowData();
    EXPECT_EQ(m_statuses.last(),
              QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle externen Daten eingelesen!"));
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(m_control.DisplayEnabled());
}

TEST_F(AdoDatenSqlite, SyncAndUniqueIdNamesSurviveAReRead)
{
    use(database(numbers(3)), QStringLiteral("SELECT * FROM kunden"));
    m_ado.setSyncFieldName(QStringLiteral("ACTFieldID|nr"));
    m_ado.setUniqueIDFieldName(QStringLiteral("ACTFieldID|1"));
    ASSERT_TRUE(read());
    ASSERT_TRUE(read());
    EXPECT_EQ(m_ado.SyncFieldName(), QStringLiteral("ACTFieldID|nr"));
    EXPECT_EQ(m_ado.UniqueIDFieldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_FALSE(m_ado.SyncFieldAttribute().isNull());
    EXPECT_EQ(m_ado.SyncFieldAttribute().Name(), QStringLiteral("nr"));
}

TEST_F(AdoDatenSqlite, StoredTableReloadsWithItsTagAndImportNames)
{
    use(database(numbers(7)), QStringLiteral("SELECT nr, name FROM kunden"));
    ASSERT_TRUE(read());
    const QString file = m_dir.filePath(QStringLiteral("Projekt_ADODaten.fox"));
    table().SaveFile(file);

    InfoZoomControl other;
    records::clADODaten reloaded;
    reloaded.Init(&other, nullptr);
    EXPECT_EQ(other.Table()->MainColorRed(), 106);
    reloaded.LoadData(file);
    EXPECT_EQ(other.Tag(), QStringLiteral("ADODaten"));
    EXPECT_EQ(other.Table()->Objects().Count(), 7);
    EXPECT_FALSE(records::RecordClassBase::FindAttribute(other.Table()->Attributes(), QStringLiteral("ACTFieldID|name"))
                     .isNull());
    EXPECT_EQ(other.Table()->StatusText(), QStringLiteral("Fertig."));
}

TEST_F(AdoDatenSqlite, ControlInitGivesTheYellowSchemeAndAnEmptyTag)
{
    m_control.setTag(QStringLiteral("ADODaten"));
    m_ado.Control_Init();
    EXPECT_EQ(m_control.Tag(), QString());
    EXPECT_EQ(table().color(0), QColor(106, 106, 0));
    EXPECT_EQ(table().color(1), QColor(255, 255, 128));
    EXPECT_EQ(table().color(2), QColor(255, 255, 170));
    EXPECT_EQ(table().color(3), QColor(255, 255, 128));
    EXPECT_EQ(table().color(4), QColor(195, 195, 195));
    EXPECT_EQ(table().color(5), QColor(172, 172, 172));
}

} // namespace
