// Reading a transfer source ahead on another thread: the transfer must see exactly what reading the
// source itself gives, failures at the same call, and a transfer that stops early must not leave
// the reader running through the whole table.
#include "platform/VbError.h"
#include "records/ReadAheadSource.h"

#include <atomic>
#include <gtest/gtest.h>
#include <optional>

using namespace records;

namespace {

constexpr long NoMoreData = 3;

// A table of `size` records of three fields; record r fails to read at `failRead`, to move on at
// `failMove`, and has error code 7 when r is a multiple of 97.
class FakeTable final : public RecordSource
{
public:
    explicit FakeTable(long size) : m_size(size) {}

    long RecordCount() override { return m_size; }
    void MoveFirst() override { m_pos = 0; }
    void MoveNext() override
    {
        if (m_pos == failMove)
            throw platform::VbError(3021, QStringLiteral("Weiterbewegen fehlgeschlagen"));
        ++m_pos;
    }
    long GetDataEx(const QVector<qint16> &ids, QStringList &values) override
    {
        ++reads;
        if (m_pos == failRead)
            throw platform::VbError(3022, QStringLiteral("Lesen fehlgeschlagen"));
        values.resize(ids.size());
        for (int i = 0; i < ids.size(); ++i)
            values[i] = m_pos < m_size ? recordText(m_pos, ids.at(i)) : QString();
        if (m_pos >= m_size)
            return NoMoreData;
        return m_pos % 97 == 0 ? 7 : 0;
    }
    bool readsOnAnyThread() const override { return true; }

    // Longer and shorter texts by turns, so a string read into again must shrink and grow.
    static QString recordText(long record, qint16 id)
    {
        return QString(int(record % 5) + 1, QChar(u'a' + id)) + QString::number(record);
    }

    long failRead = -1;
    long failMove = -1;
    std::atomic<long> reads{0};

private:
    long m_size;
    long m_pos = 0;
};

const QVector<qint16> Ids{0, 1, 2};

void expectRecord(long record, long code, const QStringList &values)
{
    ASSERT_EQ(values.size(), Ids.size());
    for (int i = 0; i < Ids.size(); ++i)
        ASSERT_EQ(values.at(i), FakeTable::recordText(record, Ids.at(i))) << "record " << record;
    EXPECT_EQ(code, record % 97 == 0 ? 7 : 0);
}

TEST(ReadAhead, EveryRecordAndItsCodeArriveInOrderAndPastTheEndTheTableAnswers)
{
    FakeTable table(5'000);
    table.MoveFirst();
    ReadAheadSource ahead(table, 5'000);
    QStringList values;
    for (long r = 0; r < 5'000; ++r) {
        const long code = ahead.GetDataEx(Ids, values);
        expectRecord(r, code, values);
        ahead.MoveNext();
    }
    EXPECT_EQ(ahead.GetDataEx(Ids, values), NoMoreData);
    EXPECT_EQ(values, QStringList({QString(), QString(), QString()}));
}

TEST(ReadAhead, AFailedReadIsRaisedAtThatRecordAndARetryReadsItAgain)
{
    FakeTable table(3'000);
    table.failRead = 1'234;
    table.MoveFirst();
    ReadAheadSource ahead(table, 3'000);
    QStringList values;
    for (long r = 0; r < 1'234; ++r) {
        expectRecord(r, ahead.GetDataEx(Ids, values), values);
        ahead.MoveNext();
    }
    try {
        ahead.GetDataEx(Ids, values);
        FAIL() << "the failed read was not raised";
    } catch (const platform::VbError &e) {
        EXPECT_EQ(e.number(), 3022);
    }
    table.failRead = -1;
    expectRecord(1'234, ahead.GetDataEx(Ids, values), values);
    ahead.MoveNext();
    expectRecord(1'235, ahead.GetDataEx(Ids, values), values);
}

TEST(ReadAhead, AFailedMoveIsRaisedByThatRecordsMoveAfterItsValues)
{
    FakeTable table(2'000);
    table.failMove = 700;
    table.MoveFirst();
    ReadAheadSource ahead(table, 2'000);
    QStringList values;
    for (long r = 0; r < 700; ++r) {
        expectRecord(r, ahead.GetDataEx(Ids, values), values);
        ahead.MoveNext();
    }
    expectRecord(700, ahead.GetDataEx(Ids, values), values);
    EXPECT_THROW(ahead.MoveNext(), platform::VbError);
    // Nothing was read past the failure.
    EXPECT_EQ(table.reads.load(), 701);
}

TEST(ReadAhead, ATransferThatStopsEarlyDoesNotReadTheWholeTable)
{
    FakeTable table(1'000'000);
    table.MoveFirst();
    {
        ReadAheadSource ahead(table, 1'000'000);
        QStringList values;
        for (long r = 0; r < 10; ++r) {
            expectRecord(r, ahead.GetDataEx(Ids, values), values);
            ahead.MoveNext();
        }
    }
    EXPECT_LT(table.reads.load(), 100'000);
}

TEST(ReadAhead, NothingIsReadForAnEmptyTable)
{
    FakeTable table(0);
    table.MoveFirst();
    ReadAheadSource ahead(table, 0);
    QStringList values;
    EXPECT_EQ(ahead.GetDataEx(Ids, values), NoMoreData);
    EXPECT_EQ(table.reads.load(), 1);
}

} // namespace
