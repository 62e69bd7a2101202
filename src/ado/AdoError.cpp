// Throws the errors of the ODBC layer with the layer's source name.
#include "ado/AdoError.h"

namespace ado {

void raise(long number, const QString &description)
{
    throw platform::VbError(number, description, QStringLiteral("ADODB"));
}

void raiseNoCurrentRecord()
{
    raise(kErrNoCurrentRecord, QStringLiteral("BOF oder EOF ist gleich True, oder der aktuelle Datensatz wurde "
                                              "gelöscht. Der angeforderte Vorgang benötigt einen aktuellen "
                                              "Datensatz."));
}

} // namespace ado
