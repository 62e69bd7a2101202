// Converts ACT! unique IDs (12 characters, any Windows-1252 character) to the typed, printable HexID
// that the tables hold, and back.
#pragma once

#include <QString>
#include <array>

namespace actlink {

class clUniqueIDConverter
{
public:
    clUniqueIDConverter();

    // sIDTyp followed by two upper-case hex digits for the Windows-1252 code of each of the first
    // 12 characters of sUniqueID, which is filled up with blanks first when it is shorter.
    // Throws platform::VbError 9 for a character that Windows-1252 lacks.
    QString ToHexID(const QString &sUniqueID, const QString &sIDTyp) const;

    // The 12-character ACT! ID of a HexID (trailing blanks kept), or "" when sHex is not exactly
    // 26 characters long. Hex digits may be lower case; the type is not looked at.
    // Throws platform::VbError 5 for a pair that is not two hex digits.
    QString ToUniqueID(const QString &sHex) const;

    // The first two characters of sHex (fewer when it is shorter).
    QString GetIDTyp(const QString &sHex) const;

    static constexpr int kIdLength = 12;
    static constexpr int kHexIdLength = 2 + 2 * kIdLength;

private:
    int pairValue(QChar high, QChar low) const;

    std::array<signed char, 128> m_digitValue; // -1 for a character that is no hex digit
};

} // namespace actlink
