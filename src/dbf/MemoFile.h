// A memo file beside a dBase table: FoxPro .fpt (big-endian header, typed blocks of a chosen size)
// or dBase III/IV .dbt (512-byte blocks). Reads check every pointer against the file's size.
#pragma once

#include "LockedFile.h"

#include <QByteArray>
#include <QString>

namespace dbf {

class MemoFile
{
public:
    enum class Format { FoxPro, DBase };

    static constexpr int kHeaderSize = 512;
    static constexpr int kDBaseBlockSize = 512;
    static constexpr int kFoxProBlockSize = 64;
    // How much of a FoxPro memo the first read takes along with the block's head.
    static constexpr int kFoxProChunk = 512;

    MemoFile() = default;

    // The memo file a table at tablePath uses: NAME.fpt / NAME.dbt beside NAME.dbf; for other
    // extensions the extension with its last letter replaced by "t" (kontakte.hdb -> kontakte.hdt), so
    // that several tables of one database can each have memos.
    static QString defaultPath(const QString &tablePath, Format format);
    // The table's own existing memo file (NAME.fpt or NAME.dbt for NAME.dbf, the default path for
    // other extensions), looked for case-insensitively; "" when there is none.
    static QString find(const QString &tablePath);
    static Format formatOf(const QString &memoPath);
    // The content of an empty memo file.
    static QByteArray emptyFile(Format format);
    // Writes an empty memo file, replacing any file of that name only once it is complete.
    static void create(const QString &path, Format format);

    void open(const QString &path, LockedFile::Mode mode);
    bool isOpen() const { return m_file.isOpen(); }
    QString path() const { return m_file.path(); }
    Format format() const { return m_format; }

    // The bytes of the memo starting in this block. Throws DbfError (MemoDamaged) when the block
    // lies in the header or past the end, or the memo runs past the end of the file.
    QByteArray read(quint32 block) const { return view(block).toByteArray(); }
    // The same bytes without a copy, valid until the next call on this object. FoxPro memos read one
    // after the other come from a read-ahead buffer that grows while the reads go forward through the
    // file; forget() drops it, so that the next read sees what other processes have written since.
    QByteArrayView view(quint32 block) const;
    void forget() const { m_bufferSize = 0; }
    // Appends a memo and returns its first block. The caller holds the table's exclusive lock,
    // which guards the memo file too.
    quint32 append(const QByteArray &data);

private:
    QByteArrayView viewFoxPro(quint32 block) const;
    void fill(qint64 pos) const;
    QByteArray readDBase(quint32 block, qint64 fileSize) const;
    [[noreturn]] void damaged(const QString &problem) const;

    LockedFile m_file;
    Format m_format = Format::FoxPro;
    quint32 m_blockSize = kFoxProBlockSize;

    // The read-ahead buffer: m_bufferSize bytes of the file from m_bufferPos (fewer than asked at its end).
    mutable QByteArray m_buffer;
    mutable qint64 m_bufferPos = 0;
    mutable qint64 m_bufferSize = 0;
    mutable qint64 m_readAhead = kFoxProChunk;
    // Memos longer than the buffer holds, and dBase memos.
    mutable QByteArray m_long;
};

} // namespace dbf
