// Builds the dBase columns of one ACT! table from its schema and fills one record's values by
// ACT! field id, for writing the demo database.
#pragma once

#include "ActSchema.h"

#include <QDateTime>
#include <QHash>
#include <QVariantList>

#include "dbf/DbfField.h"

namespace actserver {

class ActDemoRow
{
public:
    explicit ActDemoRow(ActTableKind kind);

    // The dBase columns of the table, time columns beside their dates.
    const dbf::DbfFieldList &columns() const { return m_columns; }

    // Starts a new record with every column blank.
    void clear();
    void set(qint16 fieldId, const QVariant &value);
    // A date field that carries a time: the date and "hh:mm:ss".
    void setDateTime(qint16 fieldId, const QDateTime &when);
    // The relation table's columns, by name.
    void setColumn(const char *column, const QVariant &value);
    const QVariantList &values() const { return m_values; }

private:
    dbf::DbfFieldList m_columns;
    QHash<qint16, int> m_columnOfField;
    QHash<qint16, int> m_timeColumnOfField;
    QVariantList m_values;
};

} // namespace actserver
