#include "receipts/ReceiptTotals.h"
#include "storage/AmountText.h"

#include <optional>

namespace ReceiptTotals {

namespace {

// Empty is zero; anything else must be a number.
std::optional<double> amountOrZero(const QString &text)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    return AmountText::parse(text);
}

// The shown text of a computed amount: reparsed from its general form,
// rounded to two decimals and completed.
QString twoDecimals(const QString &text)
{
    QString out = text.trimmed().isEmpty() ? QString() : text;
    if (!out.isEmpty()) {
        if (const auto value = AmountText::parse(out))
            out = AmountText::formatGeneral(AmountText::roundHalfUp(*value, 2));
    }
    return AmountText::completeDecimals(out);
}

} // namespace

Result compute(const Inputs &in)
{
    Result r;
    r.advances = in.advances.trimmed().isEmpty() ? QStringLiteral("0,00") : in.advances;

    double sum = 0;
    for (const QString &line : in.lines) {
        const auto value = amountOrZero(line);
        if (!value) {
            r.sum = r.duty = r.total = QStringLiteral("0,00");
            return r;
        }
        sum += *value;
    }
    const auto advances = amountOrZero(r.advances);
    const auto duty = amountOrZero(in.duty);
    if (!advances || !duty) {
        r.sum = r.duty = r.total = QStringLiteral("0,00");
        return r;
    }

    const double total = sum + *duty - *advances;
    r.sum = twoDecimals(AmountText::formatGeneral(sum));
    r.duty = twoDecimals(in.duty);
    r.total = twoDecimals(AmountText::formatGeneral(total));
    return r;
}

} // namespace ReceiptTotals
