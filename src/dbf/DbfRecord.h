// A view of one record of an open table: raw field bytes without copying, and decoded values.
// Valid until the table is asked for a record outside its current read buffer, refreshed, or closed.
#pragma once

#include "DbfField.h"

#include <QByteArrayView>
#include <QString>
#include <QVariant>

namespace dbf {

class DbfTable;

class DbfRecord
{
public:
    DbfRecord(const DbfTable *table, const DbfFieldList &fields, const char *data, qint64 index)
        : m_table(table), m_fields(fields.constData()), m_fieldCount(int(fields.size())), m_data(data), m_index(index)
    {
    }

    qint64 index() const { return m_index; }
    bool isDeleted() const { return m_data[0] == '*'; }
    // The record's bytes, the deletion flag first.
    QByteArrayView bytes() const;
    // The field's bytes as stored (memo fields: the pointer).
    QByteArrayView raw(int field) const
    {
        const DbfField &f = fieldAt(field);
        return QByteArrayView(m_data + f.offset, f.length);
    }
    // True when the field holds only blanks (or, for binary fields, zeros).
    bool isBlank(int field) const;

    // The decoded value: C -> QString at full width; N, F -> qlonglong (no decimals) or double;
    // D -> QDate; L -> bool; M -> QString (memo text); I -> int; other types -> QByteArray.
    // An empty number, date, logical or memo is a null QVariant.
    // Throws DbfError for a number or date that is not one, and for a memo that cannot be read.
    QVariant value(int field) const;
    QVariant value(QStringView fieldName) const;
    // Character fields decoded into out without allocating when out has the capacity;
    // other fields give value().toString().
    void text(int field, QString &out) const;
    QString text(int field) const;
    // The memo block a memo field points to, 0 when none.
    quint32 memoBlock(int field) const;

private:
    // Called for every field of every record read, so the check stays inline and only the throw is not.
    const DbfField &fieldAt(int field) const
    {
        if (field < 0 || field >= m_fieldCount)
            noSuchField(field);
        return m_fields[field];
    }
    [[noreturn]] void noSuchField(int field) const;
    [[noreturn]] void badValue(int field, const QString &what) const;
    QVariant number(int field, const DbfField &f) const;
    QVariant date(int field, const DbfField &f) const;
    QVariant logical(int field, const DbfField &f) const;

    const DbfTable *m_table;
    const DbfField *m_fields; // the table's, which stay while the record is valid
    int m_fieldCount;
    const char *m_data;
    qint64 m_index;
};

} // namespace dbf
