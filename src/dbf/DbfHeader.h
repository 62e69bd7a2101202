// The table header of a dBase file: version, date, counts, code page and field descriptors;
// parsed with every bound checked, and serialised for new files.
#pragma once

#include "DbfField.h"

#include <QByteArray>
#include <QDate>

namespace dbf {

struct DbfHeader
{
    static constexpr int kPrefixSize = 32;
    static constexpr int kDescriptorSize = 32;
    static constexpr char kTerminator = 0x0D;
    static constexpr char kEndOfFile = 0x1A;
    // Code page byte (language driver id) for Windows-1252.
    static constexpr quint8 kCodePageAnsi = 0x03;

    quint8 version = 0x03;
    QDate lastUpdate;
    quint32 recordCount = 0;
    quint16 headerLength = 0;
    quint16 recordLength = 0;
    quint8 tableFlags = 0;
    quint8 codePage = kCodePageAnsi;
    DbfFieldList fields;

    // The header length stored in the first 32 bytes (bytes 8-9), or -1 when fewer than 32 bytes are given.
    static int storedHeaderLength(const char *bytes, qint64 len);
    // Parses the header from bytes (the first min(fileSize, header length) bytes of the file) and
    // checks it against the file size. Throws DbfError (Damaged) naming file and fault.
    static DbfHeader parse(const QByteArray &bytes, qint64 fileSize, const QString &file);

    // A header for a new table: offsets, lengths and version set from the fields.
    // dBaseIII selects the dBase III memo version byte (0x83), else FoxPro 2.x (0xF5).
    static DbfHeader forFields(const DbfFieldList &fields, bool dBaseIII);
    // The whole header, terminator included, exactly headerLength bytes.
    QByteArray serialize() const;
    // Writes record count and date into the first 32 bytes of a header.
    static void patchCountAndDate(char *prefix, quint32 count, const QDate &date);

    bool hasMemoFields() const;
    qint64 dataOffset() const { return headerLength; }
    qint64 recordOffset(qint64 index) const { return qint64(headerLength) + index * recordLength; }
};

} // namespace dbf
