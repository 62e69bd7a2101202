// Looks up the fields of a recordset by position.
#include "ado/Fields.h"

#include "ado/AdoError.h"

namespace ado {

const Field &Fields::Item(int index) const
{
    if (index < 0 || index >= Count()) {
        raise(kErrItemNotFound, QStringLiteral("Das Objekt wurde in der Auflistung, die dem angeforderten Namen "
                                               "bzw. der angeforderten Ordinalzahl entspricht, nicht gefunden."));
    }
    return m_fields[size_t(index)];
}

} // namespace ado
