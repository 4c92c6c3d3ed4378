#pragma once
#include "summaries/ReceiptDateCut.h"

#include <QString>
#include <array>

// The monthly takings behind the statistics chart.
namespace StatisticsSums {

using Months = std::array<double, 12>;

// Sums TotCorrispettivi per month over the receipts of `archivePath` whose
// date carries `year` (the archive is created empty when missing). Receipts
// of other years or with no month number in place are ignored. Throws
// StorageError, or UnreadableRecord for an amount that is not a number.
// Receipts whose date cannot be placed are named in `unplaced` when given.
Months monthlyTakings(const QString &archivePath, const QString &year,
                      QList<ReceiptDateCut::Unplaced> *unplaced = nullptr);

// A month's sum as the chart shows it: written as text with 15 significant
// digits, read back and rounded half up to whole euros (150,6 -> 151).
double roundedToEuros(double sum);
Months roundedToEuros(const Months &sums);

} // namespace StatisticsSums
