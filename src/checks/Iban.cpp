#include "checks/Iban.h"

namespace Iban {

QString checkDigits(QStringView text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c == u' ')
            continue;
        s.append((c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c);
    }
    const qsizetype word = s.indexOf(QLatin1StringView("IBAN"));
    if (word >= 0)
        s.remove(word, 4);
    s = s.sliced(qMin<qsizetype>(4, s.size())) + s.first(qMin<qsizetype>(4, s.size()));

    QString digits;
    digits.reserve(2 * s.size());
    for (QChar c : s) {
        if (c >= u'A' && c <= u'Z')
            digits.append(QString::number(c.unicode() - u'A' + 10));
        else
            digits.append(c);
    }
    return digits;
}

int remainder97(QStringView digits)
{
    if (digits.isEmpty())
        return 0;
    // One digit at a time gives the same remainder as any split into pieces.
    int remainder = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return 0;
        remainder = (remainder * 10 + (c.unicode() - u'0')) % 97;
    }
    return remainder;
}

bool passes(QStringView text) { return remainder97(checkDigits(text)) == 1; }

} // namespace Iban
