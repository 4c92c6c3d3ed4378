#pragma once
#include "summaries/ReceiptDateCut.h"
#include "resultlist/ResultLines.h"
#include "summaries/SummarySums.h"

#include <QString>
#include <QStringList>

// The receipt summaries of a month, a quarter or a year, without widgets;
// the unpaid receipts share their line.
namespace PeriodSummaryRules {

enum class Period { Month, Quarter, Year };

// The entries of the selection drop-down (none for the year).
QStringList choices(Period period);
// Whether a receipt dated `data` belongs to `chosen` (a choice, any case)
// of `year`; the year summary looks at the year only.
bool belongs(Period period, const QString &data, const QString &chosen, const QString &year);

QString title(Period period, const QString &chosen, const QString &year);

// "Ric. n. ...  Data: ...  <customer>  C.F. ...  Acconti: € ...  Bollo: ...  Totale: € ..."
LineFormat receiptLine();

// The four totals in their order: corrispettivi, advances, stamp duty, settled.
QList<SummarySums::Amount> totalledAmounts();
// Receipts whose date cannot be placed are left out and, when `unplaced` is
// given, named there.
SummarySums::Result collect(const QString &archivePath, Period period, const QString &chosen,
                            const QString &year, QList<ReceiptDateCut::Unplaced> *unplaced = nullptr);

// A total label's final text: "€ " and the total formatting.
QString totalLabel(double sum);
QString countText(int lines);
// The separator and the four total lines printed after the list.
QStringList printedTotals(const QStringList &totalLabels);

} // namespace PeriodSummaryRules
