// Conversion between Windows-1252 bytes, in which dBase text is stored, and Unicode.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace dbf {

class Cp1252
{
public:
    // Decodes len bytes into out, reusing out's capacity (no allocation when it suffices).
    static void decode(const char *bytes, int len, QString &out);
    static QString decode(const char *bytes, int len);
    static QString decode(const QByteArray &bytes) { return decode(bytes.constData(), int(bytes.size())); }
    // Decodes len bytes of a text column into out without the blanks and zero bytes that pad them at
    // the end, reusing out's capacity.
    static void decodePadded(const char *bytes, int len, QString &out);
    // Characters that Windows-1252 lacks become '?'; *lossless (if given) tells whether any did.
    static QByteArray encode(QStringView text, bool *lossless = nullptr);
    // The byte of one character, or -1 when Windows-1252 has no such character.
    static int byteOf(char16_t ch);
    static char16_t charOf(unsigned char byte) { return s_table[byte]; }

private:
    static const char16_t *const s_table;
};

} // namespace dbf
