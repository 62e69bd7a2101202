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
    // An existing memo file of the table, looked for case-insensitively; "" when there is none.
    static QString find(const QString &tablePath);
    static Format formatOf(const QString &memoPath);
    // Writes an empty memo file (replacing any file of that name).
    static void create(const QString &path, Format format);

    void open(const QString &path, LockedFile::Mode mode);
    bool isOpen() const { return m_file.isOpen(); }
    QString path() const { return m_file.path(); }
    Format format() const { return m_format; }

    // The bytes of the memo starting in this block. Throws DbfError (MemoDamaged) when the block
    // lies in the header or past the end, or the memo runs past the end of the file.
    QByteArray read(quint32 block) const;
    // Appends a memo and returns its first block. The caller holds the table's exclusive lock,
    // which guards the memo file too.
    quint32 append(const QByteArray &data);

private:
    QByteArray readFoxPro(quint32 block) const;
    QByteArray readDBase(quint32 block, qint64 fileSize) const;
    [[noreturn]] void damaged(const QString &problem) const;

    LockedFile m_file;
    Format m_format = Format::FoxPro;
    quint32 m_blockSize = kFoxProBlockSize;
};

} // namespace dbf
