// Turns the stored bytes of one ACT! field of a dBase record into the text the database object hands
// out: texts without trailing blanks, IDs at their full width, numbers with "." as decimal point,
// dates as "dd.MM.yyyy" (with " hh:mm:ss" where the field keeps a time), memos in full.
#pragma once

#include "ActSchema.h"
#include "dbf/Cp1252.h"
#include "dbf/DbfRecord.h"

#include <QString>

namespace dbf {
class DbfTable;
} // namespace dbf

namespace actserver {

class ActFieldReader
{
public:
    // One field of the schema bound to the columns of one table file.
    struct Binding
    {
        const ActFieldDef *def = nullptr;
        int column = -1;     // -1: no column stores the field; it reads as ""
        int timeColumn = -1; // -1: the date carries no time
        char columnType = 'C';
        bool fullWidth = false; // a text kept with its trailing blanks (IDs)
    };

    // Binds the schema's fields to the columns of table; available[i] tells whether field i of
    // def has its column in the file (virtual fields always do).
    static QList<Binding> bind(const ActTableDef &def, const dbf::DbfTable &table, QList<bool> *available);

    // Writes the field's text into out, reusing its capacity. False when the stored bytes are
    // not a valid value of the column (out is then empty).
    static bool read(const dbf::DbfTable &table, const dbf::DbfRecord &record, const Binding &binding, QString &out)
    {
        // Most fields are texts, read for every record: they take the short way.
        if (binding.columnType != 'C' || binding.column < 0)
            return readOther(table, record, binding, out);
        const QByteArrayView raw = record.raw(binding.column);
        if (binding.fullWidth)
            dbf::Cp1252::decode(raw.data(), int(raw.size()), out);
        else
            dbf::Cp1252::decodePadded(raw.data(), int(raw.size()), out);
        return true;
    }

private:
    static bool readOther(const dbf::DbfTable &table, const dbf::DbfRecord &record, const Binding &binding,
                          QString &out);
};

} // namespace actserver
