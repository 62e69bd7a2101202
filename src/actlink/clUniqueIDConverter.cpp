// Converts ACT! unique IDs to typed HexIDs and back.
#include "clUniqueIDConverter.h"

#include "Windows1252.h"
#include "platform/VbError.h"

#include <algorithm>

namespace actlink {

namespace {

const char kDigits[] = "0123456789ABCDEF";

const long kErrInvalidArgument = 5;
const long kErrOutOfRange = 9;

} // namespace

clUniqueIDConverter::clUniqueIDConverter()
{
    m_digitValue.fill(-1);
    for (int d = 0; d < 16; ++d) {
        m_digitValue[static_cast<unsigned char>(kDigits[d])] = static_cast<signed char>(d);
        m_digitValue[static_cast<unsigned char>(QChar::toLower(kDigits[d]))] = static_cast<signed char>(d);
    }
}

QString clUniqueIDConverter::ToHexID(const QString &sUniqueID, const QString &sIDTyp) const
{
    // Written in place: a read of many thousand records converts every ID.
    QString result(sIDTyp.size() + 2 * kIdLength, Qt::Uninitialized);
    QChar *out = std::copy(sIDTyp.cbegin(), sIDTyp.cend(), result.data());
    for (int i = 0; i < kIdLength; ++i) {
        const QChar ch = i < sUniqueID.size() ? sUniqueID.at(i) : QChar(u' ');
        unsigned char code = 0;
        if (!Windows1252::fromUnicode(ch, &code))
            throw platform::VbError(kErrOutOfRange, QStringLiteral("Index außerhalb des gültigen Bereichs"),
                                    QStringLiteral("clUniqueIDConverter.ToHexID"));
        *out++ = QLatin1Char(kDigits[code / 16]);
        *out++ = QLatin1Char(kDigits[code % 16]);
    }
    return result;
}

QString clUniqueIDConverter::ToUniqueID(const QString &sHex) const
{
    if (sHex.size() != kHexIdLength)
        return QString();
    QString id(kIdLength, Qt::Uninitialized);
    for (int i = 0; i < kIdLength; ++i) {
        const int value = pairValue(sHex.at(2 * i + 2), sHex.at(2 * i + 3));
        if (value < 0)
            throw platform::VbError(kErrInvalidArgument,
                                    QStringLiteral("Unzulässiger Prozeduraufruf oder ungültiges Argument"),
                                    QStringLiteral("clUniqueIDConverter.ToUniqueID"));
        id[i] = Windows1252::toUnicode(static_cast<unsigned char>(value));
    }
    return id;
}

QString clUniqueIDConverter::GetIDTyp(const QString &sHex) const
{
    return sHex.left(2);
}

int clUniqueIDConverter::pairValue(QChar high, QChar low) const
{
    if (high.unicode() >= 128 || low.unicode() >= 128)
        return -1;
    const int h = m_digitValue[high.unicode()];
    const int l = m_digitValue[low.unicode()];
    if (h < 0 || l < 0)
        return -1;
    return h * 16 + l;
}

} // namespace actlink
