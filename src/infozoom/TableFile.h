// The table file format (extension "fox"): our own versioned binary format that keeps the attribute
// tree with names, import names, formats and modes, the rows with their values, marked values and
// marked rows. Zoom history, selection and sort order are view state and are not stored.
//
// Layout (little-endian): the 8-byte magic "\x89DLXTAB\n", major and minor version (u16 each), the
// payload length (u64), the payload, and the CRC-32 of the payload. A file with another magic, a
// newer major version, a wrong length or checksum, or a payload that does not decode completely is
// refused as a whole: loading changes nothing then.
#pragma once

#include <QByteArray>
#include <QString>

class TableData;

class TableFile
{
public:
    static constexpr quint16 MajorVersion = 1;
    static constexpr quint16 MinorVersion = 0;
    // More rows than this are taken for damage, not for a table.
    static constexpr quint32 MaxRows = 50'000'000;

    // The whole file content for a table (deleted rows and unused values are left out).
    static QByteArray encode(TableData &table);
    // Decodes file content into `fresh` (an empty table). False, with a German reason, when the
    // content is foreign, newer or damaged; `fresh` may then hold part of the content.
    static bool decode(const QByteArray &bytes, TableData &fresh, QString *reason);
    // Wraps a payload in magic, version, length and checksum (tests and the fuzz target use it).
    static QByteArray envelope(const QByteArray &payload, quint16 major = MajorVersion);

    // Writes through a temporary file in the same folder, every byte checked and flushed to the disk,
    // that replaces the old file only when complete. Raises error 75 with a German description on
    // failure; the old file is then kept.
    static void save(TableData &table, const QString &path);
    // Loads a file into the table, replacing its content; on any failure raises error 53 (missing
    // file), 75 (unreadable) or 321 (foreign, newer or damaged file) and leaves the table as it was.
    static void load(TableData &table, const QString &path);
};
