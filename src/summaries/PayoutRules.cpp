#include "summaries/PayoutRules.h"
#include "register/RegisterRecord.h"
#include "storage/DateText.h"
#include "summaries/ReceiptDateCut.h"

namespace PayoutRules {

namespace {
const QString kCrLf = QStringLiteral("\n\r\n\r");

QString composed(const QString &day, const QString &month, const QString &year)
{
    return day.trimmed() + u'/' + monthNumber(month) + u'/' + year.trimmed();
}
} // namespace

const QStringList &dayItems()
{
    static const QStringList items = [] {
        QStringList days;
        for (int d = 1; d <= 31; ++d)
            days.append(QStringLiteral("%1").arg(d, 2, 10, QChar(u'0')));
        return days;
    }();
    return items;
}

const QStringList &monthItems()
{
    static const QStringList items = [] {
        QStringList months;
        for (const QString &m : ReceiptDateCut::monthNames())
            months.append(m.left(1).toUpper() + m.mid(1));
        return months;
    }();
    return items;
}

QString monthNumber(const QString &monthText)
{
    const int index = int(ReceiptDateCut::monthNames().indexOf(ResultLines::lowerAscii(monthText.trimmed())));
    return index < 0 ? QString() : QStringLiteral("%1").arg(index + 1, 2, 10, QChar(u'0'));
}

bool isDayItem(const QString &text) { return dayItems().contains(text.trimmed()); }

bool isMonthItem(const QString &text) { return !monthNumber(text).isEmpty(); }

Check check(const Inputs &in)
{
    auto warning = [](const QString &text, const char *focus) {
        return Check{Check::Kind::Warning, text, QString::fromLatin1(focus), {}, {}};
    };
    if (in.year.size() != 4)
        return warning(QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."), "txtAnno");
    const struct
    {
        const QString &text;
        const char *what;
        const char *focus;
    } picks[] = {
        {in.startDay, "il giorno di inizio", "txtGiornoInizio"},
        {in.startMonth, "il mese di inizio", "txtMeseInizio"},
        {in.endDay, "il giorno di fine", "txtGiornoFine"},
        {in.endMonth, "il mese di fine", "txtMeseFine"},
    };
    for (const auto &pick : picks)
        if (pick.text.trimmed().isEmpty())
            return warning(u"Attenzione: indicare " + QLatin1StringView(pick.what)
                               + u" intervallo selezionandolo dall'elenco a cascata.",
                           pick.focus);

    Check result;
    const QString valid = QStringLiteral("Per poter visualizzare il riepilogo è necessario indicare una data valida.");
    result.start = composed(in.startDay, in.startMonth, in.year);
    if (!DateText::isValid(result.start)) {
        result.kind = Check::Kind::Plain;
        result.message = u"Attenzione: la data " + result.start + u" di inizio intervallo non esiste." + kCrLf + valid;
        result.focus = QStringLiteral("txtGiornoInizio");
        return result;
    }
    result.end = composed(in.endDay, in.endMonth, in.year);
    if (!DateText::isValid(result.end)) {
        result.kind = Check::Kind::Plain;
        result.message = u"Attenzione: la data " + result.end + u" di fine intervallo non esiste." + kCrLf + valid;
        result.focus = QStringLiteral("txtGiornoFine");
        return result;
    }
    if (DateText::parse(result.start) > DateText::parse(result.end)) {
        result.kind = Check::Kind::Plain;
        result.message = u"Attenzione: la data di fine intervallo (" + result.end
                         + u") non può essere anteriore a quella di inizio intervallo (" + result.start + u")."
                         + kCrLf
                         + u"Per poter visualizzare il riepilogo è necessario indicare un intervallo di tempo valido.";
    }
    return result;
}

int Filter::count() const
{
    return (nature.trimmed().isEmpty() ? 0 : 1) + (fiscalCode.trimmed().isEmpty() ? 0 : 1);
}

QString Filter::description() const
{
    return u"Oggetto:  " + nature.trimmed() + u"   -   C.F. cliente:  " + fiscalCode.trimmed();
}

bool Filter::matches(const QString &natura, const QString &codFisc) const
{
    // A filter of blanks only is no filter, and matches nothing by itself.
    int score = 0;
    if (!nature.trimmed().isEmpty() && ResultLines::containsFolded(natura, ResultLines::lowerAscii(nature)))
        ++score;
    if (!fiscalCode.trimmed().isEmpty()
        && ResultLines::containsFolded(codFisc, ResultLines::lowerAscii(fiscalCode)))
        ++score;
    return score >= count();
}

LineFormat line()
{
    using F = LineFormat;
    return F({F::field<RegisterRecord>(QString(), "Natura", 30, QStringLiteral("Natura e qualità")),
              F::field<RegisterRecord>(QStringLiteral("  -  "), "Descrizione", 50, QStringLiteral("Descrizione")),
              F::field<RegisterRecord>(QStringLiteral("  Cliente: "), "Cliente", 32,
                                       QStringLiteral("Cognome e nome cliente")),
              F::field<RegisterRecord>(QStringLiteral("  Importo: € "), "Importo", F::kRest,
                                       QStringLiteral("Importo"))});
}

SummarySums::Result collect(const QString &registerPath, const Filter &filter, const QDate &start,
                            const QDate &end)
{
    using L = RegisterRecordLayout;
    static const int kNatura = L::indexOf(u"Natura");
    static const int kCodFisc = L::indexOf(u"CodFisc");
    static const int kData = L::indexOf(u"Data");
    // Without filters every card with a nature passes them; the nature is
    // checked on its bytes, so most cards are judged by their date alone.
    const bool filtered = filter.count() > 0;
    const auto qualifies = [&](const char *record, int index) {
        if (ShortText::trimmedBytes(L::rawField(record, kNatura)).isEmpty())
            return false;
        if (filtered && !filter.matches(L::field(record, kNatura), L::field(record, kCodFisc)))
            return false;
        const QString data = L::field(record, kData);
        const QDate date = DateText::parse(data);
        if (!date.isValid())
            throw UnreadableRecord(index + 1, QStringLiteral("Data"), data);
        return start <= date && date <= end;
    };
    return SummarySums::collect(registerPath, L::size, line(), qualifies,
                                {SummarySums::Amount::of<RegisterRecord>("Importo")});
}

QString intervalText(const QString &start, const QString &end)
{
    return u"Dal   " + start.trimmed() + u"   al   " + end.trimmed();
}

QStringList printedTotals(const QString &interval, const QString &total)
{
    return {QStringLiteral("- - - - - - - - - - - - - - - -"),
            u"INTERVALLO SELEZIONATO:      " + interval.trimmed(),
            u"TOTALE IMPORTI CORRISPOSTI:  € " + total.trimmed()};
}

} // namespace PayoutRules
