// Parsing and writing the dBase table header. Every number read from the file is checked before use,
// so a damaged header yields an error instead of a crash or an endless loop.
#include "DbfHeader.h"

#include "DbfError.h"

#include <cstring>

namespace dbf {

namespace {

quint16 le16(const char *p)
{
    return quint16(quint8(p[0]) | (quint8(p[1]) << 8));
}

quint32 le32(const char *p)
{
    return quint32(quint8(p[0])) | (quint32(quint8(p[1])) << 8) | (quint32(quint8(p[2])) << 16) |
           (quint32(quint8(p[3])) << 24);
}

void put16(char *p, quint16 v)
{
    p[0] = char(v & 0xFF);
    p[1] = char(v >> 8);
}

void put32(char *p, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

[[noreturn]] void damaged(const QString &file, const QString &problem)
{
    throw DbfError(DbfError::Kind::Damaged, file, problem);
}

DbfField parseDescriptor(const char *d, int index, const QString &file)
{
    DbfField f;
    int nameLen = 0;
    while (nameLen < 11 && d[nameLen] != 0)
        ++nameLen;
    f.name = QString::fromLatin1(d, nameLen).trimmed();
    f.type = char(quint8(d[11]));
    f.length = quint8(d[16]);
    f.decimals = quint8(d[17]);
    // Clipper and FoxPro keep character fields longer than 255 bytes with the decimals byte as high byte.
    if (f.type == DbfField::Character && f.decimals > 0) {
        f.length += f.decimals * 256;
        f.decimals = 0;
    }
    if (f.length == 0)
        damaged(file, QStringLiteral("das Feld %1 (\"%2\") hat die Länge 0").arg(index + 1).arg(f.name));
    return f;
}

} // namespace

int DbfHeader::storedHeaderLength(const char *bytes, qint64 len)
{
    return len < kPrefixSize ? -1 : le16(bytes + 8);
}

DbfHeader DbfHeader::parse(const QByteArray &bytes, qint64 fileSize, const QString &file)
{
    if (fileSize < kPrefixSize || bytes.size() < kPrefixSize)
        damaged(file, QStringLiteral("der Dateikopf ist zu kurz (%1 Bytes)").arg(fileSize));
    const char *p = bytes.constData();
    DbfHeader h;
    h.version = quint8(p[0]);
    h.lastUpdate = QDate(1900 + quint8(p[1]), quint8(p[2]), quint8(p[3]));
    h.recordCount = le32(p + 4);
    h.headerLength = le16(p + 8);
    h.recordLength = le16(p + 10);
    h.tableFlags = quint8(p[28]);
    h.codePage = quint8(p[29]);
    if (h.headerLength < kPrefixSize + kDescriptorSize)
        damaged(file, QStringLiteral("die Kopflänge %1 ist zu klein").arg(h.headerLength));
    if (h.headerLength > fileSize || h.headerLength > bytes.size())
        damaged(file, QStringLiteral("die Kopflänge %1 ist größer als die Datei (%2 Bytes)")
                          .arg(h.headerLength)
                          .arg(fileSize));
    if (h.recordLength < 2)
        damaged(file, QStringLiteral("die Satzlänge %1 ist ungültig").arg(h.recordLength));

    int pos = kPrefixSize;
    int offset = 1;
    while (pos < h.headerLength && p[pos] != kTerminator) {
        if (pos + kDescriptorSize > h.headerLength)
            damaged(file, QStringLiteral("die Feldbeschreibungen überschreiten den Dateikopf"));
        DbfField f = parseDescriptor(p + pos, int(h.fields.size()), file);
        f.offset = offset;
        offset += f.length;
        h.fields.append(f);
        pos += kDescriptorSize;
    }
    if (h.fields.isEmpty())
        damaged(file, QStringLiteral("die Tabelle hat keine Felder"));
    if (offset != h.recordLength)
        damaged(file, QStringLiteral("die Satzlänge %1 passt nicht zu den Feldern (zusammen %2 Bytes)")
                          .arg(h.recordLength)
                          .arg(offset));
    const qint64 needed = qint64(h.headerLength) + qint64(h.recordCount) * h.recordLength;
    if (needed > fileSize)
        damaged(file, QStringLiteral("der Kopf nennt %1 Datensätze, die Datei enthält aber nur %2")
                          .arg(h.recordCount)
                          .arg((fileSize - h.headerLength) / h.recordLength));
    return h;
}

DbfHeader DbfHeader::forFields(const DbfFieldList &fields, bool dBaseIII)
{
    DbfHeader h;
    h.fields = fields;
    int offset = 1;
    for (DbfField &f : h.fields) {
        f.offset = offset;
        offset += f.length;
    }
    h.recordLength = quint16(offset);
    h.headerLength = quint16(kPrefixSize + kDescriptorSize * fields.size() + 1);
    h.lastUpdate = QDate::currentDate();
    h.version = !h.hasMemoFields() ? 0x03 : dBaseIII ? 0x83 : 0xF5;
    return h;
}

QByteArray DbfHeader::serialize() const
{
    QByteArray out(headerLength, '\0');
    char *p = out.data();
    p[0] = char(version);
    patchCountAndDate(p, recordCount, lastUpdate);
    put16(p + 8, headerLength);
    put16(p + 10, recordLength);
    p[28] = char(tableFlags);
    p[29] = char(codePage);
    int pos = kPrefixSize;
    for (const DbfField &f : fields) {
        const QByteArray name = f.name.toLatin1().left(10);
        std::memcpy(p + pos, name.constData(), size_t(name.size()));
        p[pos + 11] = f.type;
        // FoxPro keeps the field's offset here; dBase III leaves it zero.
        if (version != 0x83)
            put32(p + pos + 12, quint32(f.offset));
        p[pos + 16] = char(f.length & 0xFF);
        p[pos + 17] = char(f.decimals);
        pos += kDescriptorSize;
    }
    p[pos] = kTerminator;
    return out;
}

void DbfHeader::patchCountAndDate(char *prefix, quint32 count, const QDate &date)
{
    const QDate d = date.isValid() ? date : QDate::currentDate();
    prefix[1] = char(qBound(0, d.year() - 1900, 255));
    prefix[2] = char(d.month());
    prefix[3] = char(d.day());
    put32(prefix + 4, count);
}

bool DbfHeader::hasMemoFields() const
{
    for (const DbfField &f : fields)
        if (f.isMemo())
            return true;
    return false;
}

} // namespace dbf
