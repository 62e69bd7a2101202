// Windows-1252 table: bytes 0x80..0x9F differ from Latin-1, all others are the same code points.
#include "Windows1252.h"

#include <array>

namespace project::windows1252 {

namespace {

// 0x81, 0x8D, 0x8F, 0x90 and 0x9D are undefined in Windows-1252 and kept as their C1 code points.
constexpr std::array<char16_t, 32> kHighTable = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char toByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < kHighTable.size(); ++i)
        if (kHighTable[i] == c)
            return char(0x80 + i);
    return '?';
}

} // namespace

QString decode(const QByteArray &bytes)
{
    // Latin-1 widening is fast; only the rare bytes 0x80..0x9F need the table afterwards.
    QString text = QString::fromLatin1(bytes);
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.constData());
    QChar *out = nullptr;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (in[i] < 0x80 || in[i] >= 0xA0)
            continue;
        if (!out)
            out = text.data();
        out[i] = QChar(kHighTable[in[i] - 0x80]);
    }
    return text;
}

QByteArray encode(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = toByte(text.at(i).unicode());
    return bytes;
}

QString firstUnencodable(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (toByte(c.unicode()) != '?' || c == QLatin1Char('?'))
            continue;
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        return text.mid(i, pair ? 2 : 1);
    }
    return {};
}

} // namespace project::windows1252
