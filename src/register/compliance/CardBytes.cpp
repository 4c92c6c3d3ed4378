#include "register/compliance/CardBytes.h"
#include "storage/DateDigits.h"

namespace CardBytes {

const char *name(Field field) { return RegisterRecord::kFields[field].name; }

std::optional<qint64> day(QByteArrayView text)
{
    // The same reading as the date text of the windows, on the stored bytes.
    const QDate date = DateDigits::parse(text);
    if (!date.isValid())
        return std::nullopt;
    return date.toJulianDay();
}

bool isTime(QByteArrayView text)
{
    const qsizetype colon = text.indexOf(':');
    if (colon < 1 || colon > 2 || text.size() - colon - 1 != 2)
        return false;
    int hours = 0;
    int minutes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == colon)
            continue;
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        int &target = i < colon ? hours : minutes;
        target = target * 10 + (c - '0');
    }
    return hours < 24 && minutes < 60;
}

std::optional<qint64> cents(QByteArrayView text)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == '-';
    if (negative)
        ++i;
    qint64 whole = 0;
    int digits = 0;
    for (; i < text.size() && text[i] != ','; ++i) {
        if (text[i] < '0' || text[i] > '9' || ++digits > 15)
            return std::nullopt;
        whole = whole * 10 + (text[i] - '0');
    }
    qint64 fraction = 0;
    int decimals = 0;
    if (i < text.size()) {
        for (++i; i < text.size(); ++i) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
            if (decimals < 2)
                fraction = fraction * 10 + (text[i] - '0');
            ++decimals;
            ++digits;
        }
        if (decimals == 1)
            fraction *= 10;
    }
    if (digits == 0)
        return std::nullopt;
    const qint64 value = whole * 100 + fraction;
    return negative ? -value : value;
}

bool containsFolded(QByteArrayView text, QByteArrayView lowerWord)
{
    if (lowerWord.isEmpty() || text.size() < lowerWord.size())
        return false;
    for (qsizetype start = 0; start + lowerWord.size() <= text.size(); ++start) {
        qsizetype k = 0;
        while (k < lowerWord.size()) {
            char c = text[start + k];
            if (c >= 'A' && c <= 'Z')
                c = char(c - 'A' + 'a');
            if (c != lowerWord[k])
                break;
            ++k;
        }
        if (k == lowerWord.size())
            return true;
    }
    return false;
}

QByteArray folded(QByteArrayView text)
{
    QByteArray out(text.data(), text.size());
    for (char &c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

} // namespace CardBytes
