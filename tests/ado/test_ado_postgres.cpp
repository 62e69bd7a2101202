// The ODBC layer against PostgreSQL's ODBC driver on a private server: decimal scales, wide texts,
// block fetches and errors with the server's diagnostics.
#include "ExpectedColumns.h"
#include "PostgresServer.h"
#include "ado/AdoError.h"
#include "ado/Connection.h"
#include "ado/Recordset.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <gtest/gtest.h>

using namespace ado;

namespace {

class PostgresOdbc : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_server = new adotest::PostgresServer;
        if (!s_server->start(&s_skipReason))
            return;
        QString output;
        s_ready = s_server->execute(
            QStringLiteral(
                "CREATE TABLE werte(ganz integer, klein smallint, gross bigint, einfach real, doppelt double precision,"
                " zahl0 numeric(10,0), zahl2 numeric(10,2), tag date, uhrzeit time, zeitpunkt timestamp,"
                " ja boolean, text1 text, text2 varchar(5), zeichen char(3), kennung uuid, daten bytea);"
                "INSERT INTO werte VALUES(7, -2, 3000000000, 1.5, 2.25, 1234567890, 12345678.91, '2023-12-31',"
                " '23:59:59', '2024-02-29 12:00:01', true, 'Grüße – 東京', 'abcde', 'ab',"
                " 'a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11', '\\x00ff');"
                "INSERT INTO werte DEFAULT VALUES;"
                "CREATE TABLE reihen AS SELECT n, 'Zeile ' || n AS beschreibung, repeat('x', n % 50) AS lang"
                " FROM generate_series(1, 10000) AS n;"),
            &output);
        if (!s_ready)
            s_skipReason = QStringLiteral("could not create the test tables: ") + output;
    }

    static void TearDownTestSuite()
    {
        delete s_server;
        s_server = nullptr;
    }

    void SetUp() override
    {
        // Missing server binaries are the only reason to skip; a server that fails to start fails.
        if (adotest::PostgresServer::binaryFolder().isEmpty())
            GTEST_SKIP() << s_skipReason.toStdString();
        ASSERT_TRUE(s_ready) << s_skipReason.toStdString();
        m_connection.Open(s_server->connectionString());
    }

    static adotest::PostgresServer *s_server;
    static bool s_ready;
    static QString s_skipReason;
    Connection m_connection;
};

adotest::PostgresServer *PostgresOdbc::s_server = nullptr;
bool PostgresOdbc::s_ready = false;
QString PostgresOdbc::s_skipReason;

TEST_F(PostgresOdbc, ReportsAdoTypesAndDecimalScalesWithTheRowsAndFromThePreparedQuery)
{
    for (const bool columnsOnly : {false, true}) {
        SCOPED_TRACE(columnsOnly ? "OpenColumns" : "Open");
        Recordset rs;
        if (columnsOnly)
            rs.OpenColumns(QStringLiteral("SELECT * FROM werte"), &m_connection);
        else
            rs.Open(QStringLiteral("SELECT * FROM werte"), &m_connection, adOpenStatic, adLockReadOnly);
        adotest::expectColumns(rs, {{"ganz", adInteger, 0},
                                    {"klein", adSmallInt, 0},
                                    {"gross", adBigInt, 0},
                                    {"einfach", adSingle, 255},
                                    {"doppelt", adDouble, 255},
                                    {"zahl0", adNumeric, 0},
                                    {"zahl2", adNumeric, 2},
                                    {"tag", adDBDate, 255},
                                    {"uhrzeit", adDBTime, 255},
                                    {"zeitpunkt", adDBTimeStamp, 255},
                                    {"ja", adBoolean, 255},
                                    {"text1", adLongVarWChar, 255},
                                    {"text2", adVarWChar, 255},
                                    {"zeichen", adWChar, 255},
                                    {"kennung", adGUID, 255},
                                    {"daten", adLongVarBinary, 255}});
    }
}

TEST_F(PostgresOdbc, OpenColumnsDescribesTheQueryWithoutRunningIt)
{
    Recordset rs;
    // Running the query fails at its third row; describing it does not.
    rs.OpenColumns(QStringLiteral("SELECT n, 10 / (3 - n) AS teil FROM generate_series(1, 3) AS n"), &m_connection);
    ASSERT_EQ(rs.Fields().Count(), 2);
    EXPECT_EQ(rs.Fields().Item(1).Name(), QStringLiteral("teil"));
    EXPECT_EQ(rs.Fields().Item(1).Type(), adInteger);
    EXPECT_EQ(rs.RecordCount(), 0);
}

