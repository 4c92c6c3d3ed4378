#include "checks/VatNumber.h"
#include "checks/VatOffices.h"

namespace {
bool allDigits(QStringView text)
{
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}
}

namespace VatNumber {

int checkDigit(QStringView firstTen)
{
    int sum = 0;
    for (qsizetype i = 0; i < firstTen.size(); ++i) {
        const int digit = firstTen[i].unicode() - u'0';
        if (i % 2 == 0) {
            sum += digit;
        } else {
            const int doubled = 2 * digit;
            sum += doubled / 10 + doubled % 10;
        }
    }
    return (10 - sum % 10) % 10;
}

bool isValid(QStringView number)
{
    return number.size() == kLength && allDigits(number)
        && number[kLength - 1].unicode() - u'0' == checkDigit(number.first(kLength - 1));
}

QString officeName(QStringView number)
{
    return number.size() == kLength ? VatOffices::name(number.sliced(7, 3)) : QString();
}

} // namespace VatNumber
