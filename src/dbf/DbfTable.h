// Reading a dBase table: the header once, then records in large buffered chunks read under a shared lock,
// so that sequential scans cost one system call per few hundred records and no allocation per field.
#pragma once

#include "ChunkPrefetcher.h"
#include "DbfHeader.h"
#include "DbfRecord.h"
#include "LockedFile.h"
#include "MemoFile.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace dbf {

class DbfTable
{
public:
    DbfTable();
    // Opens at once; throws DbfError like open().
    explicit DbfTable(const QString &path, const QString &memoPath = QString());
    ~DbfTable();
    DbfTable(const DbfTable &) = delete;
    DbfTable &operator=(const DbfTable &) = delete;

    // Opens the table and checks its header. The memo file is found beside it (see MemoFile) unless
    // memoPath names it; it is opened on the first memo read. Throws DbfError.
    void open(const QString &path, const QString &memoPath = QString());
    void close();
    bool isOpen() const { return m_file.isOpen(); }
    // Reads the header again, so that records appended since open() become visible.
    void refresh();
    // A table read from start to end reads its next records in the background while the caller works
    // through the current ones (records then reach the caller up to two buffers' reading time old, not
    // one). Off by default; for scattered reads it only costs.
    void setReadAhead(bool on);

    QString path() const { return m_file.path(); }
    const DbfHeader &header() const { return m_header; }
    const DbfFieldList &fields() const { return m_header.fields; }
    int fieldCount() const { return int(m_header.fields.size()); }
    // Case-insensitive; -1 when the table has no such field.
    int fieldIndex(QStringView name) const { return indexOfField(m_header.fields, name); }
    // All records, deleted ones included (DbfRecord::isDeleted tells them apart).
    qint64 recordCount() const { return m_header.recordCount; }

    // The records not marked deleted. A record that cannot be read counts as present, so that reading
    // it reports the fault. Whole buffers are read on several threads at once, each through a
    // description of the file of its own; where one cannot be read, the records from there on are
    // asked for one by one, as record() gives them.
    qint64 countUndeleted();

    // The record at index (0-based). Throws DbfError (BadArgument) for an index out of range,
    // (Damaged) when the file has shrunk since the header was read.
    DbfRecord record(qint64 index);

    // The memo text bytes of a block (0 gives an empty array). Throws DbfError when there is no
    // memo file or the block cannot be read.
    QByteArray memo(quint32 block) const;
    // The same bytes without a copy, valid until the next memo read, refresh() or record().
    QByteArrayView memoView(quint32 block) const;
    QString memoPath() const { return m_memoPath; }
    // Opens the memo file now, so that a read that takes memos learns before its first record that
    // the file is missing or cannot be read. Throws DbfError as memo() would.
    void openMemoFile() const { memoFile(); }

private:
    void readHeader();
    void loadChunk(qint64 first);
    bool takePrefetched(qint64 pos, qint64 len);
    void prefetch(qint64 first);
    MemoFile &memoFile() const;
    void forgetMemos();

    LockedFile m_file;
    DbfHeader m_header;
    QString m_memoPath;
    mutable std::unique_ptr<MemoFile> m_memo;
    bool m_readAhead = false;
    std::unique_ptr<ChunkPrefetcher> m_prefetcher;
    QByteArray m_chunk;
    qint64 m_chunkFirst = 0;
    qint64 m_chunkCount = 0;
};

} // namespace dbf
