// Reading and appending memos in FoxPro and dBase memo files.
#include "MemoFile.h"

#include "DbfError.h"
#include "FileNames.h"
#include "platform/FileTransaction.h"

#include <QFileInfo>

#include <cstring>

namespace dbf {

namespace {

constexpr qint64 kMaxReadAhead = 64 * 1024;

quint32 be32(const char *p)
{
    return (quint32(quint8(p[0])) << 24) | (quint32(quint8(p[1])) << 16) | (quint32(quint8(p[2])) << 8) |
           quint32(quint8(p[3]));
}

quint32 le32(const char *p)
{
    return quint32(quint8(p[0])) | (quint32(quint8(p[1])) << 8) | (quint32(quint8(p[2])) << 16) |
           (quint32(quint8(p[3])) << 24);
}

void putBe32(char *p, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (24 - 8 * i)) & 0xFF);
}

void putLe32(char *p, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

} // namespace

QString MemoFile::defaultPath(const QString &tablePath, Format format)
{
    const QFileInfo info(tablePath);
    const QString ext = info.suffix();
    const QString base = tablePath.left(tablePath.size() - ext.size());
    if (ext.compare(QLatin1String("dbf"), Qt::CaseInsensitive) == 0 || ext.isEmpty()) {
        const bool upper = !ext.isEmpty() && ext.at(0).isUpper();
        const QString memoExt = format == Format::FoxPro ? QStringLiteral("fpt") : QStringLiteral("dbt");
        return (ext.isEmpty() ? tablePath + u'.' : base) + (upper ? memoExt.toUpper() : memoExt);
    }
    const QChar t = ext.back().isUpper() ? u'T' : u't';
    return base + ext.left(ext.size() - 1) + t;
}

