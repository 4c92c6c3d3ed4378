#include "customers/CustomerSheet.h"
#include "customers/CustomerCard.h"
#include "storage/Clock.h"
#include "storage/DateText.h"

namespace CustomerSheet {

QString title() { return QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"); }

QList<Row> rows(const CustomerRecord &typed)
{
    CustomerRecord c;
    for (const auto &f : CustomerRecord::kFields)
        c.*(f.member) = ShortText::trimmed(typed.*(f.member));
    const auto s = [](const char16_t *text) { return QString::fromUtf16(text); };
    return {
        {s(u"Cognome e nome:"), c.Cognome + u' ' + c.Nome},
        {s(u"Data di nascita:"), c.DataNasc},
        {s(u"Comune di nascita:"), c.ComuneNasc + u' ' + c.ProvNasc},
        {s(u"Sesso:"), c.Sesso + s(u"  Stato civile: ") + c.Stato},
        {s(u"Telefono preferenziale:"), c.Recapito},
        {s(u"Indirizzo di residenza:"), c.Indirizzo},
        {s(u"Comune di residenza:"), c.ComuneRes + u' ' + c.ProvRes},
        {s(u"Professione:"), c.Professione},
        {s(u"Tel. casa:"), c.TelCasa},
        {s(u"Tel. ufficio:"), c.TelUff},
        {s(u"Tel. cellulare:"), c.TelCel},
        {s(u"Fax:"), c.Fax},
        {s(u"E-mail:"), c.Email},
        {s(u"Codice fiscale:"), c.CodFisc},
        {s(u"Partita IVA:"), c.Iva},
        {s(u"Carta di credito:"), s(u"N. ") + c.Carta + s(u"  Scadenza: ") + c.ScadeCarta},
        {s(u"IBAN:"), c.Iban + s(u"  -  Intestatario C/C: ") + c.Intestatario},
        {s(u"Estremi documento:"), s(u"Tipo: ") + c.TipoDoc + s(u"  N. ") + c.NumDoc + s(u"  Scadenza: ") + c.DataSca},
        {s(u"Codice cliente:"), c.Codice},
        {s(u"Categoria:"), c.Categoria + s(u"  Ditta: ") + c.Zona},
        {CustomerCard::soldLabel(), c.Prodotti},
        {s(u"Pagamento rateale:"), c.Acquisto + s(u"  Importo rata: € ") + c.Rata},
        {s(u"Totale:"), s(u"Importo: € ") + c.Totale + s(u"  Decorrenza: ") + c.Decorrenza + s(u"  Scadenza: ") + c.Scadenza},
        {s(u"Note:"), c.Note},
    };
}

QString footer()
{
    return QStringLiteral("Stampa eseguita in data ") + DateText::today() + QStringLiteral(" alle ore ")
           + Clock::now().time().toString(QStringLiteral("hh:mm:ss"));
}

} // namespace CustomerSheet
