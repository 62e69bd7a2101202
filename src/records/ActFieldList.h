// What the contacts and the groups share in filling the field dialog: the FieldTypeCode of an ACT!
// field type and the ticking of the fields a table already holds.
#pragma once

#include "records/infozoom/InfoZoomAttributes.h"

namespace records {

class frmFelder;

// The FieldTypeCode of an ACT! field type; -1 for a type the program does not support.
int FieldTypeCodeOfActType(int type);

// Ticks every list item whose key equals the import name of an attribute of level, searching
// folders through their entries, so the dialog shows as chosen exactly the fields the table holds.
void CheckExistingFields(frmFelder &dialog, const InfoZoomAttributes &level);

} // namespace records
