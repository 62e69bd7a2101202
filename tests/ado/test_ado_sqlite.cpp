// The ODBC layer against the SQLite ODBC driver: types, values, cursor movement and errors.
#include "ExpectedColumns.h"
#include "SqliteFile.h"
#include "ado/AdoError.h"
#include "ado/Connection.h"
#include "ado/FetchedRows.h"
#include "ado/OdbcCatalog.h"
#include "ado/Recordset.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTime>
#include <gtest/gtest.h>
#include <thread>

using namespace ado;

namespace {

class SqliteOdbc : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("daten.db"));
        adotest::runSqlite(
            m_path,
            QStringLiteral(
                "CREATE TABLE kunden(id INTEGER, klein SMALLINT, gross BIGINT, preis REAL, betrag NUMERIC(10,2),"
                " geboren DATE, termin TIME, erfasst TIMESTAMP, aktiv BIT, notiz TEXT, kurz VARCHAR(5), bild BLOB);"
                "INSERT INTO kunden VALUES(1, 2, 3000000000, 19.99, 12.5, '1970-03-04', '08:15:30',"
                " '2024-02-29 23:59:58', 1, 'Grüße aus Köln – 東京 🙂', 'viel zu lang für fünf', x'00FF10');"
                "INSERT INTO kunden VALUES(NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);"
                "INSERT INTO kunden(id, notiz) VALUES(3, '');"));
        m_connection.Open(adotest::sqliteConnectionString(m_path));
    }

    int columnOf(const Recordset &rs, const QString &name) const
    {
        for (int i = 0; i < rs.Fields().Count(); ++i) {
            if (rs.Fields().Item(i).Name() == name)
                return i;
        }
        ADD_FAILURE() << "no column " << name.toStdString();
        return 0;
    }

    QTemporaryDir m_dir;
    QString m_path;
    Connection m_connection;
};

long errorNumberOf(const std::function<void()> &action, QString *description = nullptr)
{
    try {
        action();
    } catch (const platform::VbError &error) {
        if (description)
            *description = error.description();
        return error.number();
    }
    return 0;
}

TEST_F(SqliteOdbc, ReportsAdoTypesAndScales)
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM kunden"), &m_connection, adOpenStatic, adLockReadOnly);
    adotest::expectColumns(rs, {{"id", adInteger, 0},
                                {"klein", adSmallInt, 0},
                                {"gross", adBigInt, 0},
                                {"preis", adDouble, 255},
                                {"betrag", adDouble, 255},
                                {"geboren", adDBDate, 255},
                                {"termin", adDBTime, 255},
                                {"erfasst", adDBTimeStamp, 255},
                                {"aktiv", adBoolean, 255},
                                {"notiz", adLongVarChar, 255},
                                {"kurz", adVarChar, 255},
                                {"bild", adBinary, 255}});
}

TEST_F(SqliteOdbc, ReadsValuesOfEveryKind)
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM kunden ORDER BY id DESC"), &m_connection);
    rs.MoveNext(); // id 3 first, then 1
    const Fields &f = rs.Fields();
    EXPECT_EQ(f.Item(0).Value(), QVariant(qlonglong(1)));
    EXPECT_EQ(f.Item(2).Value(), QVariant(qlonglong(3000000000LL)));
    EXPECT_DOUBLE_EQ(f.Item(3).Value().toDouble(), 19.99);
    EXPECT_DOUBLE_EQ(f.Item(4).Value().toDouble(), 12.5);
    EXPECT_EQ(f.Item(5).Value().toDate(), QDate(1970, 3, 4));
    EXPECT_EQ(f.Item(6).Value().toTime(), QTime(8, 15, 30));
    EXPECT_EQ(f.Item(7).Value().toDateTime(), QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58)));
    EXPECT_EQ(f.Item(8).Value(), QVariant(true));
    EXPECT_EQ(f.Item(9).Value().toString(), QStringLiteral("Grüße aus Köln – 東京 🙂"));
    EXPECT_EQ(f.Item(10).Value().toString(), QStringLiteral("viel zu lang für fünf")); // longer than declared
    EXPECT_EQ(f.Item(11).Value().toByteArray(), QByteArray("\x00\xff\x10", 3));
}

