#include "summaries/StatisticsSums.h"
#include "receipts/ReceiptRecord.h"
#include "storage/AmountText.h"
#include "storage/RecordFile.h"
#include "summaries/ReceiptDateCut.h"
#include "resultlist/UnreadableRecord.h"

namespace StatisticsSums {

Months monthlyTakings(const QString &archivePath, const QString &year, QList<ReceiptDateCut::Unplaced> *unplaced)
{
    using L = ReceiptRecordLayout;
    static const int kData = L::indexOf(u"Data");
    static const int kNumber = L::indexOf(u"NumRic");
    static const int kAmount = L::indexOf(u"TotCorrispettivi");
    const QString wanted = year.trimmed();

    Months sums{};
    RecordFile file(archivePath, L::size);
    file.scan([&](const char *record, int index) {
        const QString data = L::field(record, kData);
        if (!ReceiptDateCut::placeable(data)) {
            if (unplaced)
                unplaced->append({ShortText::trimmed(L::field(record, kNumber)), ShortText::trimmed(data)});
            return true;
        }
        const auto parts = ReceiptDateCut::cut(data);
        const int month = ReceiptDateCut::monthNumber(parts.month.trimmed());
        if (parts.year.trimmed() != wanted || month == 0)
            return true;
        const QString amount = L::field(record, kAmount);
        const auto value = AmountText::parse(amount);
        if (!value)
            throw UnreadableRecord(index + 1, QStringLiteral("TotCorrispettivi"), amount);
        sums[month - 1] += *value;
        return true;
    });
    file.close();
    return sums;
}

double roundedToEuros(double sum)
{
    const double shown = AmountText::parse(AmountText::formatGeneral(sum)).value_or(0.0);
    return AmountText::roundHalfUp(shown, 0);
}

Months roundedToEuros(const Months &sums)
{
    Months rounded{};
    for (std::size_t i = 0; i < sums.size(); ++i)
        rounded[i] = roundedToEuros(sums[i]);
    return rounded;
}

} // namespace StatisticsSums
