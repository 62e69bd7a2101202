// Opening a dBase table, checking its header and reading its records chunk by chunk.
#include "DbfTable.h"

#include "DbfError.h"

#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace dbf {

namespace {

constexpr qint64 kChunkBytes = 256 * 1024;
constexpr unsigned kCountThreads = 4;

// Counts the undeleted records of the buffers handed out by next, each buffer as loadChunk() reads it;
// live[k] stays -1 for a buffer that could not be read whole.
void countBuffers(const LockedFile &table, const DbfHeader &header, qint64 perBuffer, std::atomic<qint64> &next,
                  std::vector<qint64> &live)
{
    LockedFile file;
    try {
        file.openSame(table);
    } catch (const DbfError &) {
        return;
    }
    const qint64 len = header.recordLength;
    QByteArray buffer(qsizetype(perBuffer * len), Qt::Uninitialized);
    for (qint64 k; (k = next++) < qint64(live.size());) {
        const qint64 first = k * perBuffer;
        const qint64 count = qMin<qint64>(perBuffer, qint64(header.recordCount) - first);
        try {
            LockedFile::Guard guard(file, LockedFile::Lock::Shared);
            if (file.readAt(header.recordOffset(first), buffer.data(), count * len) != count * len)
                continue;
        } catch (const DbfError &) {
            continue;
        }
        qint64 n = 0;
        for (qint64 r = 0; r < count; ++r)
            n += buffer.at(qsizetype(r * len)) != '*';
        live[size_t(k)] = n;
    }
}

} // namespace

DbfTable::DbfTable() = default;

DbfTable::DbfTable(const QString &path, const QString &memoPath)
{
    open(path, memoPath);
}

DbfTable::~DbfTable() = default;

void DbfTable::open(const QString &path, const QString &memoPath)
{
    close();
    m_file.open(path, LockedFile::Mode::Read);
    try {
        readHeader();
    } catch (...) {
        close();
        throw;
    }
    m_memoPath = memoPath;
}

void DbfTable::close()
{
    m_prefetcher.reset();
    m_file.close();
    m_memo.reset();
    m_header = DbfHeader();
    m_chunk.clear();
    m_chunkFirst = m_chunkCount = 0;
    m_memoPath.clear();
}

void DbfTable::refresh()
{
    readHeader();
}

void DbfTable::setReadAhead(bool on)
{
    m_readAhead = on;
    if (!on)
        m_prefetcher.reset();
}

void DbfTable::readHeader()
{
    LockedFile::Guard guard(m_file, LockedFile::Lock::Shared);
    const qint64 size = m_file.size();
    char prefix[DbfHeader::kPrefixSize];
    const qint64 got = m_file.readAt(0, prefix, DbfHeader::kPrefixSize);
    const int headerLength = DbfHeader::storedHeaderLength(prefix, got);
    QByteArray bytes(qMax<qint64>(got, qMin<qint64>(size, headerLength)), Qt::Uninitialized);
    bytes.resize(m_file.readAt(0, bytes.data(), bytes.size()));
    m_header = DbfHeader::parse(bytes, size, m_file.path());
    m_chunkFirst = m_chunkCount = 0;
    if (m_prefetcher)
        m_prefetcher->drop();
}

// Counting reads the whole file for one byte per record; the copying out of the file is what takes
// the time, and several threads copy faster than one.
qint64 DbfTable::countUndeleted()
{
    const qint64 total = m_header.recordCount;
    const qint64 perBuffer = qMax<qint64>(1, kChunkBytes / m_header.recordLength);
    std::vector<qint64> live(size_t((total + perBuffer - 1) / perBuffer), -1);
    std::atomic<qint64> next{0};
    const unsigned threads = qBound(1u, std::thread::hardware_concurrency(), kCountThreads);
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads && t < live.size(); ++t) {
        try {
            helpers.emplace_back([&] { countBuffers(m_file, m_header, perBuffer, next, live); });
        } catch (const std::system_error &) {
            break; // fewer threads do it
        }
    }
    countBuffers(m_file, m_header, perBuffer, next, live);
    for (std::thread &helper : helpers)
        helper.join();
    qint64 count = 0;
    qint64 first = 0;
    for (; first < total && live[size_t(first / perBuffer)] >= 0; first += perBuffer)
        count += live[size_t(first / perBuffer)];
    for (qint64 i = first; i < total; ++i) {
        try {
            count += record(i).isDeleted() ? 0 : 1;
        } catch (const DbfError &) {
            ++count;
        }
    }
    return count;
}

