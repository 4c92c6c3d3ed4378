#include "storage/Cp1252.h"

#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
// Unicode code points of bytes 0x80-0x9F; 0 where the code page has a hole.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The character of every byte: Latin-1, with the table above for 0x80-0x9F
// (the five holes decode to themselves). Archives are decoded field by
// field, so this runs for every byte a scan shows.
constexpr std::array<char16_t, 256> kDecode = [] {
    std::array<char16_t, 256> t{};
    for (int b = 0; b < 256; ++b)
        t[size_t(b)] = char16_t(b);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0)
            t[size_t(0x80 + i)] = kHigh[i];
    return t;
}();

} // namespace

namespace Cp1252 {

int byteOf(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    // The five unassigned bytes decode to themselves, so they must encode back.
    if (u >= 0x80 && u < 0xA0 && kHigh[u - 0x80] == 0)
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == u)
            return 0x80 + i;
    return -1;
}

QByteArray encode(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char *dst = out.data();
    for (QChar c : text) {
        const int b = byteOf(c.unicode());
        *dst++ = b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

QChar *decodeInto(QChar *dst, const char *data, qsizetype length)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time while none of them is in 0x80-0x9F: there the
    // code page is Latin-1, so each byte widens to its character as it is.
    const __m128i zero = _mm_setzero_si128();
    const __m128i c1Start = _mm_set1_epi8(static_cast<char>(0x80));
    const __m128i c1Last = _mm_set1_epi8(0x1F);
    for (; i + 16 <= length; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        const __m128i fromC1 = _mm_sub_epi8(bytes, c1Start);
        const __m128i inC1 = _mm_cmpeq_epi8(_mm_min_epu8(fromC1, c1Last), fromC1);
        if (_mm_movemask_epi8(inC1) != 0)
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i), _mm_unpacklo_epi8(bytes, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i + 8), _mm_unpackhi_epi8(bytes, zero));
    }
#endif
    for (; i < length; ++i)
        dst[i] = QChar(kDecode[static_cast<unsigned char>(data[i])]);
    return dst + length;
}

QString decode(const char *data, qsizetype length)
{
    QString out(qMax<qsizetype>(length, 0), Qt::Uninitialized);
    decodeInto(out.data(), data, length);
    return out;
}

bool canEncode(QChar c) { return byteOf(c.unicode()) >= 0; }

} // namespace Cp1252
