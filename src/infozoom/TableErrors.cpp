// The errors the table component raises.
#include "TableErrors.h"

#include "platform/VbError.h"

namespace TableErrors {

void raise(Number number, const QString &description)
{
    throw platform::VbError(number, description, QStringLiteral("InfoZoomTable"));
}

void raiseOutOfRange(long index, long count)
{
    if (count == 0)
        raise(OutOfRange, QStringLiteral("Der Index %1 ist ungültig: die Liste ist leer.").arg(index));
    raise(OutOfRange,
          QStringLiteral("Der Index %1 liegt außerhalb des gültigen Bereichs (0 bis %2).").arg(index).arg(count - 1));
}

void raiseAttributeGone()
{
    raise(ObjectGone, QStringLiteral("Das Attribut gehört nicht mehr zur Tabelle."));
}

void raiseObjectGone()
{
    raise(ObjectGone, QStringLiteral("Das Objekt gehört nicht mehr zur Tabelle."));
}

} // namespace TableErrors