TEST_F(SqliteOdbc, NullIsAnInvalidVariantAndEmptyTextIsNot)
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM kunden WHERE id IS NULL OR id = 3 ORDER BY id"), &m_connection);
    ASSERT_EQ(rs.RecordCount(), 2);
    for (int i = 0; i < rs.Fields().Count(); ++i)
        EXPECT_FALSE(rs.Fields().Item(i).Value().isValid()) << rs.Fields().Item(i).Name().toStdString();
    rs.MoveNext();
    const QVariant empty = rs.Fields().Item(columnOf(rs, QStringLiteral("notiz"))).Value();
    EXPECT_TRUE(empty.isValid());
    EXPECT_EQ(empty.toString(), QString());
}

// SQLite keeps whatever was stored in a column declared as a number; the caller decides what a
// text there means, so it must see the text and not the driver's 0 or Null.
TEST_F(SqliteOdbc, NumberColumnsPassOnWhatTheSourceHolds)
{
    adotest::runSqlite(m_path, QStringLiteral("CREATE TABLE gemischt(nr INTEGER, wert REAL, pos INTEGER);"
                                              "INSERT INTO gemischt VALUES(NULL, NULL, 1);"
                                              "INSERT INTO gemischt VALUES('', '', 2);"
                                              "INSERT INTO gemischt VALUES('12', ' 2.5 ', 3);"
                                              "INSERT INTO gemischt VALUES('abc', '1,5', 4);"
                                              "INSERT INTO gemischt VALUES(12.7, 2, 5);"));
    Recordset rs;
    rs.Open(QStringLiteral("SELECT nr, wert FROM gemischt ORDER BY pos"), &m_connection);
    ASSERT_EQ(rs.RecordCount(), 5);
    const QVariant expected[5][2] = {
        {QVariant(), QVariant()},
        {QVariant(QString()), QVariant(QString())},
        {QVariant(qlonglong(12)), QVariant(2.5)},
        {QVariant(QStringLiteral("abc")), QVariant(QStringLiteral("1,5"))},
        {QVariant(12.7), QVariant(2.0)},
    };
    for (int r = 0; r < 5; ++r, rs.MoveNext()) {
        for (int c = 0; c < 2; ++c) {
            const QVariant value = rs.Fields().Item(c).Value();
            EXPECT_EQ(value.isValid(), expected[r][c].isValid()) << r << "/" << c;
            EXPECT_EQ(value.typeId(), expected[r][c].typeId()) << r << "/" << c;
            EXPECT_EQ(value, expected[r][c]) << r << "/" << c;
        }
    }
}

TEST_F(SqliteOdbc, KeepsTheQueryColumnOrderAndAliases)
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT notiz AS Bemerkung, id, preis FROM kunden"), &m_connection);
    ASSERT_EQ(rs.Fields().Count(), 3);
    EXPECT_EQ(rs.Fields().Item(0).Name(), QStringLiteral("Bemerkung"));
    EXPECT_EQ(rs.Fields().Item(1).Name(), QStringLiteral("id"));
    EXPECT_EQ(rs.Fields().Item(2).Name(), QStringLiteral("preis"));
    EXPECT_EQ(errorNumberOf([&] { rs.Fields().Item(3); }), kErrItemNotFound);
    EXPECT_EQ(errorNumberOf([&] { rs.Fields().Item(-1); }), kErrItemNotFound);
}

TEST_F(SqliteOdbc, CountsRecordsAndMovesToEof)
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT id FROM kunden WHERE id IS NOT NULL ORDER BY id"), &m_connection);
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields().Item(0).Value().toInt(), 1);
    rs.MoveNext();
    EXPECT_EQ(rs.Fields().Item(0).Value().toInt(), 3);
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(errorNumberOf([&] { rs.Fields().Item(0).Value(); }), kErrNoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs.MoveNext(); }), kErrNoCurrentRecord);
    rs.MoveFirst();
    EXPECT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields().Item(0).Value().toInt(), 1);
}

