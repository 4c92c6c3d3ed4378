#include "resultlist/TotalText.h"
#include "storage/AmountText.h"

namespace TotalText {

QString running(double sum) { return AmountText::formatGeneral(sum); }

QString format(const QString &labelText)
{
    if (labelText.trimmed().isEmpty())
        return QStringLiteral("0,00");
    const auto value = AmountText::parse(labelText);
    if (!value)
        return labelText;
    return AmountText::completeDecimals(AmountText::formatGeneral(AmountText::roundHalfUp(*value, 4)));
}

} // namespace TotalText
