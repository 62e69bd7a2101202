// Windows-1252 tables; the five unassigned bytes map to the C1 control of the same number, as Windows does.
#include "Cp1252.h"

namespace dbf {

namespace {

constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

struct Table
{
    char16_t chars[256];
    constexpr Table() : chars()
    {
        for (int i = 0; i < 256; ++i)
            chars[i] = (i >= 0x80 && i < 0xA0) ? kHigh[i - 0x80] : char16_t(i);
    }
};

constexpr Table kTable;

} // namespace

const char16_t *const Cp1252::s_table = kTable.chars;

void Cp1252::decode(const char *bytes, int len, QString &out)
{
    out.resize(len);
    QChar *dst = out.data();
    for (int i = 0; i < len; ++i)
        dst[i] = QChar(s_table[static_cast<unsigned char>(bytes[i])]);
}

QString Cp1252::decode(const char *bytes, int len)
{
    QString out;
    decode(bytes, len, out);
    return out;
}

int Cp1252::byteOf(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == ch)
            return 0x80 + i;
    return -1;
}

QByteArray Cp1252::encode(QStringView text, bool *lossless)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    bool all = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteOf(text[i].unicode());
        if (b < 0)
            all = false;
        out[i] = char(b < 0 ? '?' : b);
    }
    if (lossless)
        *lossless = all;
    return out;
}

} // namespace dbf
