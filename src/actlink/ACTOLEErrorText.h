// Text of an error code of the ACT! database object, for the question asked when a record cannot be read.
#pragma once

#include <QString>

namespace actlink {

// "ACT!-OLE-Database Error: " and the code's name; "Unkown" (so written) for a code without a name.
QString ACTOLEErrorText(long code);

} // namespace actlink