TEST_F(SqliteOdbc, EmptyResultHasColumnsButNoRecords)
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT id, notiz FROM kunden WHERE id = 42"), &m_connection);
    EXPECT_EQ(rs.Fields().Count(), 2);
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.Eof());
    rs.MoveFirst();
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(errorNumberOf([&] { rs.MoveNext(); }), kErrNoCurrentRecord);
}

TEST_F(SqliteOdbc, ReadsManyRowsAndLongTextsCompletely)
{
    QString script = QStringLiteral("CREATE TABLE viele(n INTEGER, t TEXT); BEGIN;");
    for (int i = 1; i <= 2000; ++i)
        script += QStringLiteral("INSERT INTO viele VALUES(%1, 'Zeile %1');").arg(i);
    script += QStringLiteral("INSERT INTO viele VALUES(0, '%1'); COMMIT;").arg(QString(70000, QChar(0x00e4)));
    adotest::runSqlite(m_path, script);
    Recordset rs;
    rs.Open(QStringLiteral("SELECT n, t FROM viele ORDER BY n"), &m_connection);
    ASSERT_EQ(rs.RecordCount(), 2001);
    EXPECT_EQ(rs.Fields().Item(1).Value().toString(), QString(70000, QChar(0x00e4)));
    qlonglong sum = 0;
    for (rs.MoveNext(); !rs.Eof(); rs.MoveNext()) {
        const qlonglong n = rs.Fields().Item(0).Value().toLongLong();
        sum += n;
        ASSERT_EQ(rs.Fields().Item(1).Value().toString(), QStringLiteral("Zeile %1").arg(n));
    }
    EXPECT_EQ(sum, 2000LL * 2001 / 2);
}

TEST_F(SqliteOdbc, BadQueryGivesDiagnosticsAndTheConnectionStaysUsable)
{
    Recordset rs;
    QString description;
    const long number =
        errorNumberOf([&] { rs.Open(QStringLiteral("SELECT * FROM gibtsnicht"), &m_connection); }, &description);
    EXPECT_NE(number, 0);
    EXPECT_TRUE(description.contains(QLatin1String("no such table: gibtsnicht"))) << description.toStdString();
    EXPECT_TRUE(description.contains(QLatin1String("SQLSTATE"))) << description.toStdString();
    EXPECT_FALSE(rs.isOpen());

    rs.Open(QStringLiteral("SELECT id FROM kunden WHERE id = 1"), &m_connection);
    EXPECT_EQ(rs.RecordCount(), 1);
}

TEST_F(SqliteOdbc, RowsStayReadableAfterTheConnectionCloses)
{
    // Rows of several blocks, so that closing meets them still being read.
    const QString manyRows = QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) SELECT i FROM n");
    Recordset broken;
    broken.Open(manyRows, &m_connection);
    broken.Close();
    Recordset rs;
    rs.Open(manyRows, &m_connection);
    m_connection.Close();
    ASSERT_EQ(rs.RecordCount(), 10000);
    qlonglong sum = 0;
    for (; !rs.Eof(); rs.MoveNext())
        sum += rs.Fields().Item(0).Value().toLongLong();
    EXPECT_EQ(sum, 10000LL * 10001 / 2);
    EXPECT_EQ(errorNumberOf([&] {
                  rs.Close();
                  rs.Open(QStringLiteral("SELECT 1"), &m_connection);
              }),
              kErrInvalidConnection);
}

