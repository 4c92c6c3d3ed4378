#include "storage/Cp1252.h"

#include <array>

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
    for (qsizetype i = 0; i < length; ++i)
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
