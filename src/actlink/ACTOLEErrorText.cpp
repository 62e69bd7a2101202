// Text of an error code of the ACT! database object.
#include "ACTOLEErrorText.h"

#include <algorithm>
#include <iterator>

namespace actlink {

namespace {

struct CodeName
{
    long code;
    const char *name;
};

// Sorted by code. The names are those ACT! uses, capitalisation included ("OutofMemory", "OutOfRange").
const CodeName kNames[] = {
    {-2000, "Obsolete"},
    {-1999, "InvalidParameter"},
    {-1500, "SecurityLocked"},
    {-1499, "SecurityEditFailed"},
    {-1000, "CantDeleteUser"},
    {-750, "CantEdit"},
    {-500, "DataLocked"},
    {-499, "DataNotLocked"},
    {-498, "DataEditNow"},
    {-497, "DataUninitialized"},
    {-496, "ListUninitialized"},
    {-495, "DataDeleted"},
    {-494, "DataChanged"},
    {-493, "CantLockData"},
    {-109, "ExceedLimit"},
    {-108, "DBAccessDenied"},
    {-107, "CantEditData"},
    {-106, "InvalidFieldType"},
    {-105, "InvalidSortField"},
    {-104, "OutOfRange"},
    {-103, "InvalidBufIndex"},
    {-102, "DataBeingEdited"},
    {-101, "CantDeleteField"},
    {-100, "InvalidSchemaInfo"},
    {-99, "InvalidFieldName"},
    {-98, "InvalidField"},
    {-97, "CantEditAttr"},
    {-96, "ExceedsMaxLength"},
    {-95, "CantEditSchema"},
    {-94, "DupeFieldName"},
    {-93, "CantEditSecurity"},
    {-92, "InvalidId"},
    {-91, "DBSchemaCorrupt"},
    {-90, "DBDataCorrupt"},
    {-89, "DBIndexCorrupt"},
    {-88, "DBCreateFailed"},
    {-87, "DBOpenFailed"},
    {-86, "DBLockFailed"},
    {-82, "IOFailed"},
    {-80, "CreateFailed"},
    {-79, "OpenFailed"},
    {-78, "DBInvalidVersion"},
    {-77, "Duplicate"},
    {-76, "InvalidPrivilege"},
    {-75, "SharingViolation"},
    {-50, "InvalidFilename"},
    {-10, "DBLocked"},
    {-9, "DBOpen"},
    {-8, "DBAlreadyOpen"},
    {-7, "DBNotOpen"},
    {-6, "FatalError"},
    {-5, "OutofDiskSpace"},
    {-4, "Unimplemented"},
    {-3, "OutofMemory"},
    {-2, "Unsupported"},
    {-1, "GeneralError"},
    {0, "Success"},
    {1, "Supported"},
    {2, "NoMoreData"},
    {3, "NoData"},
    {4, "NoCount"},
    {5, "PartialCount"},
    {6, "NoPosition"},
    {7, "PartialPosition"},
    {8, "Cancel"},
};

} // namespace

QString ACTOLEErrorText(long code)
{
    const auto it = std::lower_bound(std::begin(kNames), std::end(kNames), code,
                                     [](const CodeName &entry, long c) { return entry.code < c; });
    if (it == std::end(kNames) || it->code != code)
        return QStringLiteral("Unkown");
    return QStringLiteral("ACT!-OLE-Database Error: ") + QLatin1String(it->name);
}

} // namespace actlink
