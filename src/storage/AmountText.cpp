#include "storage/AmountText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace AmountText {

bool isDigitsOnly(QStringView text)
{
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString leftText(const QString &text, int count) { return text.left(qMax(0, count)); }

QString rightText(const QString &text, int count)
{
    return count >= text.size() ? text : text.right(qMax(0, count));
}

double roundHalfUp(double x, int decimals)
{
    if (!std::isfinite(x) || decimals < 0 || decimals > 9)
        return x;
    // x = m * 2^e exactly, with m a 53-bit integer.
    int e = 0;
    const double frac = std::frexp(x, &e);
    const auto m = static_cast<int64_t>(std::ldexp(frac, 53));
    e -= 53;
    __int128 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    __int128 n = 0;  // floor(m * scale * 2^e + 1/2)
    const __int128 p = static_cast<__int128>(m) * scale;
    if (e >= 0) {
        if (e > 60)
            return x;  // far beyond any amount: already whole
        n = p << e;
    } else if (-e > 120) {
        n = 0;  // |x| is far below one half of the last decimal
    } else {
        const int shift = -e;
        const __int128 half = static_cast<__int128>(1) << (shift - 1);
        n = (p + half) >> shift;  // arithmetic shift floors negatives too
    }
    return static_cast<double>(n) / static_cast<double>(scale);
}

QString formatGeneral(double x)
{
    if (x == 0)
        return QStringLiteral("0");
    QString text = QString::number(x, 'g', 15);
    if (text.contains(u'e')) {
        text = QString::number(x, 'f', 15);
        if (text.contains(u'.')) {
            while (text.endsWith(u'0'))
                text.chop(1);
            if (text.endsWith(u'.'))
                text.chop(1);
        }
    }
    text.replace(u'.', u',');
    return text;
}

QString completeDecimals(const QString &input)
{
    QString text = input;
    if (!text.contains(u','))
        text += QStringLiteral(",00");
    if (text.trimmed() == QStringLiteral(","))
        text = QStringLiteral("0,00");
    if (text.startsWith(u','))
        text = u'0' + text.trimmed();
    if (text.endsWith(u','))
        text = text.trimmed() + QStringLiteral("00");
    if (text.size() >= 2 && text[text.size() - 2] == u',' && text.back().isDigit())
        text = text.trimmed() + u'0';
    return text;
}

std::optional<double> parse(const QString &input)
{
    const QStringView text = QStringView(input).trimmed();
    if (text.isEmpty())
        return std::nullopt;
    // Optional sign, digits, at most one comma: nothing else is a number here.
    // Summaries parse amounts of every listed record, so the usual short
    // amount is converted from a stack copy with the comma as a point.
    char ascii[64];
    qsizetype used = 0;
    qsizetype i = 0;
    if (text[0] == u'-' || text[0] == u'+') {
        if (text[0] == u'-')
            ascii[used++] = '-';
        ++i;
    }
    int digits = 0;
    int commas = 0;
    int decimals = 0;
    quint64 mantissa = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        char plain = 0;
        if (c >= u'0' && c <= u'9') {
            ++digits;
            decimals += commas;
            mantissa = mantissa * 10 + (c - u'0');
            plain = char(c);
        } else if (c == u',' && ++commas == 1) {
            plain = '.';
        } else {
            return std::nullopt;
        }
        if (used < qsizetype(sizeof ascii))
            ascii[used] = plain;
        ++used;
    }
    if (digits == 0)
        return std::nullopt;
    if (digits <= 15) {
        // Up to fifteen digits the digits and the power of ten are exact
        // doubles, so one division rounds as a full conversion would.
        static constexpr double kPowers[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        const double v = double(mantissa) / kPowers[decimals];
        return ascii[0] == '-' ? -v : v;
    }
    if (used <= qsizetype(sizeof ascii)) {
        double v = 0;
        const auto [end, error] = std::from_chars(ascii, ascii + used, v);
        if (error == std::errc() && end == ascii + used && std::isfinite(v))
            return v;
    }
    // Long or extreme texts: Qt's own conversion decides.
    QString c = text.toString();
    c.replace(u',', u'.');
    bool ok = false;
    const double v = c.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

double valueOr0(const QString &text)
{
    return parse(text).value_or(0.0);
}

QString normalise(const QString &text, int decimals, const QString &emptyValue)
{
    if (text.trimmed().isEmpty())
        return emptyValue;
    const auto value = parse(text);
    if (!value)
        return QStringLiteral("0,00");
    return completeDecimals(formatGeneral(roundHalfUp(*value, decimals)));
}

} // namespace AmountText