QString MemoFile::find(const QString &tablePath)
{
    const QFileInfo info(tablePath);
    const QString ext = info.suffix();
    if (!ext.isEmpty() && ext.compare(QLatin1String("dbf"), Qt::CaseInsensitive) != 0) {
        // Each further table of a database has a memo file of its own; another table's memo file
        // (the contacts' NAME.fpt above all) is never a stand-in for a missing one.
        return findFileCaseless(info.path(), QFileInfo(defaultPath(tablePath, Format::FoxPro)).fileName());
    }
    for (const char *memoExt : {".fpt", ".dbt"}) {
        const QString found = findFileCaseless(info.path(), info.completeBaseName() + QLatin1String(memoExt));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

MemoFile::Format MemoFile::formatOf(const QString &memoPath)
{
    return memoPath.endsWith(QLatin1String(".dbt"), Qt::CaseInsensitive) ? Format::DBase : Format::FoxPro;
}

QByteArray MemoFile::emptyFile(Format format)
{
    QByteArray header(kHeaderSize, '\0');
    if (format == Format::FoxPro) {
        putBe32(header.data(), kHeaderSize / kFoxProBlockSize);
        header[6] = char(kFoxProBlockSize >> 8);
        header[7] = char(kFoxProBlockSize & 0xFF);
    } else {
        putLe32(header.data(), 1);
        header[16] = 0x03;
    }
    return header;
}

void MemoFile::create(const QString &path, Format format)
{
    QString reason;
    if (!platform::FileTransaction::writeFile(path, emptyFile(format), &reason))
        throw DbfError(DbfError::Kind::Io, path, reason);
}

void MemoFile::open(const QString &path, LockedFile::Mode mode)
{
    m_file.open(path, mode);
    m_format = formatOf(path);
    m_blockSize = kDBaseBlockSize;
    if (m_format == Format::FoxPro) {
        char h[8];
        if (m_file.readAt(0, h, 8) != 8)
            damaged(QStringLiteral("der Dateikopf ist zu kurz"));
        m_blockSize = (quint32(quint8(h[6])) << 8) | quint8(h[7]);
        if (m_blockSize == 0)
            damaged(QStringLiteral("die Blockgröße ist 0"));
    }
}

QByteArrayView MemoFile::view(quint32 block) const
{
    const qint64 pos = qint64(block) * m_blockSize;
    if (pos < kHeaderSize)
        damaged(QStringLiteral("der Verweis auf Block %1 zeigt in den Dateikopf").arg(block));
    if (m_format == Format::FoxPro)
        return viewFoxPro(block);
    const qint64 size = m_file.size();
    if (pos >= size)
        damaged(QStringLiteral("der Verweis auf Block %1 liegt hinter dem Dateiende (%2 Bytes)").arg(block).arg(size));
    m_long = readDBase(block, size);
    return m_long;
}

// A table read asks for thousands of memos, mostly in the order they were written, and each system
// call counts: reads going forward double the read-ahead up to a limit; a read elsewhere takes one
// block's worth, so that scattered reads copy no more than they need.
void MemoFile::fill(qint64 pos) const
{
    const bool forward = pos >= m_bufferPos && pos <= m_bufferPos + m_readAhead + kFoxProChunk;
    m_readAhead = forward ? qMin<qint64>(m_readAhead * 2, kMaxReadAhead) : kFoxProChunk;
    if (m_buffer.size() < m_readAhead)
        m_buffer.resize(qsizetype(m_readAhead));
    m_bufferPos = pos;
    m_bufferSize = 0;
    m_bufferSize = m_file.readAt(pos, m_buffer.data(), m_readAhead);
}

// The file's size is asked only when a read comes back short, to tell a pointer past the end from a
// memo cut short.
QByteArrayView MemoFile::viewFoxPro(quint32 block) const
{
    const qint64 pos = qint64(block) * m_blockSize;
    qint64 got = pos >= m_bufferPos ? m_bufferPos + m_bufferSize - pos : 0;
    if (got < 8 || 8 + qint64(be32(m_buffer.constData() + (pos - m_bufferPos) + 4)) > got) {
        fill(pos);
        got = m_bufferSize;
    }
    const char *head = m_buffer.constData() + (pos - m_bufferPos);
    if (got < 8) {
        const qint64 size = m_file.size();
        if (pos >= size)
            damaged(QStringLiteral("der Verweis auf Block %1 liegt hinter dem Dateiende (%2 Bytes)").arg(block).arg(size));
        throw DbfError(DbfError::Kind::Damaged, m_file.path(), QStringLiteral("Memo-Block %1 ist abgeschnitten").arg(block));
    }
    const quint32 len = be32(head + 4);
    if (8 + qint64(len) <= got)
        return QByteArrayView(head + 8, qsizetype(len));
    if (pos + 8 + qint64(len) > m_file.size())
        damaged(QStringLiteral("das Memo in Block %1 ist länger (%2 Bytes) als die Datei").arg(block).arg(len));
    m_long.resize(qsizetype(len));
    const qint64 first = got - 8;
    memcpy(m_long.data(), head + 8, size_t(first));
    m_file.readExactly(pos + got, m_long.data() + first, qint64(len) - first,
                       QStringLiteral("Memo-Block %1 ist abgeschnitten").arg(block));
    return m_long;
}

QByteArray MemoFile::readDBase(quint32 block, qint64 fileSize) const
{
    const qint64 pos = qint64(block) * kDBaseBlockSize;
    char head[8];
    const qint64 got = m_file.readAt(pos, head, 8);
    // dBase IV blocks start with FF FF 08 00 and the length including these eight bytes.
    if (got == 8 && quint8(head[0]) == 0xFF && quint8(head[1]) == 0xFF && head[2] == 0x08 && head[3] == 0) {
        const quint32 len = le32(head + 4);
        if (len < 8 || pos + qint64(len) > fileSize)
            damaged(QStringLiteral("das Memo in Block %1 hat die ungültige Länge %2").arg(block).arg(len));
        QByteArray data(qsizetype(len - 8), Qt::Uninitialized);
        m_file.readExactly(pos + 8, data.data(), len - 8, QStringLiteral("Memo-Block %1 ist abgeschnitten").arg(block));
        const qsizetype end = data.indexOf('\x1f');
        return end < 0 ? data : data.left(end);
    }
    // dBase III: the memo runs to the first 1A byte, or to the end of the file.
    QByteArray data;
    char buffer[kDBaseBlockSize];
    for (qint64 at = pos; at < fileSize; at += kDBaseBlockSize) {
        const qint64 n = m_file.readAt(at, buffer, kDBaseBlockSize);
        const char *end = static_cast<const char *>(memchr(buffer, 0x1A, size_t(n)));
        if (end) {
            data.append(buffer, end - buffer);
            return data;
        }
        data.append(buffer, qsizetype(n));
        if (n < kDBaseBlockSize)
            break;
    }
    return data;
}

quint32 MemoFile::append(const QByteArray &data)
{
    forget();
    char head[4];
    m_file.readExactly(0, head, 4, QStringLiteral("der Dateikopf ist zu kurz"));
    const quint32 minBlock = quint32(kHeaderSize / m_blockSize) + (kHeaderSize % m_blockSize ? 1 : 0);
    quint32 next = m_format == Format::FoxPro ? be32(head) : le32(head);
    // Never write into the header, and never over memos that lie behind a stale "next free" pointer.
    next = qMax(next, minBlock);
    next = qMax(next, quint32((m_file.size() + m_blockSize - 1) / m_blockSize));
    QByteArray block;
    if (m_format == Format::FoxPro) {
        block.resize(8);
        putBe32(block.data(), 1);
        putBe32(block.data() + 4, quint32(data.size()));
        block.append(data);
    } else {
        block = data;
        block.append("\x1a\x1a", 2);
    }
    const qint64 used = (block.size() + m_blockSize - 1) / m_blockSize;
    block.append(QByteArray(qsizetype(used * m_blockSize - block.size()), '\0'));
    if (qint64(next) + used > 0xFFFFFFFFLL)
        damaged(QStringLiteral("die Memodatei ist voll"));
    m_file.writeAt(qint64(next) * m_blockSize, block.constData(), block.size());
    const quint32 newNext = quint32(next + used);
    if (m_format == Format::FoxPro)
        putBe32(head, newNext);
    else
        putLe32(head, newNext);
    m_file.writeAt(0, head, 4);
    return next;
}

void MemoFile::damaged(const QString &problem) const
{
    throw DbfError(DbfError::Kind::MemoDamaged, m_file.path(), problem);
}

} // namespace dbf
