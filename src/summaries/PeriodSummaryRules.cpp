#include "summaries/PeriodSummaryRules.h"
#include "receipts/ReceiptRecord.h"
#include "storage/AmountText.h"
#include "summaries/ReceiptDateCut.h"
#include "resultlist/TotalText.h"

namespace PeriodSummaryRules {

QStringList choices(Period period)
{
    QStringList upper;
    if (period == Period::Year)
        return upper;
    for (const QString &name :
         period == Period::Month ? ReceiptDateCut::monthNames() : ReceiptDateCut::quarterNames())
        upper.append(name.toUpper());
    return upper;
}

bool belongs(Period period, const QString &data, const QString &chosen, const QString &year)
{
    if (ShortText::trimmed(data).isEmpty())
        return false;
    const auto parts = ReceiptDateCut::cut(data);
    if (ShortText::trimmed(parts.year) != ShortText::trimmed(year))
        return false;
    const QString wanted = ResultLines::lowerAscii(ShortText::trimmed(chosen));
    switch (period) {
    case Period::Month: return ReceiptDateCut::monthName(parts.month) == wanted;
    case Period::Quarter: return ReceiptDateCut::quarterName(parts.month) == wanted;
    case Period::Year: return true;
    }
    return false;
}

QString title(Period period, const QString &chosen, const QString &year)
{
    const QString y = ShortText::trimmed(year);
    const QString c = ResultLines::lowerAscii(ShortText::trimmed(chosen));
    switch (period) {
    case Period::Month: return u"Ricevute emesse nel mese di " + c + u' ' + y;
    case Period::Quarter: return u"Ricevute emesse nel trimestre di " + c + u' ' + y;
    case Period::Year: return u"Ricevute emesse nell'anno " + y;
    }
    return {};
}

LineFormat receiptLine()
{
    using F = LineFormat;
    return F({F::field<ReceiptRecord>(QStringLiteral("Ric. n. "), "NumRic", 12, QStringLiteral("N. ricevuta")),
              F::field<ReceiptRecord>(QStringLiteral("  Data: "), "Data", 10, QStringLiteral("Data")),
              F::field<ReceiptRecord>(QStringLiteral("  "), "Cliente", 30, QStringLiteral("Cliente")),
              F::field<ReceiptRecord>(QStringLiteral("  C.F. "), "CodFiscCliente", 16,
                                      QStringLiteral("Codice fiscale")),
              F::field<ReceiptRecord>(QStringLiteral("  Acconti: € "), "Acconti", 8, QStringLiteral("Acconti")),
              F::field<ReceiptRecord>(QStringLiteral("  Bollo: "), "Tassa", 8, QStringLiteral("Bollo")),
              F::field<ReceiptRecord>(QStringLiteral("  Totale: € "), "TotCorrispettivi", F::kRest,
                                      QStringLiteral("Totale"))});
}

QList<SummarySums::Amount> totalledAmounts()
{
    using A = SummarySums::Amount;
    return {A::of<ReceiptRecord>("TotCorrispettivi"), A::of<ReceiptRecord>("Acconti"),
            A::of<ReceiptRecord>("Tassa"), A::of<ReceiptRecord>("Totale")};
}

SummarySums::Result collect(const QString &archivePath, Period period, const QString &chosen,
                            const QString &year, QList<ReceiptDateCut::Unplaced> *unplaced)
{
    static const int kData = ReceiptRecordLayout::indexOf(u"Data");
    static const int kNumber = ReceiptRecordLayout::indexOf(u"NumRic");
    return SummarySums::collect(
        archivePath, ReceiptRecordLayout::size, receiptLine(),
        [&](const char *record, int) {
            const QString data = ReceiptRecordLayout::field(record, kData);
            if (!ReceiptDateCut::placeable(data)) {
                if (unplaced)
                    unplaced->append({ShortText::trimmed(ReceiptRecordLayout::field(record, kNumber)),
                                      ShortText::trimmed(data)});
                return false;
            }
            return belongs(period, data, chosen, year);
        },
        totalledAmounts());
}

QString totalLabel(double sum) { return u"€ " + TotalText::format(TotalText::running(sum)); }

QString countText(int lines)
{
    return u"Il presente riepilogo contiene " + QString::number(lines) + u" ricevute.";
}

QStringList printedTotals(const QStringList &labels)
{
    static const char16_t *const kCaptions[] = {u"TOT. CORRISPETTIVI:     ", u"Tot. acconti:           ",
                                                u"Tot. imposta di bollo:  ", u"Totale saldato:         "};
    QStringList lines{QStringLiteral("--------------------------")};
    for (qsizetype i = 0; i < labels.size() && i < 4; ++i)
        lines.append(QString::fromUtf16(kCaptions[i]) + labels[i].trimmed());
    return lines;
}

} // namespace PeriodSummaryRules
