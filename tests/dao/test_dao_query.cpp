// SQL over a folder of dBase files: table names, values as the FoxPro ISAM gives them, current file
// contents, Jet LIKE in SQL, and errors with DAO numbers for every kind of bad input.
#include "../dbf/PythonRunner.h"

#include "dao/DBEngine.h"
#include "dao/DaoErrors.h"
#include "dbf/DbfWriter.h"
#include "platform/VbError.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dao;
using dbf::DbfField;
using dbf::DbfWriter;

namespace {

class DaoQuery : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_rel = m_dir.filePath(QStringLiteral("Kontakte.REL"));
        DbfWriter::create(m_rel, {DbfField::character(QStringLiteral("FIELD1"), 12), DbfField::character(QStringLiteral("FIELD2"), 12),
                                  DbfField::character(QStringLiteral("TYPE"), 1)});
        DbfWriter rel(m_rel);
        rel.append({QStringLiteral("K1"), QStringLiteral("G1"), QStringLiteral("0")});
        rel.append({QStringLiteral("K2"), QStringLiteral("G1"), QStringLiteral("0")});
        rel.append({QStringLiteral("K3"), QStringLiteral("G2"), QStringLiteral("1")});
        rel.append({QStringLiteral("K4"), QStringLiteral("G2"), QStringLiteral("0")});
        rel.setDeleted(1);

        m_grp = m_dir.filePath(QStringLiteral("kontakte.gdb"));
        DbfWriter::create(m_grp, {DbfField::character(QStringLiteral("UNIQUE_ID"), 12), DbfField::character(QStringLiteral("GRP_NAME"), 30),
                                  DbfField::numeric(QStringLiteral("MEMBERS"), 6), DbfField::numeric(QStringLiteral("BUDGET"), 10, 2),
                                  DbfField::date(QStringLiteral("CREATED")), DbfField::logical(QStringLiteral("ACTIVE")),
                                  DbfField::memo(QStringLiteral("NOTES"))});
        DbfWriter grp(m_grp);
        grp.append({QStringLiteral("G1"), QStringLiteral("Köln Süd"), 2, 100.5, QDate(2020, 1, 31), true, QStringLiteral("Notiz ä")});
        grp.append({QStringLiteral("G2"), QStringLiteral("Münster"), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()});
        m_db = m_engine.OpenDatabase(m_dir.path(), false, false, QStringLiteral("FoxPro 2.6;"));
    }

    long errorOf(const QString &sql)
    {
        try {
            m_db->OpenRecordset(sql);
        } catch (const platform::VbError &e) {
            m_lastError = e.description();
            return e.number();
        }
        return 0;
    }

    QTemporaryDir m_dir;
    QString m_rel, m_grp, m_lastError;
    DBEngine m_engine;
    std::unique_ptr<Database> m_db;
};

} // namespace

TEST_F(DaoQuery, EveryDbaseFileIsATableNamedWithHash)
{
    auto rs = m_db->OpenRecordset(QStringLiteral("SELECT [kontakte#rel].FIELD1 AS KontaktID, [kontakte#rel].FIELD2 AS GruppenID "
                                                 "FROM [kontakte#rel] WHERE ([kontakte#rel].TYPE='0')"));
    rs->MoveLast();
    ASSERT_EQ(rs->RecordCount(), 2); // the deleted record is left out
    rs->MoveFirst();
    EXPECT_EQ(rs->value(QStringLiteral("KontaktID")).toString(), QStringLiteral("K1          "));
    EXPECT_EQ(rs->fieldName(1), QStringLiteral("GruppenID"));
    rs->MoveNext();
    EXPECT_EQ(rs->value(0).toString(), QStringLiteral("K4          "));
}

TEST_F(DaoQuery, ValuesComeAsTheIsamGivesThem)
{
    auto rs = m_db->OpenRecordset(QStringLiteral("SELECT * FROM [kontakte#gdb] ORDER BY UNIQUE_ID"));
    EXPECT_EQ(rs->value(QStringLiteral("grp_name")).toString(), QStringLiteral("Köln Süd") + QString(22, u' '));
    EXPECT_EQ(rs->value(QStringLiteral("MEMBERS")).toLongLong(), 2);
    EXPECT_DOUBLE_EQ(rs->value(QStringLiteral("BUDGET")).toDouble(), 100.5);
    EXPECT_EQ(rs->value(QStringLiteral("CREATED")).toDate(), QDate(2020, 1, 31));
    EXPECT_EQ(rs->value(QStringLiteral("ACTIVE")).typeId(), QMetaType::Bool);
    EXPECT_EQ(rs->value(QStringLiteral("NOTES")).toString(), QStringLiteral("Notiz ä"));
    EXPECT_EQ(rs->fieldType(1), dbText);
    EXPECT_EQ(rs->fieldSize(1), 30);
    EXPECT_EQ(rs->fieldType(4), dbDate);
    EXPECT_EQ(rs->fieldType(6), dbMemo);
    rs->MoveNext();
    for (const char *empty : {"MEMBERS", "BUDGET", "CREATED", "NOTES"})
        EXPECT_TRUE(rs->value(QString::fromLatin1(empty)).isNull()) << empty;
    EXPECT_FALSE(rs->value(QStringLiteral("GRP_NAME")).isNull());
}

