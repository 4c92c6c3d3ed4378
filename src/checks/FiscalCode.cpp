#include "checks/FiscalCode.h"

#include <QString>
#include <array>

namespace {

// Both tables run over the codes "0".."Z"; colon to at sign weigh nothing.
constexpr int kTableSize = 'Z' - '0' + 1;

constexpr std::array<int, kTableSize> kOddValues = {
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21,                                  // 0-9
    0, 0, 0, 0, 0, 0, 0,                                                // : ; < = > ? @
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12,   // A-S
    14, 16, 10, 22, 25, 24, 23};                                        // T-Z

constexpr std::array<int, kTableSize> kEvenValues = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,                                       // 0-9
    0, 0, 0, 0, 0, 0, 0,                                                // : ; < = > ? @
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18,   // A-S
    19, 20, 21, 22, 23, 24, 25};                                        // T-Z

QChar upperAscii(QChar c) { return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c; }

} // namespace

namespace FiscalCode {

std::optional<QChar> checkCharacter(QStringView firstFifteen)
{
    int sum = 0;
    for (qsizetype i = 0; i < firstFifteen.size(); ++i) {
        const QChar c = upperAscii(firstFifteen[i]);
        if (c < u'0' || c > u'Z')
            return std::nullopt;
        const int index = c.unicode() - u'0';
        // Positions count from 1, so index 0 is an odd position.
        sum += (i % 2 == 0) ? kOddValues[index] : kEvenValues[index];
    }
    return QChar(u'A' + sum % 26);
}

bool isValid(QStringView code)
{
    if (code.size() != kLength)
        return false;
    const auto expected = checkCharacter(code.first(kLength - 1));
    return expected && upperAscii(code[kLength - 1]) == *expected;
}

} // namespace FiscalCode