DbfRecord DbfTable::record(qint64 index)
{
    if (index < 0 || index >= qint64(m_header.recordCount))
        throw DbfError(DbfError::Kind::BadArgument, path(),
                       QStringLiteral("Datensatz %1 gibt es nicht (%2 Datensätze)").arg(index + 1).arg(m_header.recordCount));
    if (index < m_chunkFirst || index >= m_chunkFirst + m_chunkCount)
        loadChunk(index);
    const char *data = m_chunk.constData() + (index - m_chunkFirst) * m_header.recordLength;
    return DbfRecord(this, m_header.fields, data, index);
}

void DbfTable::loadChunk(qint64 first)
{
    const bool sequential = first == m_chunkFirst + m_chunkCount;
    const qint64 len = m_header.recordLength;
    const qint64 count = qMin<qint64>(qMax<qint64>(1, kChunkBytes / len), qint64(m_header.recordCount) - first);
    m_chunk.resize(qsizetype(count * len));
    m_chunkCount = 0;
    forgetMemos();
    const qint64 pos = m_header.recordOffset(first);
    if (!takePrefetched(pos, count * len)) {
        LockedFile::Guard guard(m_file, LockedFile::Lock::Shared);
        m_file.readExactly(pos, m_chunk.data(), count * len,
                           QStringLiteral("die Datei endet vor Datensatz %1").arg(first + 1));
    }
    m_chunkFirst = first;
    m_chunkCount = count;
    if (sequential)
        prefetch(first + count);
}

// Records read ahead are used only where the file still holds them, so that a file cut short since
// is reported as it would have been without reading ahead.
bool DbfTable::takePrefetched(qint64 pos, qint64 len)
{
    return m_prefetcher && m_prefetcher->take(pos, len, m_chunk) && m_file.size() >= pos + len;
}

void DbfTable::prefetch(qint64 first)
{
    if (!m_readAhead || first >= qint64(m_header.recordCount))
        return;
    if (!m_prefetcher) {
        try {
            m_prefetcher = std::make_unique<ChunkPrefetcher>(m_file);
        } catch (...) {
            m_readAhead = false; // reading goes on as without read-ahead
            return;
        }
    }
    const qint64 len = m_header.recordLength;
    const qint64 count = qMin<qint64>(qMax<qint64>(1, kChunkBytes / len), qint64(m_header.recordCount) - first);
    m_prefetcher->request(m_header.recordOffset(first), count * len);
}

QByteArray DbfTable::memo(quint32 block) const
{
    if (block == 0)
        return {};
    return memoFile().read(block);
}

QByteArrayView DbfTable::memoView(quint32 block) const
{
    if (block == 0)
        return {};
    return memoFile().view(block);
}

MemoFile &DbfTable::memoFile() const
{
    if (!m_memo) {
        const QString memoPath = m_memoPath.isEmpty() ? MemoFile::find(path()) : m_memoPath;
        if (memoPath.isEmpty())
            throw DbfError(DbfError::Kind::MemoMissing, path(),
                           QStringLiteral("es gibt keine Datei \"%1\"")
                               .arg(MemoFile::defaultPath(path(), MemoFile::Format::FoxPro)));
        auto memo = std::make_unique<MemoFile>();
        memo->open(memoPath, LockedFile::Mode::Read);
        m_memo = std::move(memo);
    }
    return *m_memo;
}

// Memos read ahead are never older than the records that point to them: whenever records are read
// afresh (refresh() makes the next record() read them), so are the memos.
void DbfTable::forgetMemos()
{
    if (m_memo)
        m_memo->forget();
}

} // namespace dbf
