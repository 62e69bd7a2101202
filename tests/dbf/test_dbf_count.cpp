// Counting the undeleted records on several threads gives what reading the records one by one gives,
// also where the file ends before its last record.
#include "dbf/DbfError.h"
#include "dbf/DbfTable.h"
#include "dbf/DbfWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dbf;

namespace {

constexpr int kRecords = 50000; // several read buffers of some 9,000 records

// The count as a scan record by record makes it: a record that cannot be read counts as present.
qint64 countOneByOne(DbfTable &table)
{
    qint64 count = 0;
    for (qint64 i = 0; i < table.recordCount(); ++i) {
        try {
            count += table.record(i).isDeleted() ? 0 : 1;
        } catch (const DbfError &) {
            ++count;
        }
    }
    return count;
}

class CountUndeleted : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DbfWriter::create(m_file, {DbfField::numeric(QStringLiteral("NR"), 8), DbfField::character(QStringLiteral("T"), 20)});
        DbfWriter w(m_file);
        DbfWriter::Batch batch(w);
        for (int i = 0; i < kRecords; ++i)
            w.append({i, QStringLiteral("Satz %1").arg(i)});
        // Deleted records here and there, at the first and last record and around buffer boundaries.
        for (int i = 0; i < kRecords; ++i)
            if (i % 7 == 3 || i == 0 || i == kRecords - 1 || (i >= 9030 && i < 9050))
                w.setDeleted(i);
    }

    QTemporaryDir m_dir;
    const QString m_file = m_dir.filePath(QStringLiteral("t.dbf"));
};

} // namespace

TEST_F(CountUndeleted, CountsWhatTheRecordsSay)
{
    qint64 expected = 0;
    for (int i = 0; i < kRecords; ++i)
        expected += (i % 7 == 3 || i == 0 || i == kRecords - 1 || (i >= 9030 && i < 9050)) ? 0 : 1;
    DbfTable table(m_file);
    EXPECT_EQ(table.countUndeleted(), expected);
    DbfTable other(m_file);
    EXPECT_EQ(countOneByOne(other), expected);
    // The table reads on as before.
    EXPECT_EQ(table.record(kRecords / 2).value(0).toLongLong(), kRecords / 2);
}

TEST_F(CountUndeleted, AFileCutShortSinceItsHeaderWasReadCountsItsUnreadableRecordsAsPresent)
{
    DbfTable table(m_file);
    DbfTable other(m_file);
    QFile f(m_file);
    ASSERT_TRUE(f.resize(table.header().recordOffset(31234) + 5)); // in the middle of a record
    f.close();
    const qint64 counted = table.countUndeleted();
    EXPECT_EQ(counted, countOneByOne(other));
    EXPECT_GT(counted, kRecords - 31234); // the records past the end are among them
}

TEST(CountUndeletedEmpty, AnEmptyTableHasNone)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("leer.dbf"));
    DbfWriter::create(file, {DbfField::numeric(QStringLiteral("NR"), 8)});
    DbfTable table(file);
    EXPECT_EQ(table.countUndeleted(), 0);
}
