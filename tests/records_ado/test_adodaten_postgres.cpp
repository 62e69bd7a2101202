// The external-data record class against PostgreSQL's ODBC driver on a private server: decimal
// columns by their scale, a time column refused, and the values of each kind in the table.
#include "AdoTableFixture.h"
#include "PostgresServer.h"

using platform::MsgIcon;

namespace {

class AdoDatenPostgres : public AdoTableFixture
{
protected:
    static void SetUpTestSuite()
    {
        s_server = new adotest::PostgresServer;
        if (!s_server->start(&s_reason))
            return;
        QString output;
        s_ready = s_server->execute(
            QStringLiteral("CREATE TABLE posten(nr integer, gross bigint, menge numeric(10,0), preis numeric(10,2),"
                           " anteil real, name varchar(20), aktiv boolean, tag date, zeit timestamp, dauer time);"
                           "INSERT INTO posten VALUES(1, 3000000000, 1234567890, 12345678.91, 0.5, 'Grüße', true,"
                           " '2023-12-31', '2024-02-29 12:00:01', '01:02:03');"
                           "INSERT INTO posten(nr) VALUES(2);"
                           "CREATE TABLE betraege(nr integer, genau numeric(12,3), binaer double precision);"
                           "INSERT INTO betraege VALUES(1, 0.015, 0.015), (2, -988389114.685, 2.675),"
                           " (3, 2.675, 0.125), (4, 1.005, -0.125), (5, -0.004, 0), (6, 999999999.995, 0);"
                           "CREATE TABLE riesig(nr integer, n numeric(25,0));"
                           "INSERT INTO riesig VALUES(1, 12345678901234567891), (2, -9999999999999999999999999),"
                           " (3, 42), (4, 9223372036854775807);"),
            &output);
        if (!s_ready)
            s_reason = QStringLiteral("could not create the test table: ") + output;
    }
    static void TearDownTestSuite()
    {
        delete s_server;
        s_server = nullptr;
    }
    void SetUp() override
    {
        AdoTableFixture::SetUp();
        // Missing server binaries are the only reason to skip; a server that fails to start fails.
        if (adotest::PostgresServer::binaryFolder().isEmpty())
            GTEST_SKIP() << "no PostgreSQL server binaries installed";
        ASSERT_TRUE(s_ready) << s_reason.toStdString();
    }

    static adotest::PostgresServer *s_server;
    static bool s_ready;
    static QString s_reason;
};

adotest::PostgresServer *AdoDatenPostgres::s_server = nullptr;
bool AdoDatenPostgres::s_ready = false;
QString AdoDatenPostgres::s_reason;

TEST_F(AdoDatenPostgres, DecimalColumnsAreWholeNumbersOrDecimalsByTheirScale)
{
    use(s_server->connectionString(),
        QStringLiteral("SELECT nr, gross, menge, preis, anteil, name, aktiv, tag, zeit FROM posten ORDER BY nr"));
    ASSERT_TRUE(read());
    EXPECT_EQ(m_ado.FieldTypes(), (QVector<int>{1, 1, 1, 2, 2, 0, 0, 3, 3}));
    EXPECT_EQ(attribute(QStringLiteral("ACTFieldID|menge")).Format(), QStringLiteral("####"));
    EXPECT_EQ(attribute(QStringLiteral("ACTFieldID|preis")).Format(), QStringLiteral("#.###,00"));
    EXPECT_EQ(column(QStringLiteral("menge")), (QVariantList{1234567890, 0}));
    EXPECT_EQ(column(QStringLiteral("gross")), (QVariantList{qlonglong(3000000000LL), 0}));
    EXPECT_EQ(column(QStringLiteral("preis")), (QVariantList{QStringLiteral("12.345.678,91"), 0}));
    EXPECT_EQ(column(QStringLiteral("anteil")), (QVariantList{QStringLiteral("0,5"), 0}));
    EXPECT_EQ(column(QStringLiteral("name")), (QVariantList{QStringLiteral("Grüße"), QString()}));
    EXPECT_EQ(column(QStringLiteral("aktiv")), (QVariantList{QStringLiteral("Wahr"), QString()}));
    EXPECT_EQ(column(QStringLiteral("tag")), (QVariantList{QStringLiteral("31.12.2023 00:00:00"), QString()}));
    EXPECT_EQ(column(QStringLiteral("zeit")), (QVariantList{QStringLiteral("29.02.2024 12:00:01"), QString()}));
}

TEST_F(AdoDatenPostgres, ExactDecimalsRoundAsDecimalsAndDoublesStayAsTheyAre)
{
    use(s_server->connectionString(), QStringLiteral("SELECT genau, binaer FROM betraege ORDER BY nr"));
    ASSERT_TRUE(read());
    // Halves away from zero on the exact digits, the rule the two shown places of a double follow.
    EXPECT_EQ(column(QStringLiteral("genau")),
              (QVariantList{QStringLiteral("0,02"), QStringLiteral("-988.389.114,69"), QStringLiteral("2,68"),
                            QStringLiteral("1,01"), QStringLiteral("0"), QStringLiteral("1.000.000.000")}));
    // A double is rounded as the binary number it is: 0.015 and 2.675 lie just below their halves.
    EXPECT_EQ(column(QStringLiteral("binaer")),
              (QVariantList{QStringLiteral("0,01"), QStringLiteral("2,67"), QStringLiteral("0,13"),
                            QStringLiteral("-0,13"), QStringLiteral("0"), QStringLiteral("0")}));
}

TEST_F(AdoDatenPostgres, WholeNumbersBeyond64BitsKeepEveryDigit)
{
    use(s_server->connectionString(), QStringLiteral("SELECT n FROM riesig ORDER BY nr"));
    ASSERT_TRUE(read());
    // With their types: a QVariant compares a text and a number by converting one of them.
    QStringList values;
    for (const QVariant &value : column(QStringLiteral("n")))
        values << QString::fromLatin1(value.typeName()) + u' ' + value.toString();
    EXPECT_EQ(values.join(QStringLiteral(", ")).toStdString(),
              "QString 12345678901234567891, QString -9999999999999999999999999, int 42, "
              "qlonglong 9223372036854775807");
}

TEST_F(AdoDatenPostgres, ATimeColumnIsRefusedWithNumber134)
{
    use(s_server->connectionString(), QStringLiteral("SELECT nr, dauer FROM posten"));
    m_ui.expectMsgBox(MsgIcon::Exclamation,
                      QStringLiteral("Es handelt sich um das Feld \"dauer\" mit der Typennummer 134."));
    EXPECT_FALSE(m_ado.SetADOFields());
}

TEST_F(AdoDatenPostgres, AWrongPasswordIsAConnectionMessage)
{
    use(s_server->connectionString() + QStringLiteral(";Uid=niemand;Pwd=falsch"), QStringLiteral("SELECT 1"));
    m_ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Es ist ein Fehler beim Verbinden mit der Datenquelle"));
    EXPECT_FALSE(m_ado.SetADOFields());
}

} // namespace
