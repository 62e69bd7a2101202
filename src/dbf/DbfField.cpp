// Rules for valid field definitions.
#include "DbfField.h"

namespace dbf {

QString DbfField::validate() const
{
    if (name.isEmpty() || name.size() > 10)
        return QStringLiteral("der Feldname \"%1\" muss 1 bis 10 Zeichen lang sein").arg(name);
    for (QChar c : name)
        if (c.unicode() > 0x7F || !(c.isLetterOrNumber() || c == u'_'))
            return QStringLiteral("der Feldname \"%1\" enthält unzulässige Zeichen").arg(name);
    const bool ok = [this] {
        switch (type) {
        case Character:
            return length >= 1 && length <= 254 && decimals == 0;
        case Numeric:
        case Float:
            return length >= 1 && length <= 20 && decimals >= 0 && (decimals == 0 || decimals <= length - 2);
        case Date:
            return length == 8 && decimals == 0;
        case Logical:
            return length == 1 && decimals == 0;
        case Memo:
            return (length == 10 || length == 4) && decimals == 0;
        case Integer:
            return length == 4 && decimals == 0;
        default:
            return false;
        }
    }();
    if (!ok)
        return QStringLiteral("das Feld \"%1\" hat eine ungültige Definition (%2, Länge %3, %4 Dezimalstellen)")
            .arg(name, QString(QChar::fromLatin1(type)))
            .arg(length)
            .arg(decimals);
    return {};
}

int indexOfField(const DbfFieldList &fields, QStringView name)
{
    for (int i = 0; i < fields.size(); ++i)
        if (name.compare(fields[i].name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace dbf
