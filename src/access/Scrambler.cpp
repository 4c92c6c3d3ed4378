#include "access/Scrambler.h"

#include <cstdint>
#include <stdexcept>

namespace {
// Fixed once: stored passwords depend on them.
constexpr uint16_t kStart = 24601;
constexpr uint16_t kMultiplier = 52845;
constexpr uint16_t kAddend = 22719;
constexpr int kMaxChars = 255;

uint16_t advance(uint16_t key, unsigned e)
{
    return static_cast<uint16_t>((e + key) * kMultiplier + kAddend);
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}
} // namespace

namespace Scrambler {

QString scramble(const QString &text)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    uint16_t key = kStart;
    const qsizetype n = qMin<qsizetype>(text.size(), kMaxChars);
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned b = text[i].unicode() & 0xFF;
        const unsigned e = (b ^ (key >> 8)) & 0xFF;
        out += QLatin1Char(digits[e >> 4]);
        out += QLatin1Char(digits[e & 15]);
        key = advance(key, e);
    }
    return out;
}

QString unscramble(const QString &stored)
{
    QString out;
    uint16_t key = kStart;
    const qsizetype n = qMin<qsizetype>(stored.size() / 2, kMaxChars);
    for (qsizetype i = 0; i < n; ++i) {
        const int hi = hexValue(stored[2 * i]);
        const int lo = hexValue(stored[2 * i + 1]);
        if (hi < 0 || lo < 0)
            throw std::invalid_argument("not hexadecimal");
        const unsigned e = unsigned(hi * 16 + lo);
        out += QChar(char16_t((e ^ (key >> 8)) & 0xFF));
        key = advance(key, e);
    }
    return out;
}

bool canKeep(const QString &text)
{
    if (text.size() > kMaxChars)
        return false;
    for (QChar c : text)
        if (c.unicode() > 255)
            return false;
    return true;
}

} // namespace Scrambler
