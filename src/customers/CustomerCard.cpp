#include "customers/CustomerCard.h"
#include "storage/DateText.h"

namespace {
// The breaks these messages have always used: LF CR LF CR.
const QString kBreak = QStringLiteral("\n\r\n\r");

CustomerCard::Problem missing(const QString &what, const QString &focus)
{
    return {MessageKind::Warning,
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ") + what + u'.', focus};
}

CustomerCard::Problem notADate(const QString &which, const QString &text, const QString &focus)
{
    return {MessageKind::Plain,
            QStringLiteral("Attenzione: la data di ") + which + u' ' + text + QStringLiteral(" non esiste.")
                + kBreak
                + QStringLiteral("Per poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/aaaa."),
            focus};
}
} // namespace

namespace CustomerCard {

std::optional<Problem> saveProblem(const CustomerRecord &card)
{
    const QString start = ShortText::trimmed(card.Decorrenza);
    const QString due = ShortText::trimmed(card.Scadenza);
    if (ShortText::trimmed(card.Cognome).isEmpty())
        return missing(QStringLiteral("il cognome del cliente"), QStringLiteral("txtCognome"));
    if (ShortText::trimmed(card.Nome).isEmpty())
        return missing(QStringLiteral("il nome del cliente"), QStringLiteral("txtNome"));
    if (start.isEmpty())
        return missing(QStringLiteral("la data di decorrenza dell'acquisto rateale effettuato"),
                       QStringLiteral("txtDecorrenza"));
    if (due.isEmpty())
        return missing(QStringLiteral("la data di scadenza della prossima rata"), QStringLiteral("txtScadenza"));
    const QDate startDate = DateText::parse(card.Decorrenza);
    if (!startDate.isValid())
        return notADate(QStringLiteral("decorrenza"), start, QStringLiteral("txtDecorrenza"));
    const QDate dueDate = DateText::parse(card.Scadenza);
    if (!dueDate.isValid())
        return notADate(QStringLiteral("scadenza"), due, QStringLiteral("txtScadenza"));
    if (startDate > dueDate)
        return Problem{MessageKind::Plain,
                       QStringLiteral("Attenzione: la data di scadenza della prossima rata (") + due
                           + QStringLiteral(") non può essere anteriore a quella di decorrenza (") + start
                           + QStringLiteral(").") + kBreak
                           + QStringLiteral("Per poter salvare la scheda è necessario indicare un intervallo di tempo valido."),
                       QString()};
    if (ShortText::trimmed(card.Preavviso).isEmpty())
        return missing(QStringLiteral("i giorni di preavviso"), QStringLiteral("txtPreavviso"));
    return std::nullopt;
}

CustomerRecord blank()
{
    CustomerRecord card;
    card.Decorrenza = DateText::today();
    card.Scadenza = DateText::today();
    card.Preavviso = QStringLiteral("0");
    card.Totale = QStringLiteral("0,00");
    card.Rata = QStringLiteral("0,00");
    return card;
}

} // namespace CustomerCard
