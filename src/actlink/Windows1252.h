// Windows-1252 ("ANSI") code of a character and back: the unique-ID converter works on these bytes.
#pragma once

#include <QChar>

namespace actlink {

class Windows1252
{
public:
    // The character of a byte. The five bytes that Windows-1252 leaves undefined (81, 8D, 8F, 90, 9D)
    // map to the control characters of the same number, as Windows itself does, so every byte
    // survives a round trip.
    static QChar toUnicode(unsigned char byte);
    // The byte of a character; false when the code page has no such character.
    static bool fromUnicode(QChar ch, unsigned char *byte);
};

} // namespace actlink
