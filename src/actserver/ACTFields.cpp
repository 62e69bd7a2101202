// The fields of one ACT! table.
#include "ACTFields.h"

namespace actserver {

ACTFields::ACTFields(const ActTableDef *def, const QList<bool> &available)
{
    for (int i = 0; i < def->fields.size(); ++i)
        if (i < available.size() && available.at(i))
            m_fields.append(&def->fields.at(i));
}

QString ACTFields::Label(qint16 id) const
{
    const ActFieldDef *f = find(id);
    return f ? QString::fromUtf8(f->label) : QString();
}

int ACTFields::Type(qint16 id) const
{
    const ActFieldDef *f = find(id);
    return f ? f->type : 0;
}

const ActFieldDef *ACTFields::find(qint16 id) const
{
    for (const ActFieldDef *f : m_fields)
        if (f->id == id)
            return f;
    return nullptr;
}

} // namespace actserver
