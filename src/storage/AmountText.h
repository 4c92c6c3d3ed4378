#pragma once
#include <QString>
#include <optional>

// Amounts are kept as text: comma decimal separator, no thousands separator.
namespace AmountText {

bool isDigitsOnly(QStringView text);
QString leftText(const QString &text, int count);
QString rightText(const QString &text, int count);

// floor(x * 10^decimals + 1/2) / 10^decimals on the exact binary value of x,
// independent of the compiler's long double.
double roundHalfUp(double x, int decimals);
// Shortest text with at most 15 significant digits: 12,5  1250  0,0001  -9,5
QString formatGeneral(double x);
QString completeDecimals(const QString &text);
// A decimal number with a comma, blanks around ignored; nullopt when it is not one.
std::optional<double> parse(const QString &text);
// Parse, or 0 for anything that is not a number (stored amounts read by summaries).
double valueOr0(const QString &text);
// The exit normalisation of an amount field: the new text of the field.
QString normalise(const QString &text, int decimals, const QString &emptyValue);
// Accepted characters of an amount field (editing keys are handled by the filter).
inline bool isAmountChar(QChar c) { return (c >= u'0' && c <= u'9') || c == u','; }

} // namespace AmountText
