// The errors the table component raises, as VB-style errors with German descriptions.
#pragma once

#include <QString>

namespace TableErrors {

// VB error numbers the component uses.
enum Number : long {
    InvalidCall = 5,
    OutOfRange = 9,
    TypeMismatch = 13,
    FileNotFound = 53,
    FileAccess = 75,
    ObjectGone = 91,
    BadFileFormat = 321,
    ValueAbsent = 380
};

[[noreturn]] void raise(Number number, const QString &description);
[[noreturn]] void raiseOutOfRange(long index, long count);
[[noreturn]] void raiseAttributeGone();
[[noreturn]] void raiseObjectGone();

} // namespace TableErrors
