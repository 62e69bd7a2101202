// Memos read through the read-ahead buffer: every memo gives its own text in any order of reading, memos
// longer than the buffer or reaching past its end read whole, and what others write is seen after a refresh.
#include "dbf/DbfError.h"
#include "dbf/DbfTable.h"
#include "dbf/DbfWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace dbf;

namespace {

// Memo texts of very different lengths, so that memos start and end at every place of a read-ahead
// buffer; two are longer than the largest read-ahead.
QString memoText(int i)
{
    int length = (i * 37) % 700;
    if (i % 97 == 5)
        length = 3000 + i;
    if (i == 300 || i == 301)
        length = 300 * 1024 + i;
    QString text;
    text.reserve(length + 8);
    text += QStringLiteral("Nr. %1 ").arg(i);
    for (int c = 0; text.size() < length; ++c)
        text += QChar(c % 13 == 0 ? u'ä' : char16_t(u'a' + (i + c) % 26));
    return text;
}

class MemoReading : public ::testing::TestWithParam<DbfWriter::Format>
{
protected:
    static constexpr int kRecords = 600;

    void SetUp() override
    {
        DbfWriter::create(m_file, {DbfField::numeric(QStringLiteral("NR"), 6), DbfField::memo(QStringLiteral("TEXT"))},
                          GetParam());
        DbfWriter w(m_file);
        DbfWriter::Batch batch(w);
        for (int i = 0; i < kRecords; ++i)
            w.append({i, i % 50 == 7 ? QString() : memoText(i)});
    }

    QString expected(int i) const { return i % 50 == 7 ? QString() : memoText(i); }

    QTemporaryDir m_dir;
    const QString m_file = m_dir.filePath(QStringLiteral("notizen.dbf"));
};

} // namespace

TEST_P(MemoReading, EveryMemoReadsWholeInFileOrder)
{
    DbfTable t(m_file);
    ASSERT_EQ(t.recordCount(), kRecords);
    for (int i = 0; i < kRecords; ++i) {
        const DbfRecord r = t.record(i);
        const QByteArrayView bytes = t.memoView(r.memoBlock(1));
        ASSERT_EQ(QString::fromLatin1(bytes.data(), bytes.size()), expected(i)) << "record " << i;
        ASSERT_EQ(r.value(1).toString(), expected(i)) << "record " << i;
    }
}

TEST_P(MemoReading, EveryMemoReadsWholeInAnyOrder)
{
    DbfTable t(m_file);
    std::vector<int> order(kRecords);
    for (int i = 0; i < kRecords; ++i)
        order[size_t(i)] = i;
    std::shuffle(order.begin(), order.end(), std::mt19937(42));
    for (const int i : order)
        ASSERT_EQ(t.record(i).value(1).toString(), expected(i)) << "record " << i;
    for (int i = kRecords - 1; i >= 0; --i)
        ASSERT_EQ(t.record(i).value(1).toString(), expected(i)) << "record " << i;
}

TEST_P(MemoReading, MemosAppendedByAnotherWriterAreReadAfterRefresh)
{
    DbfTable t(m_file);
    for (int i = 0; i < kRecords; ++i)
        t.record(i).value(1); // the read-ahead now reaches the end of the memo file
    {
        DbfWriter w(m_file);
        w.append({kRecords, QStringLiteral("neu angehängt")});
        w.setValue(kRecords - 1, 1, QStringLiteral("geändert"));
    }
    t.refresh();
    ASSERT_EQ(t.recordCount(), kRecords + 1);
    EXPECT_EQ(t.record(kRecords).value(1).toString(), QStringLiteral("neu angehängt"));
    EXPECT_EQ(t.record(kRecords - 1).value(1).toString(), QStringLiteral("geändert"));
    EXPECT_EQ(t.record(kRecords - 2).value(1).toString(), expected(kRecords - 2));
}

// A program that rewrites a memo where it stands (as FoxPro does when the new text fits) must be seen
// once the records are read again: read-ahead memos are never older than the record that points to them.
TEST(MemoReadAhead, AMemoRewrittenInPlaceIsReadAfterRefresh)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("t.dbf"));
    DbfWriter::create(file, {DbfField::memo(QStringLiteral("M"))});
    {
        DbfWriter w(file);
        w.append({QStringLiteral("alter Text eins")});
        w.append({QStringLiteral("alter Text zwei")});
    }
    DbfTable t(file);
    ASSERT_EQ(t.record(0).value(0).toString(), QStringLiteral("alter Text eins"));
    const quint32 second = t.record(1).memoBlock(0);
    {
        QFile memo(dir.filePath(QStringLiteral("t.fpt")));
        ASSERT_TRUE(memo.open(QIODevice::ReadWrite));
        ASSERT_TRUE(memo.seek(qint64(second) * MemoFile::kFoxProBlockSize + 8));
        ASSERT_EQ(memo.write("neuer Text zwei"), 15);
    }
    t.refresh();
    EXPECT_EQ(t.record(1).value(0).toString(), QStringLiteral("neuer Text zwei"));
}

// The length in a memo's head is checked against the file even when the head came with an earlier read.
TEST(MemoReadAhead, AMemoLongerThanTheFileIsNamedWhenItsHeadWasReadAhead)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("t.dbf"));
    DbfWriter::create(file, {DbfField::memo(QStringLiteral("M"))});
    {
        DbfWriter w(file);
        for (int i = 0; i < 20; ++i)
            w.append({QStringLiteral("Memo %1").arg(i)});
    }
    quint32 block = 0;
    {
        DbfTable t(file);
        block = t.record(10).memoBlock(0);
    }
    {
        QFile memo(dir.filePath(QStringLiteral("t.fpt")));
        ASSERT_TRUE(memo.open(QIODevice::ReadWrite));
        ASSERT_TRUE(memo.seek(qint64(block) * MemoFile::kFoxProBlockSize + 4));
        ASSERT_EQ(memo.write("\x00\x10\x00\x00", 4), 4); // 1 MB in a file of a few blocks
    }
    DbfTable t(file);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(t.record(i).value(0).toString(), QStringLiteral("Memo %1").arg(i));
    try {
        t.record(10).value(0);
        FAIL() << "a memo longer than its file was read";
    } catch (const DbfError &e) {
        EXPECT_EQ(e.kind(), DbfError::Kind::MemoDamaged);
        EXPECT_TRUE(e.message().contains(QStringLiteral("länger"))) << e.message().toStdString();
    }
    EXPECT_EQ(t.record(11).value(0).toString(), QStringLiteral("Memo 11"));
}

INSTANTIATE_TEST_SUITE_P(Formats, MemoReading, ::testing::Values(DbfWriter::Format::FoxPro, DbfWriter::Format::DBaseIII));
