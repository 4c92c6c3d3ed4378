#include "checks/PaymentCard.h"

namespace {

QString digitsOf(QStringView text)
{
    QString digits;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits.append(c);
        if (digits.size() == PaymentCard::kDigitWindow)
            break;
    }
    return digits;
}

int valueOf(QChar digit) { return digit.unicode() - u'0'; }

struct TypeByPrefix
{
    const char16_t *prefixes;  // two-digit prefixes, one after another
    const char16_t *name;
};

// Numbers starting with 3 carry several types, told apart by the second digit.
constexpr TypeByPrefix kTypesOfThree[] = {
    {u"303638", u"Diner's Club / Carte Blanche"},
    {u"3437", u"American Express"},
    {u"313335", u"JCB"},
};

} // namespace

namespace PaymentCard {

int checkResult(QStringView text)
{
    const QString d = digitsOf(text);
    if (d.isEmpty())
        return 0;
    // Doubling starts from the second-to-last digit and goes every other one.
    int sum = 0;
    bool doubled = true;
    for (qsizetype i = d.size() - 2; i >= 0; --i, doubled = !doubled) {
        int value = valueOf(d[i]);
        if (doubled) {
            value *= 2;
            if (value > 9)
                value -= 9;
        }
        sum += value;
    }
    const int expected = (10 - sum % 10) % 10;
    return valueOf(d.back()) == expected ? valueOf(d.front()) - 2 : 0;
}

QString typeShown(QStringView text)
{
    const QString d = digitsOf(text);
    if (d.isEmpty())
        return {};
    switch (valueOf(d.front())) {
    case 4: return QStringLiteral("Visa");
    case 5: return QStringLiteral("MasterCard");
    case 6: return QStringLiteral("Discover");
    case 3:
        if (d.size() >= 2) {
            const QStringView prefix = QStringView(d).first(2);
            for (const TypeByPrefix &type : kTypesOfThree)
                for (QStringView p(type.prefixes); !p.isEmpty(); p = p.sliced(2))
                    if (p.first(2) == prefix)
                        return QString::fromUtf16(type.name);
        }
        return {};
    default: return {};
    }
}

} // namespace PaymentCard
