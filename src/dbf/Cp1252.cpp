// Windows-1252 tables; the five unassigned bytes map to the C1 control of the same number, as Windows does.
#include "Cp1252.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// Table reads run at a byte per step; most stored text is ASCII, which widens sixteen bytes at a time.
void Cp1252::decode(const char *bytes, int len, QString &out)
{
    if (out.size() != len)
        out.resize(len);
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    const auto *src = reinterpret_cast<const unsigned char *>(bytes);
    int i = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= len; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + i));
        if (_mm_movemask_epi8(v) != 0) {
            for (int j = i; j < i + 16; ++j)
                dst[j] = s_table[src[j]];
            continue;
        }
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i), _mm_unpacklo_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i + 8), _mm_unpackhi_epi8(v, zero));
    }
    // The rest of a text of sixteen bytes or more: its last sixteen, overlapping what is done.
    if (i < len && len >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + len - 16));
        if (_mm_movemask_epi8(v) == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + len - 16), _mm_unpacklo_epi8(v, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + len - 8), _mm_unpackhi_epi8(v, zero));
            i = len;
        }
    }
    // Of eight to fifteen bytes (IDs have twelve): the first eight and the last eight.
    if (i + 8 <= len) {
        const __m128i v = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(src + i));
        if (_mm_movemask_epi8(v) == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i), _mm_unpacklo_epi8(v, zero));
            i += 8;
            if (i < len) {
                const __m128i w = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(src + len - 8));
                if (_mm_movemask_epi8(w) == 0) {
                    _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + len - 8), _mm_unpacklo_epi8(w, zero));
                    i = len;
                }
            }
        }
    }
#endif
    for (; i < len; ++i)
        dst[i] = s_table[src[i]];
}

// Text columns are mostly padding; the padding is skipped sixteen bytes at a time where the processor can.
void Cp1252::decodePadded(const char *bytes, int len, QString &out)
{
    const char *end = bytes + len;
#ifdef __SSE2__
    const __m128i space = _mm_set1_epi8(' ');
    const __m128i zero = _mm_setzero_si128();
    while (end - bytes >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(end - 16));
        const int blank = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, space), _mm_cmpeq_epi8(v, zero)));
        if (blank != 0xFFFF) {
            end = end - 16 + (32 - __builtin_clz(unsigned(~blank & 0xFFFF)));
            break;
        }
        end -= 16;
    }
#endif
    while (end > bytes && (end[-1] == ' ' || end[-1] == '\0'))
        --end;
    decode(bytes, int(end - bytes), out);
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
