#include "storage/Cp1252.h"

namespace {
// Unicode code points of bytes 0x80-0x9F; 0 where the code page has a hole.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteFor(char16_t u)
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
} // namespace

namespace Cp1252 {

QByteArray encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = byteFor(c.unicode());
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

QString decode(const char *data, qsizetype length)
{
    QString out(length, Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        char16_t u = b;
        if (b >= 0x80 && b < 0xA0)
            u = kHigh[b - 0x80] ? kHigh[b - 0x80] : b;
        dst[i] = QChar(u);
    }
    return out;
}

bool canEncode(QChar c) { return byteFor(c.unicode()) >= 0; }

} // namespace Cp1252
