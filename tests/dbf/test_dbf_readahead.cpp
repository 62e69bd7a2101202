// Reading ahead in the background must not change what a scan sees: changes written by this process,
// changes read again after a refresh, a file cut short, a file replaced under its name.
#include "dbf/DbfError.h"
#include "dbf/DbfTable.h"
#include "dbf/DbfWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace dbf;

namespace {

// Several read buffers' worth of records (the buffer holds 256 KB, some 9,000 of these records).
constexpr int kRecords = 30000;
constexpr qint64 kLater = 10000; // in the second buffer, which is read ahead while the first is read

void writeTable(const QString &file, const QString &prefix)
{
    DbfWriter::create(file, {DbfField::numeric(QStringLiteral("NR"), 8), DbfField::character(QStringLiteral("T"), 20)});
    DbfWriter w(file);
    DbfWriter::Batch batch(w);
    for (int i = 0; i < kRecords; ++i)
        w.append({i, prefix + QString::number(i)});
}

// Gives the background read time to finish, so that a change made next comes after it.
void letReadAheadFinish()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
}

class ReadAhead : public ::testing::Test
{
protected:
    void SetUp() override { writeTable(m_file, QStringLiteral("alt ")); }

    // Opens the table with read-ahead and reads its first record, which starts reading the next ones.
    void startScan()
    {
        m_table.open(m_file);
        m_table.setReadAhead(true);
        ASSERT_EQ(m_table.record(0).text(1).trimmed(), QStringLiteral("alt 0"));
        letReadAheadFinish();
    }

    void overwriteText(qint64 index, const QByteArray &text)
    {
        QFile f(m_file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(m_table.header().recordOffset(index) + m_table.fields().at(1).offset));
        ASSERT_EQ(f.write(text.leftJustified(20, ' ')), 20);
    }

    QTemporaryDir m_dir;
    const QString m_file = m_dir.filePath(QStringLiteral("t.dbf"));
    DbfTable m_table;
};

} // namespace

TEST_F(ReadAhead, AScanReadsEveryRecordOnce)
{
    startScan();
    qlonglong sum = 0;
    for (qint64 i = 0; i < m_table.recordCount(); ++i) {
        const DbfRecord r = m_table.record(i);
        ASSERT_EQ(r.value(0).toLongLong(), i);
        sum += r.value(0).toLongLong();
    }
    EXPECT_EQ(sum, qlonglong(kRecords - 1) * kRecords / 2);
}

TEST_F(ReadAhead, AChangeWrittenByThisProcessIsSeenByTheScan)
{
    startScan();
    {
        DbfWriter w(m_file);
        w.setValue(kLater, 1, QStringLiteral("geändert"));
    }
    for (qint64 i = 1; i <= kLater; ++i) {
        const QString text = m_table.record(i).text(1).trimmed();
        if (i == kLater)
            EXPECT_EQ(text, QStringLiteral("geändert"));
        else
            ASSERT_EQ(text, QStringLiteral("alt %1").arg(i));
    }
}

// Reading inside an open batch of a writer of this process must neither hang nor miss what it wrote.
TEST_F(ReadAhead, AScanInsideAnOpenBatchOfThisProcessReadsWhatTheBatchWrote)
{
    startScan();
    DbfWriter w(m_file);
    DbfWriter::Batch batch(w);
    // Each change lies past the buffer being read, in the one read ahead or a later one.
    for (qint64 i = 1; i < kRecords; ++i) {
        if (i % 5000 == 0 && i + kLater < kRecords)
            w.setValue(i + kLater, 1, QStringLiteral("im Stapel"));
        const QString text = m_table.record(i).text(1).trimmed();
        if (i % 5000 == 0 && i >= 5000 + kLater)
            ASSERT_EQ(text, QStringLiteral("im Stapel")) << "record " << i;
        else
            ASSERT_EQ(text, QStringLiteral("alt %1").arg(i)) << "record " << i;
    }
}

TEST_F(ReadAhead, RecordsReadAgainAfterARefreshAreTheFilesNewOnes)
{
    startScan();
    // Another program changes a record of the buffer being read ahead, without this process knowing.
    overwriteText(kLater, "fremd");
    m_table.refresh();
    // Where the buffer read ahead starts (the first buffer holds as many records as fit in 256 KB).
    const qint64 secondBuffer = 256 * 1024 / m_table.header().recordLength;
    ASSERT_LT(secondBuffer, kLater);
    EXPECT_EQ(m_table.record(secondBuffer).text(1).trimmed(), QStringLiteral("alt %1").arg(secondBuffer));
    EXPECT_EQ(m_table.record(kLater).text(1).trimmed(), QStringLiteral("fremd"));
}

TEST_F(ReadAhead, AFileCutShortIsReportedThoughItsRecordsWereReadAhead)
{
    startScan();
    {
        QFile f(m_file);
        ASSERT_TRUE(f.resize(m_table.header().recordOffset(kLater)));
    }
    qint64 i = 1;
    try {
        for (; i < kRecords; ++i)
            m_table.record(i);
        FAIL() << "the scan read past the end of the file";
    } catch (const DbfError &e) {
        EXPECT_EQ(e.kind(), DbfError::Kind::Damaged);
        EXPECT_LE(i, kLater);
    }
}

TEST_F(ReadAhead, AFileReplacedUnderItsNameIsReadToTheEndAsOpened)
{
    m_table.open(m_file);
    m_table.setReadAhead(true);
    const QString other = m_dir.filePath(QStringLiteral("neu.dbf"));
    writeTable(other, QStringLiteral("neu "));
    ASSERT_TRUE(QFile::remove(m_file));
    ASSERT_TRUE(QFile::rename(other, m_file));
    for (qint64 i = 0; i < kRecords; i += 997)
        ASSERT_EQ(m_table.record(i).text(1).trimmed(), QStringLiteral("alt %1").arg(i));
    for (qint64 i = 0; i < kRecords; ++i)
        ASSERT_EQ(m_table.record(i).text(1).trimmed(), QStringLiteral("alt %1").arg(i));
}
