#include "summaries/SummarySums.h"
#include "storage/AmountText.h"
#include "storage/StorageError.h"
#include "summaries/ArchiveScan.h"

namespace SummarySums {

Result collect(const QString &path, int recordSize, const LineFormat &line,
               const std::function<bool(const char *, int)> &qualifies, const QList<Amount> &amounts)
{
    Result result;
    result.sums.fill(0.0, amounts.size());
    QList<double> values(amounts.size());
    try {
        ArchiveScan::each(path, recordSize, [&](const char *record, int index) {
            if (!qualifies(record, index))
                return true;
            // Every amount is read before anything is added, so a record
            // that stops the summary leaves no trace in it.
            for (qsizetype i = 0; i < amounts.size(); ++i) {
                const QString text = amounts[i].text(record);
                const auto value = AmountText::parse(text);
                if (!value)
                    throw UnreadableRecord(index + 1, amounts[i].field, text);
                values[i] = *value;
            }
            result.lines.append(line.build(record));
            for (qsizetype i = 0; i < amounts.size(); ++i)
                result.sums[i] += values[i];
            return true;
        });
    } catch (const UnreadableRecord &bad) {
        result.stoppedAt = bad;
    } catch (const StorageError &) {
        result.storageFailed = true;
    }
    return result;
}

} // namespace SummarySums
