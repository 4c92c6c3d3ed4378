#include "summaries/SummarySums.h"
#include "storage/AmountText.h"
#include "storage/StorageError.h"
#include "resultlist/ArchiveScan.h"

#include <QVarLengthArray>

namespace SummarySums {

namespace {

double amountOf(const Amount &amount, const char *record, int index)
{
    if (amount.offset < 0) {
        const QString text = amount.text(record);
        const auto value = AmountText::parse(text);
        if (!value)
            throw UnreadableRecord(index + 1, amount.field, text);
        return *value;
    }
    // Decoded into a stack buffer that the parsed text only borrows.
    const QByteArrayView raw = ShortText::trimmedBytes(ShortText::rawBytes(record + amount.offset, amount.capacity));
    QVarLengthArray<QChar, 256> buffer(raw.size());
    Cp1252::decodeInto(buffer.data(), raw.data(), raw.size());
    const auto value = AmountText::parse(QString::fromRawData(buffer.data(), raw.size()));
    if (!value)
        throw UnreadableRecord(index + 1, amount.field, QString(buffer.data(), raw.size()));
    return *value;
}

} // namespace

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
            for (qsizetype i = 0; i < amounts.size(); ++i)
                values[i] = amountOf(amounts[i], record, index);
            result.lines.append(line.build(record));
            result.records.append(index);
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