TEST_F(PostgresOdbc, ReadsValuesOfEveryKind)
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM werte WHERE ganz = 7"), &m_connection);
    ASSERT_EQ(rs.RecordCount(), 1);
    const Fields &f = rs.Fields();
    EXPECT_EQ(f.Item(0).Value(), QVariant(qlonglong(7)));
    EXPECT_EQ(f.Item(1).Value(), QVariant(qlonglong(-2)));
    EXPECT_EQ(f.Item(2).Value(), QVariant(qlonglong(3000000000LL)));
    EXPECT_DOUBLE_EQ(f.Item(3).Value().toDouble(), 1.5);
    EXPECT_DOUBLE_EQ(f.Item(4).Value().toDouble(), 2.25);
    EXPECT_EQ(f.Item(5).Value(), QVariant(qlonglong(1234567890)));
    EXPECT_DOUBLE_EQ(f.Item(6).Value().toDouble(), 12345678.91);
    EXPECT_EQ(f.Item(7).Value().toDate(), QDate(2023, 12, 31));
    EXPECT_EQ(f.Item(8).Value().toTime(), QTime(23, 59, 59));
    EXPECT_EQ(f.Item(9).Value().toDateTime(), QDateTime(QDate(2024, 2, 29), QTime(12, 0, 1)));
    EXPECT_EQ(f.Item(10).Value(), QVariant(true));
    EXPECT_EQ(f.Item(11).Value().toString(), QStringLiteral("Grüße – 東京"));
    EXPECT_EQ(f.Item(12).Value().toString(), QStringLiteral("abcde"));
    EXPECT_EQ(f.Item(13).Value().toString(), QStringLiteral("ab "));
    EXPECT_EQ(f.Item(14).Value().toString(), QStringLiteral("{A0EEBC99-9C0B-4EF8-BB6D-6BB9BD380A11}"));
    EXPECT_EQ(f.Item(15).Value().toByteArray(), QByteArray("\x00\xff", 2));
}

TEST_F(PostgresOdbc, NullValuesOfEveryKind)
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM werte WHERE ganz IS NULL"), &m_connection);
    ASSERT_EQ(rs.RecordCount(), 1);
    for (int i = 0; i < rs.Fields().Count(); ++i)
        EXPECT_FALSE(rs.Fields().Item(i).Value().isValid()) << rs.Fields().Item(i).Name().toStdString();
}

TEST_F(PostgresOdbc, BlockFetchKeepsEveryRowInOrder)
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT lang, n, beschreibung FROM reihen ORDER BY n"), &m_connection);
    ASSERT_EQ(rs.RecordCount(), 10000);
    EXPECT_EQ(rs.Fields().Item(0).Name(), QStringLiteral("lang"));
    int expected = 1;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext(), ++expected) {
        ASSERT_EQ(rs.Fields().Item(1).Value().toInt(), expected);
        ASSERT_EQ(rs.Fields().Item(2).Value().toString(), QStringLiteral("Zeile %1").arg(expected));
        ASSERT_EQ(rs.Fields().Item(0).Value().toString(), QString(expected % 50, QLatin1Char('x')));
    }
    EXPECT_EQ(expected, 10001);
}

TEST_F(PostgresOdbc, SyntaxErrorCarriesTheServersDiagnosticsAndACorrectedQueryRuns)
{
    for (const bool columnsOnly : {false, true}) {
        SCOPED_TRACE(columnsOnly ? "OpenColumns" : "Open");
        Recordset rs;
        try {
            if (columnsOnly)
                rs.OpenColumns(QStringLiteral("SELEC ganz FROM werte"), &m_connection);
            else
                rs.Open(QStringLiteral("SELEC ganz FROM werte"), &m_connection);
            FAIL() << "the query ran";
        } catch (const platform::VbError &error) {
            EXPECT_EQ(error.number(), kErrErrorsInCommand);
            EXPECT_TRUE(error.description().contains(QLatin1String("syntax error")))
                << error.description().toStdString();
            EXPECT_TRUE(error.description().contains(QLatin1String("42601")));
        }
        EXPECT_FALSE(rs.isOpen());
    }
    Recordset rs;
    rs.Open(QStringLiteral("SELECT ganz FROM werte WHERE ganz = 7"), &m_connection);
    EXPECT_EQ(rs.RecordCount(), 1);
}

TEST_F(PostgresOdbc, UnreachableServerIsAConnectionError)
{
    Connection other;
    QString text = s_server->connectionString();
    text.replace(QStringLiteral("Port=%1").arg(s_server->port()), QStringLiteral("Port=1"));
    try {
        other.Open(text);
        FAIL() << "connected to port 1";
    } catch (const platform::VbError &error) {
        EXPECT_EQ(error.number(), kErrProviderFailure);
        EXPECT_TRUE(error.description().contains(QLatin1String("08001"))) << error.description().toStdString();
    }
    EXPECT_FALSE(other.isOpen());
}

} // namespace