TEST(FetchedRows, ARowAfterAFailedReadRaisesTheFailureAndOneAfterTheEndError3021)
{
    for (const bool failed : {true, false}) {
        FetchedRows rows(2 * FetchedRows::kBlockRows);
        std::vector<ColumnData> block{ColumnData(ColumnData::Kind::Text)};
        for (qsizetype i = 0; i < FetchedRows::kBlockRows; ++i)
            block[0].appendText(QString::number(i));
        std::thread reader([&] {
            rows.add(std::move(block));
            rows.finish(failed ? std::make_exception_ptr(platform::VbError(42, QStringLiteral("kaputt"))) : nullptr);
        });
        EXPECT_EQ(rows.value(0, FetchedRows::kBlockRows - 1).toLongLong(), FetchedRows::kBlockRows - 1);
        EXPECT_EQ(errorNumberOf([&] { rows.value(0, FetchedRows::kBlockRows); }), failed ? 42 : kErrNoCurrentRecord);
        reader.join();
    }
}

TEST_F(SqliteOdbc, ObjectStateErrorsAreAdoErrors)
{
    Recordset rs;
    EXPECT_EQ(errorNumberOf([&] { rs.RecordCount(); }), kErrObjectClosed);
    EXPECT_EQ(errorNumberOf([&] { rs.Close(); }), kErrObjectClosed);
    EXPECT_EQ(errorNumberOf([&] { rs.Open(QStringLiteral("SELECT 1")); }), kErrInvalidConnection);
    rs.Open(QStringLiteral("SELECT 1"), &m_connection);
    EXPECT_EQ(errorNumberOf([&] { rs.Open(QStringLiteral("SELECT 1"), &m_connection); }), kErrObjectOpen);
    EXPECT_EQ(errorNumberOf([&] { m_connection.Open(); }), kErrObjectOpen);
    EXPECT_EQ(errorNumberOf([&] { m_connection.setConnectionString(QString()); }), kErrObjectOpen);
    m_connection.Close();
    EXPECT_EQ(errorNumberOf([&] { m_connection.Close(); }), kErrObjectClosed);
}

TEST_F(SqliteOdbc, CommandWithoutRowsOpensAnEmptyRecordset)
{
    Recordset rs;
    rs.Open(QStringLiteral("CREATE TABLE leer(x INTEGER)"), &m_connection);
    EXPECT_EQ(rs.Fields().Count(), 0);
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.Eof());
}

TEST(OdbcConnection, OleDbStringGivesTheDriverManagersError)
{
    Connection connection;
    connection.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\daten.mdb"));
    QString description;
    EXPECT_EQ(errorNumberOf([&] { connection.Open(); }, &description), kErrProviderFailure);
    EXPECT_TRUE(description.contains(QLatin1String("Data source name not found"))) << description.toStdString();
    EXPECT_TRUE(description.contains(QLatin1String("IM002")));
    EXPECT_FALSE(connection.isOpen());
}

TEST(OdbcConnection, MissingFileIsAnErrorAndIsNotCreated)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fehlt.db"));
    Connection connection;
    QString description;
    EXPECT_EQ(errorNumberOf([&] { connection.Open(adotest::sqliteConnectionString(path)); }, &description),
              kErrProviderFailure);
    EXPECT_FALSE(description.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(connection.isOpen());
}

TEST(OdbcConnection, UnknownDriverNamesTheProblem)
{
    Connection connection;
    QString description;
    EXPECT_NE(errorNumberOf([&] { connection.Open(QStringLiteral("Driver={Kein Treiber};Database=x")); }, &description),
              0);
    EXPECT_TRUE(description.contains(QLatin1String("IM002")) || description.contains(QLatin1String("01000")))
        << description.toStdString();
}

} // namespace

namespace {

TEST(OdbcCatalog, ListsTheInstalledDriversWithTheirAttributes)
{
    const QList<ado::OdbcDriver> drivers = ado::installedOdbcDrivers();
    auto find = [&drivers](const QString &name) {
        return std::find_if(drivers.cbegin(), drivers.cend(), [&](const ado::OdbcDriver &d) { return d.name == name; });
    };
    const auto sqlite = find(QStringLiteral("SQLite3"));
    ASSERT_NE(sqlite, drivers.cend());
    EXPECT_TRUE(sqlite->attributes.value(QStringLiteral("Driver")).contains(QLatin1String("sqlite3odbc")));
    EXPECT_NE(find(QStringLiteral("PostgreSQL Unicode")), drivers.cend());
}

} // namespace
