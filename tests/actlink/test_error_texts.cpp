// Texts of the ACT! database error codes, names exactly as ACT! writes them.
#include "actlink/ACTOLEErrorText.h"

#include <gtest/gtest.h>

using actlink::ACTOLEErrorText;

namespace {

struct Row
{
    long code;
    const char *name;
};

// The whole table, written out once more from the list of codes.
const Row kTable[] = {
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

TEST(ActOleErrorText, EveryCodeOfTheTableHasItsName)
{
    for (const Row &row : kTable)
        EXPECT_EQ(ACTOLEErrorText(row.code), QStringLiteral("ACT!-OLE-Database Error: ") + QLatin1String(row.name))
            << row.code;
}

TEST(ActOleErrorText, EveryOtherCodeIsUnkownWithoutPrefix)
{
    int named = 0;
    for (long code = -2100; code <= 100; ++code) {
        const QString text = ACTOLEErrorText(code);
        if (text == QLatin1String("Unkown"))
            continue;
        ++named;
        EXPECT_TRUE(text.startsWith(QLatin1String("ACT!-OLE-Database Error: "))) << code;
    }
    EXPECT_EQ(named, static_cast<int>(std::size(kTable)));
    EXPECT_EQ(ACTOLEErrorText(-81), QStringLiteral("Unkown"));
    EXPECT_EQ(ACTOLEErrorText(9), QStringLiteral("Unkown"));
    EXPECT_EQ(ACTOLEErrorText(-2147467259L), QStringLiteral("Unkown"));
}

TEST(ActOleErrorText, CapitalisationIsKeptAsActWritesIt)
{
    EXPECT_EQ(ACTOLEErrorText(-91), QStringLiteral("ACT!-OLE-Database Error: DBSchemaCorrupt"));
    EXPECT_EQ(ACTOLEErrorText(-5), QStringLiteral("ACT!-OLE-Database Error: OutofDiskSpace"));
    EXPECT_EQ(ACTOLEErrorText(-3), QStringLiteral("ACT!-OLE-Database Error: OutofMemory"));
    EXPECT_EQ(ACTOLEErrorText(-104), QStringLiteral("ACT!-OLE-Database Error: OutOfRange"));
}
