// One column of a dBase table: its name, type letter, width and decimals, and where it sits in a record.
#pragma once

#include <QList>
#include <QString>

namespace dbf {

struct DbfField
{
    // The type letters this layer reads and writes; any other letter is read as raw bytes.
    static constexpr char Character = 'C';
    static constexpr char Numeric = 'N';
    static constexpr char Float = 'F';
    static constexpr char Date = 'D';
    static constexpr char Logical = 'L';
    static constexpr char Memo = 'M';
    static constexpr char Integer = 'I'; // FoxPro 4-byte little-endian whole number

    QString name;   // as stored (at most 10 characters), compared case-insensitively
    char type = Character;
    int length = 0; // bytes in the record
    int decimals = 0;
    int offset = 0; // from the start of the record, the deletion flag being byte 0

    static DbfField character(const QString &name, int length) { return {name, Character, length, 0, 0}; }
    static DbfField numeric(const QString &name, int length, int decimals = 0)
    {
        return {name, Numeric, length, decimals, 0};
    }
    static DbfField date(const QString &name) { return {name, Date, 8, 0, 0}; }
    static DbfField logical(const QString &name) { return {name, Logical, 1, 0, 0}; }
    // Memo pointers: 10 ASCII digits, as FoxPro 2.x and dBase III keep them.
    static DbfField memo(const QString &name) { return {name, Memo, 10, 0, 0}; }
    static DbfField integer(const QString &name) { return {name, Integer, 4, 0, 0}; }

    bool isMemo() const { return type == Memo; }
    // An empty text when the definition is valid, else what is wrong with it (German).
    QString validate() const;
};

using DbfFieldList = QList<DbfField>;

// Index of the field with this name (case-insensitive), -1 when there is none.
int indexOfField(const DbfFieldList &fields, QStringView name);

} // namespace dbf
