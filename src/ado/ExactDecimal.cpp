// Exact decimal values of decimal and numeric columns.
#include "ado/ExactDecimal.h"

namespace ado {

bool ExactDecimal::isPlainDecimal(QLatin1String text)
{
    qsizetype i = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')) ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text.at(i).toLatin1();
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

void ExactDecimal::registerConversions()
{
    static const bool registered = [] {
        QMetaType::registerConverter<ExactDecimal, double>([](const ExactDecimal &d) { return d.text.toDouble(); });
        QMetaType::registerConverter<ExactDecimal, QString>([](const ExactDecimal &d) { return d.text; });
        return true;
    }();
    Q_UNUSED(registered);
}

} // namespace ado
