// The leading number of a text, read as VB's Val reads it.
#pragma once

#include <QString>

namespace project {

// Blanks, tabs and line feeds anywhere are ignored; then an optional sign, digits with "." as
// decimal separator (whatever the regional settings) and an exponent with E or D; "&H" and "&O"
// start hexadecimal and octal whole numbers. Reading stops at the first other character; a text
// without a leading number gives 0 ("8000,5" gives 8000).
double vbVal(const QString &text);

} // namespace project
