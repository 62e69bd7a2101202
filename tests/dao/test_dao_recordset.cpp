// Snapshot recordsets: DAO's record count rule, navigation and its errors, Filter with OpenRecordset
// (the hashed equality filter and general Jet expressions giving the same rows).
#include "dao/DBEngine.h"
#include "dao/DaoErrors.h"
#include "dbf/DbfWriter.h"
#include "platform/VbError.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dao;
using dbf::DbfField;
using dbf::DbfWriter;

namespace {

class DaoRecordset : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString file = m_dir.filePath(QStringLiteral("kontakte.rel"));
        DbfWriter::create(file, {DbfField::character(QStringLiteral("FIELD1"), 12), DbfField::character(QStringLiteral("FIELD2"), 12),
                                 DbfField::numeric(QStringLiteral("RANK"), 4)});
        {
            DbfWriter w(file);
            DbfWriter::Batch batch(w);
            for (int i = 0; i < 30; ++i)
                w.append({QStringLiteral("K%1").arg(i), i % 3 == 0 ? QStringLiteral("ABC'D") : QStringLiteral("G%1").arg(i % 3), i});
        }
        m_db = m_engine.OpenDatabase(m_dir.path());
        m_all = m_db->OpenRecordset(QStringLiteral("SELECT [kontakte#rel].FIELD1 AS KontaktID, [kontakte#rel].FIELD2 AS GruppenID, "
                                                   "RANK FROM [kontakte#rel] ORDER BY RANK"));
    }

    long errorOf(const std::function<void()> &f)
    {
        try {
            f();
        } catch (const platform::VbError &e) {
            return e.number();
        }
        return 0;
    }

    static QStringList ids(Recordset &rs)
    {
        QStringList out;
        if (rs.RecordCount() == 0)
            return out;
        for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext())
            out << rs.value(0).toString().trimmed();
        return out;
    }

    QTemporaryDir m_dir;
    DBEngine m_engine;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<Recordset> m_all;
};

} // namespace

TEST_F(DaoRecordset, RecordCountGrowsWithVisitedRowsUntilMoveLast)
{
    EXPECT_EQ(m_all->RecordCount(), 1);
    m_all->MoveNext();
    EXPECT_EQ(m_all->RecordCount(), 2);
    m_all->MoveLast();
    EXPECT_EQ(m_all->RecordCount(), 30);
    m_all->MoveFirst();
    EXPECT_EQ(m_all->RecordCount(), 30);
    EXPECT_EQ(m_all->value(QStringLiteral("kontaktid")).toString().trimmed(), QStringLiteral("K0"));
}

TEST_F(DaoRecordset, NavigationPastTheEndIsError3021)
{
    m_all->MoveLast();
    m_all->MoveNext();
    EXPECT_TRUE(m_all->isEOF());
    EXPECT_EQ(errorOf([&] { m_all->MoveNext(); }), ErrNoCurrentRecord);
    EXPECT_EQ(errorOf([&] { m_all->value(0); }), ErrNoCurrentRecord);
    EXPECT_EQ(errorOf([&] { m_all->value(QStringLiteral("NOPE")); }), ErrItemNotFound);
    EXPECT_EQ(errorOf([&] { m_all->value(7); }), ErrItemNotFound);

    auto empty = m_db->OpenRecordset(QStringLiteral("SELECT * FROM [kontakte#rel] WHERE RANK > 100"));
    EXPECT_EQ(empty->RecordCount(), 0);
    EXPECT_TRUE(empty->isEOF());
    EXPECT_TRUE(empty->isBOF());
    EXPECT_EQ(errorOf([&] { empty->MoveLast(); }), ErrNoCurrentRecord);
    m_all->Close();
    EXPECT_EQ(errorOf([&] { m_all->RecordCount(); }), ErrObjectInvalid);
}

TEST_F(DaoRecordset, EqualityFilterWithDoubledQuoteFindsThePaddedId)
{
    m_all->setFilter(QStringLiteral("GruppenID='ABC''D       '"));
    auto filtered = m_all->OpenRecordset();
    filtered->MoveLast();
    EXPECT_EQ(filtered->RecordCount(), 10);
    EXPECT_EQ(ids(*filtered).first(), QStringLiteral("K0"));
    m_all->setFilter(QStringLiteral("GruppenID='ABC''D'")); // unpadded: not equal to the stored value
    EXPECT_EQ(m_all->OpenRecordset()->RecordCount(), 0);
    m_all->setFilter(QStringLiteral("GruppenID='unbekannt'"));
    EXPECT_EQ(m_all->OpenRecordset()->RecordCount(), 0);
}

TEST_F(DaoRecordset, HashedAndGeneralFiltersAgree)
{
    for (const QString &g : {QStringLiteral("G1          "), QStringLiteral("G2          "), QStringLiteral("ABC''D       ")}) {
        m_all->setFilter(QStringLiteral("GruppenID='%1'").arg(g));
        auto hashed = m_all->OpenRecordset();
        // The same condition in a form the hash does not take runs as SQL over the snapshot.
        m_all->setFilter(QStringLiteral("(GruppenID='%1' AND 1=1)").arg(g));
        auto general = m_all->OpenRecordset();
        EXPECT_EQ(ids(*hashed), ids(*general)) << g.toStdString();
        EXPECT_EQ(ids(*hashed).size(), 10);
    }
}

TEST_F(DaoRecordset, GeneralFiltersTakeQualifiedNamesLikeAndNumbers)
{
    m_all->setFilter(QStringLiteral("([kontakte#rel].KontaktID LIKE '[kK]1*') AND (RANK < 12)"));
    EXPECT_EQ(ids(*m_all->OpenRecordset()), (QStringList{QStringLiteral("K1"), QStringLiteral("K10"), QStringLiteral("K11")}));
    m_all->setFilter(QStringLiteral("KontaktID IS NULL"));
    EXPECT_EQ(m_all->OpenRecordset()->RecordCount(), 0);
    m_all->setFilter(QString());
    auto all = m_all->OpenRecordset();
    all->MoveLast();
    EXPECT_EQ(all->RecordCount(), 30);
    // A filtered recordset can itself be filtered.
    m_all->setFilter(QStringLiteral("RANK >= 20"));
    auto high = m_all->OpenRecordset();
    high->setFilter(QStringLiteral("GruppenID='G1          '"));
    EXPECT_EQ(ids(*high->OpenRecordset()), (QStringList{QStringLiteral("K22"), QStringLiteral("K25"), QStringLiteral("K28")}));
}

TEST_F(DaoRecordset, BadFiltersAreDaoErrors)
{
    m_all->setFilter(QStringLiteral("GruppenID = 'offen"));
    EXPECT_EQ(errorOf([&] { m_all->OpenRecordset(); }), ErrSyntaxInQuery);
    m_all->setFilter(QStringLiteral("Unbekannt = 1"));
    EXPECT_EQ(errorOf([&] { m_all->OpenRecordset(); }), ErrTooFewParameters);
    m_all->setFilter(QStringLiteral("1=1; DROP TABLE x"));
    EXPECT_NE(errorOf([&] { m_all->OpenRecordset(); }), 0);
    // The recordset stays usable after a failed filter.
    m_all->setFilter(QStringLiteral("RANK = 3"));
    EXPECT_EQ(ids(*m_all->OpenRecordset()), QStringList{QStringLiteral("K3")});
}
