// Masking of the password items of a connection string.
#include "ConnectionStringMask.h"

namespace records {

namespace {

// Where a braced value that opens at open ends: its closing brace ("}}" inside stands for one
// brace), or the end of the text when it is never closed.
qsizetype braceEnd(const QString &text, qsizetype open)
{
    qsizetype i = open + 1;
    while (i < text.size()) {
        if (text.at(i) == u'}') {
            if (i + 1 < text.size() && text.at(i + 1) == u'}')
                i += 2;
            else
                return i;
        } else {
            ++i;
        }
    }
    return text.size();
}

QString maskItem(const QString &text, const QString &key)
{
    const qsizetype p = text.indexOf(key, 0, Qt::CaseInsensitive);
    if (p < 0)
        return text;
    const qsizetype valueStart = p + key.size();
    qsizetype searchFrom = valueStart;
    if (valueStart < text.size() && text.at(valueStart) == u'{')
        searchFrom = braceEnd(text, valueStart);
    const qsizetype semicolon = text.indexOf(u';', searchFrom);
    QString shown = text.left(valueStart) + QStringLiteral("*****");
    if (semicolon >= 0)
        shown += text.mid(semicolon);
    return shown;
}

} // namespace

QString MaskedConnectionString(const QString &connectionString)
{
    return maskItem(maskItem(connectionString, QStringLiteral("password=")), QStringLiteral("pwd="));
}

} // namespace records
