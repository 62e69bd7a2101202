// The fields of one ACT! table as its object model offers them: count, the id at a position, and
// label and type code of a field id.
#pragma once

#include "ActSchema.h"

namespace actserver {

class ACTFields
{
public:
    ACTFields() = default;
    // The fields of def whose columns exist in the table file (available[i] for def.fields[i]).
    ACTFields(const ActTableDef *def, const QList<bool> &available);

    int Count() const { return int(m_fields.size()); }
    // The id of the field at position i (0 to Count - 1); 0 outside.
    qint16 FieldIdAt(int i) const { return i >= 0 && i < m_fields.size() ? m_fields.at(i)->id : 0; }
    // "" for an id the table does not have.
    QString Label(qint16 id) const;
    // 0 for an id the table does not have.
    int Type(qint16 id) const;
    bool Contains(qint16 id) const { return find(id) != nullptr; }

private:
    const ActFieldDef *find(qint16 id) const;

    QList<const ActFieldDef *> m_fields;
};

} // namespace actserver