TEST_F(DaoQuery, PaddedIdsEqualTheStoredFullWidthValue)
{
    auto rs = m_db->OpenRecordset(QStringLiteral("SELECT GRP_NAME FROM [kontakte#gdb] WHERE UNIQUE_ID='G2          '"));
    EXPECT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(m_db->OpenRecordset(QStringLiteral("SELECT * FROM [kontakte#gdb] WHERE UNIQUE_ID='G2'"))->RecordCount(), 0);
}

TEST_F(DaoQuery, AJoinOverTwoFilesWorks)
{
    auto rs = m_db->OpenRecordset(QStringLiteral("SELECT r.FIELD1, g.GRP_NAME FROM [kontakte#rel] r INNER JOIN [kontakte#gdb] g "
                                                 "ON r.FIELD2 = g.UNIQUE_ID WHERE g.GRP_NAME LIKE 'm*' ORDER BY r.FIELD1"));
    rs->MoveLast();
    ASSERT_EQ(rs->RecordCount(), 2);
    rs->MoveFirst();
    EXPECT_EQ(rs->value(0).toString().trimmed(), QStringLiteral("K3"));
}

TEST_F(DaoQuery, LikeHasJetSemanticsInBothForms)
{
    auto count = [&](const QString &where) {
        auto rs = m_db->OpenRecordset(QStringLiteral("SELECT * FROM [kontakte#gdb] WHERE ") + where);
        if (rs->RecordCount() > 0)
            rs->MoveLast();
        return rs->RecordCount();
    };
    EXPECT_EQ(count(QStringLiteral("GRP_NAME LIKE '*SÜD*'")), 1);
    EXPECT_EQ(count(QStringLiteral("GRP_NAME LIKE '[km]*'")), 2);
    EXPECT_EQ(count(QStringLiteral("GRP_NAME LIKE 'K_ln%'")), 0); // ANSI wildcards are plain characters
    EXPECT_EQ(count(QStringLiteral("UNIQUE_ID LIKE 'G#*'")), 2);
    EXPECT_EQ(count(QStringLiteral("GRP_NAME LIKE 'M\\*' ESCAPE '\\'")), 0);
    EXPECT_EQ(count(QStringLiteral("GRP_NAME LIKE 'M*' ESCAPE '\\'")), 1);
}

TEST_F(DaoQuery, TheNextQuerySeesTheFileAsItIsNow)
{
    auto before = m_db->OpenRecordset(QStringLiteral("SELECT * FROM [kontakte#gdb]"));
    before->MoveLast();
    EXPECT_EQ(before->RecordCount(), 2);
    DbfWriter(m_grp).append({QStringLiteral("G3"), QStringLiteral("Neu")});
    auto after = m_db->OpenRecordset(QStringLiteral("SELECT * FROM [kontakte#gdb]"));
    after->MoveLast();
    EXPECT_EQ(after->RecordCount(), 3);
    EXPECT_EQ(before->RecordCount(), 2); // a snapshot stays as it was

    const QString added = m_dir.filePath(QStringLiteral("kontakte.sdb"));
    DbfWriter::create(added, {DbfField::numeric(QStringLiteral("AMOUNT"), 8)});
    EXPECT_EQ(m_db->OpenRecordset(QStringLiteral("SELECT * FROM [kontakte#sdb]"))->RecordCount(), 0);
    QFile::remove(added);
    EXPECT_EQ(errorOf(QStringLiteral("SELECT * FROM [kontakte#sdb]")), ErrTableNotFound);
    // Same name, other fields: the table follows the file.
    DbfWriter::create(m_grp, {DbfField::character(QStringLiteral("OTHER"), 3)});
    EXPECT_EQ(m_db->OpenRecordset(QStringLiteral("SELECT OTHER FROM [kontakte#gdb]"))->fieldName(0), QStringLiteral("OTHER"));
}

