// The DAO error numbers and German descriptions this engine raises, as platform::VbError.
#pragma once

#include "platform/VbError.h"

#include <QString>

namespace dao {

enum DaoErrorNumber : long {
    ErrNoCurrentRecord = 3021,
    ErrFileNotFound = 3024,
    ErrInvalidPath = 3044,
    ErrCannotOpenFile = 3051,
    ErrTooFewParameters = 3061,
    ErrSyntaxInQuery = 3075,
    ErrTableNotFound = 3078,
    ErrCharactersAfterEnd = 3142,
    ErrIsamNotFound = 3170,
    ErrFieldDefinedTwice = 3191,
    ErrInvalidOperation = 3219,
    ErrItemNotFound = 3265,
    ErrObjectInvalid = 3420,
    ErrReserved = 3000,
};

[[noreturn]] void raise(long number, const QString &description);

// The error for a failed SQLite call, mapped to the DAO number a user of the FoxPro ISAM would see.
[[noreturn]] void raiseSqlite(const QString &sqliteMessage, const QString &sql);

} // namespace dao
