// The value of a decimal or numeric column that is no whole number, kept as the exact digits the
// driver sent, so that no binary floating point rounds it before it is shown.
#pragma once

#include <QMetaType>
#include <QString>

namespace ado {

struct ExactDecimal
{
    // Plain decimal notation with "." as the point: "-988389114.685", "0.015".
    QString text;

    // True for a text in that notation (an optional sign, digits, at most one point, no exponent).
    static bool isPlainDecimal(QLatin1String text);
    // Lets a QVariant holding one convert to double and QString like a number does. Idempotent.
    static void registerConversions();
};

} // namespace ado

Q_DECLARE_METATYPE(ado::ExactDecimal)