TEST_F(DaoQuery, BadSqlGivesDaoErrorsNeverACrash)
{
    EXPECT_EQ(errorOf(QStringLiteral("SELECT * FROM [kontakte#xyz]")), ErrTableNotFound);
    EXPECT_TRUE(m_lastError.contains(QStringLiteral("kontakte#xyz")));
    EXPECT_EQ(errorOf(QStringLiteral("SELECT NOFIELD FROM [kontakte#gdb]")), ErrTooFewParameters);
    EXPECT_EQ(errorOf(QStringLiteral("SELEKT * FROM [kontakte#gdb]")), ErrSyntaxInQuery);
    EXPECT_EQ(errorOf(QStringLiteral("SELECT * FROM [kontakte#gdb] WHERE GRP_NAME = 'offen")), ErrSyntaxInQuery);
    EXPECT_EQ(errorOf(QStringLiteral("SELECT 1; DROP TABLE [kontakte#gdb]")), ErrCharactersAfterEnd);
    EXPECT_EQ(errorOf(QStringLiteral("DELETE FROM [kontakte#gdb]")), ErrInvalidOperation);
    EXPECT_EQ(errorOf(QString()), ErrInvalidOperation);
    EXPECT_EQ(errorOf(QStringLiteral("SELECT * FROM [kontakte#gdb];")), 0);
    EXPECT_EQ(QFile(m_grp).size() > 0, true);
}

TEST_F(DaoQuery, ADamagedFileIsNamedInTheError)
{
    QFile f(m_rel);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.resize(40);
    f.close();
    EXPECT_EQ(errorOf(QStringLiteral("SELECT * FROM [kontakte#rel]")), ErrCannotOpenFile);
    EXPECT_TRUE(m_lastError.contains(QStringLiteral("Kontakte.REL"))) << m_lastError.toStdString();
}

TEST_F(DaoQuery, ADoubledFieldNameIsNamedInTheErrorAndTheOtherTablesStayReadable)
{
    // Our writer refuses a doubled name, so the third field is renamed in the header afterwards.
    const QString sales = m_dir.filePath(QStringLiteral("kontakte.sdb"));
    DbfWriter::create(sales,
                      {DbfField::character(QStringLiteral("NAME"), 10), DbfField::character(QStringLiteral("ORT"), 10),
                       DbfField::character(QStringLiteral("NAMX"), 10)});
    QFile file(sales);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes.replace("NAMX", "NAME");
    file.seek(0);
    file.write(bytes);
    file.close();
    EXPECT_EQ(errorOf(QStringLiteral("SELECT * FROM [kontakte#sdb]")), ErrFieldDefinedTwice);
    EXPECT_TRUE(m_lastError.contains(QStringLiteral("'NAME'"))) << m_lastError.toStdString();
    EXPECT_TRUE(m_lastError.contains(QStringLiteral("kontakte.sdb"))) << m_lastError.toStdString();
    EXPECT_FALSE(m_lastError.contains(QStringLiteral("nicht gefunden"))) << m_lastError.toStdString();
    EXPECT_EQ(errorOf(QStringLiteral("SELECT * FROM [kontakte#gdb]")), 0);
}

TEST_F(DaoQuery, DatabaseOpeningChecksFolderAndIsam)
{
    DBEngine engine;
    try {
        engine.OpenDatabase(m_dir.filePath(QStringLiteral("fehlt")));
        FAIL();
    } catch (const platform::VbError &e) {
        EXPECT_EQ(e.number(), ErrInvalidPath);
    }
    EXPECT_THROW(engine.OpenDatabase(m_dir.path(), false, false, QStringLiteral("Excel 8.0;")), platform::VbError);
    auto rs = m_db->OpenRecordset(QStringLiteral("SELECT * FROM [kontakte#gdb]"));
    m_db->Close();
    EXPECT_EQ(rs->value(0).toString().trimmed(), QStringLiteral("G1")); // open recordsets outlive Close
    EXPECT_THROW(m_db->OpenRecordset(QStringLiteral("SELECT 1")), platform::VbError);
}

TEST(DaoInterop, AQueryOverATableWrittenByPythonDbf)
{
    QTemporaryDir dir;
    const char *script = R"PY(
import sys, datetime, dbf
t = dbf.Table(sys.argv[1], 'UNIQUE_ID C(12); GRP_NAME C(40); SINCE D; NOTE M', dbf_type='fp', codepage='cp1252')
t.open(dbf.READ_WRITE)
t.append(('ABC\'D', 'Gruppe Öffentlichkeit', datetime.date(2003, 4, 5), 'lange Notiz über Größen'))
t.append(('XYZ', 'Zweite', None, ''))
t.close()
)PY";
    const PythonResult r = runPython(QString::fromUtf8(script), {dir.filePath(QStringLiteral("fremd.dbf"))});
    ASSERT_TRUE(r.ok) << r.err.toStdString();
    DBEngine engine;
    auto db = engine.OpenDatabase(dir.path());
    auto rs = db->OpenRecordset(QStringLiteral("SELECT GRP_NAME, SINCE, NOTE FROM [fremd#dbf] WHERE UNIQUE_ID='ABC''D       '"));
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->value(0).toString().trimmed(), QStringLiteral("Gruppe Öffentlichkeit"));
    EXPECT_EQ(rs->value(1).toDate(), QDate(2003, 4, 5));
    EXPECT_EQ(rs->value(2).toString(), QStringLiteral("lange Notiz über Größen"));
}
