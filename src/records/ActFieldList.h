// What the record classes of ACT! data share around their fields: the FieldTypeCode of an ACT!
// field type, the ticking of the fields a table already holds, the ticked fields taken back from the
// dialog, and the user names by unique ID.
#pragma once

#include "infozoom/InfoZoomAttributes.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace actserver {
class ACTDatabaseObject;
}

namespace records {

class frmFelder;

// The FieldTypeCode of an ACT! field type; -1 for a type the program does not support.
int FieldTypeCodeOfActType(int type);

// Ticks every list item whose key equals the import name of an attribute of level, searching
// folders through their entries, so the dialog shows as chosen exactly the fields the table holds.
void CheckExistingFields(frmFelder &dialog, const InfoZoomAttributes &level);

// Appends the fields ticked in the dialog to the field arrays; a field of an unsupported type has
// no code and cannot become a column, so it is left out.
void AppendCheckedFields(const frmFelder &dialog, QStringList &labels, QVector<qint16> &ids, QVector<int> &types);

// The names of the database's users by their unique IDs.
QHash<QString, QString> UserNamesByID(actserver::ACTDatabaseObject &database);

} // namespace records
