#include "export/ExportSheet.h"
#include "customers/CustomerRecord.h"
#include "receipts/ReceiptRecord.h"
#include "register/RegisterRecord.h"
#include "storage/TradeName.h"

namespace {

constexpr bool Fixed = false;
constexpr bool Editable = true;

struct ColumnDef
{
    const char16_t *title;
    int width;
    const char *field;
    const char *joined;            // second field, after a blank
    bool editable;
    const char16_t *gridTitle;     // when the screen shows another title
};

template <class R, std::size_t N>
ExportSheet makeSheet(const char16_t *worksheet, const char16_t *fileName, const ColumnDef (&defs)[N])
{
    using Layout = RecordLayout<R>;
    ExportSheet sheet;
    sheet.worksheet = QString::fromUtf16(worksheet);
    sheet.fileName = QString::fromUtf16(fileName);
    sheet.recordSize = Layout::size;
    for (const ColumnDef &d : defs) {
        ExportColumn c;
        c.title = QString::fromUtf16(d.title);
        c.gridTitle = d.gridTitle ? QString::fromUtf16(d.gridTitle) : c.title;
        c.width = d.width;
        c.editable = d.editable;
        for (const char *name : {d.field, d.joined}) {
            if (!name)
                continue;
            const int i = Layout::indexOf(QString::fromLatin1(name));
            Q_ASSERT_X(i >= 0, "makeSheet", name);
            c.parts.append({Layout::offsets()[size_t(i)], Layout::fields[size_t(i)].capacity});
        }
        sheet.columns.append(c);
    }
    return sheet;
}

constexpr ColumnDef kRegister[] = {
    {u"Scheda n.", 200, "NumScheda", nullptr, Fixed, nullptr},
    {u"Data operazione", 180, "Data", nullptr, Fixed, nullptr},
    {u"Ora operazione", 180, "Ora", nullptr, Editable, nullptr},
    {u"Importo corrisposto", 200, "Importo", nullptr, Fixed, nullptr},
    {u"Estremi transazione", 350, "Transazione", nullptr, Editable, nullptr},
    {u"Mezzo di pagamento", 250, "Mezzo", nullptr, Editable, nullptr},
    {u"Caratteristiche oggetto prezioso", 350, "Caratteristiche", nullptr, Fixed, nullptr},
    {u"Natura e qualità", 250, "Natura", nullptr, Fixed, nullptr},
    {u"Quotazione oro e metalli preziosi", 350, "Quotazione", nullptr, Fixed, nullptr},
    {u"Cognome e nome cliente", 250, "Cliente", nullptr, Fixed, nullptr},
    {u"Codice fiscale", 200, "CodFisc", nullptr, Editable, nullptr},
    {u"Data nascita", 180, "DataNasc", nullptr, Fixed, nullptr},
    {u"Luogo nascita", 250, "LuogoNasc", "ProvNasc", Fixed, nullptr},
    {u"Tipo documento", 250, "TipoDoc", nullptr, Fixed, nullptr},
    {u"Numero documento", 200, "NumDoc", nullptr, Editable, nullptr},
    {u"Ente rilascio", 250, "EnteRil", nullptr, Editable, nullptr},
    {u"Data rilascio", 180, "DataRil", nullptr, Editable, nullptr},
    {u"Data scadenza", 180, "DataSca", nullptr, Editable, nullptr},
    {u"Dati identificativi acquirente", 350, "Compratore", nullptr, Editable, nullptr},
    {u"Destinazione oggetto", 350, "Destinazione", nullptr, Editable, nullptr},
    {u"Data vendita o cessione", 200, "DataVen", nullptr, Editable, nullptr},
    {u"Descrizione sintetica oggetto", 350, "Descrizione", nullptr, Editable, nullptr},
    {u"Valutazione oggetto", 250, "Valutazione", nullptr, Editable, nullptr},
    {u"Prezzo vendita", 180, "PrezzoVen", nullptr, Editable, nullptr},
    {u"Venduto", 150, "Venduto", nullptr, Editable, nullptr},
};

constexpr int kSoldToColumn = 15;

constexpr ColumnDef kCustomers[] = {
    {u"Cognome e nome cliente", 250, "Cognome", "Nome", Fixed, nullptr},
    {u"Codice fiscale", 200, "CodFisc", nullptr, Fixed, nullptr},
    {u"Data di nascita", 200, "DataNasc", nullptr, Fixed, nullptr},
    {u"Comune di nascita", 250, "ComuneNasc", nullptr, Fixed, u"Comune / Stato estero di nascita"},
    {u"Partita IVA", 200, "Iva", nullptr, Editable, nullptr},
    {u"Indirizzo di residenza", 250, "Indirizzo", nullptr, Fixed, nullptr},
    {u"Città di residenza", 250, "ComuneRes", nullptr, Editable, u"Comune di residenza"},
    {u"Telefono preferenziale", 250, "Recapito", nullptr, Fixed, nullptr},
    {u"Tel. casa", 200, "TelCasa", nullptr, Editable, nullptr},
    {u"Tel. cellulare", 200, "TelCel", nullptr, Fixed, nullptr},
    {u"E-mail", 250, "Email", nullptr, Fixed, nullptr},
    {u"Professione", 250, "Professione", nullptr, Fixed, nullptr},
    {u"IBAN", 300, "Iban", nullptr, Editable, nullptr},
    {u"Intestatario C/C", 250, "Intestatario", nullptr, Fixed, nullptr},
    {u"Modalità di pagamento", 250, "Pagamento", nullptr, Fixed, nullptr},
    {u"Oggetti venduti a", 350, "Prodotti", nullptr, Fixed, nullptr},
    {u"Tipo documento", 250, "TipoDoc", nullptr, Editable, nullptr},
    {u"Numero documento", 250, "NumDoc", nullptr, Editable, nullptr},
    {u"Ente di rilascio", 250, "EnteRil", nullptr, Editable, nullptr},
    {u"Data di rilascio", 200, "DataRil", nullptr, Editable, u"Data rilascio"},
    {u"Data di scadenza", 200, "DataSca", nullptr, Fixed, u"Data scadenza"},
    {u"Codice cliente", 250, "Codice", nullptr, Editable, u"Codice Cliente"},
    {u"Categoria", 250, "Categoria", nullptr, Fixed, nullptr},
    {u"Denominazione Ditta", 250, "Zona", nullptr, Fixed, nullptr},
    {u"Note", 300, "Note", nullptr, Editable, nullptr},
};

constexpr ColumnDef kReceipts[] = {
    {u"Ricevuta n.", 180, "NumRic", nullptr, Fixed, nullptr},
    {u"Data emissione", 180, "Data", nullptr, Editable, nullptr},
    {u"Riferimenti", 250, "Riferimenti", nullptr, Fixed, nullptr},
    {u"Modalità di pagamento", 250, "Pagamento", nullptr, Editable, nullptr},
    {u"Banca d'appoggio", 250, "Banca", nullptr, Fixed, nullptr},
    {u"Cognome e nome Cliente", 250, "Cliente", nullptr, Fixed, nullptr},
    {u"Via e numero civico", 250, "ViaCliente", nullptr, Fixed, nullptr},
    {u"Città di residenza", 250, "CittaCliente", nullptr, Fixed, nullptr},
    {u"Prov.", 120, "ProvCliente", nullptr, Editable, nullptr},
    {u"Partita IVA", 200, "IvaCliente", nullptr, Fixed, nullptr},
    {u"Codice fiscale", 200, "CodFiscCliente", nullptr, Fixed, nullptr},
    {u"Note", 350, "Note", nullptr, Editable, nullptr},
    {u"Tot. corrispettivi", 180, "TotCorrispettivi", nullptr, Fixed, nullptr},
    {u"Acconti", 180, "Acconti", nullptr, Editable, nullptr},
    {u"Imposta di bollo", 180, "Tassa", nullptr, Editable, nullptr},
    {u"Totale saldato", 180, "Totale", nullptr, Editable, nullptr},
    {u"Saldata", 80, "Saldata", nullptr, Editable, nullptr},
};

} // namespace

namespace ExportSheets {

QString tradeName() { return shopTradeName(); }

const ExportSheet &registerSheet()
{
    static const ExportSheet sheet = makeSheet<RegisterRecord>(
        u"Registro Operazioni", u"Registro_Operazioni.xls", kRegister);
    return sheet;
}

const ExportSheet &customerSheet()
{
    static const ExportSheet sheet = [] {
        ExportSheet s = makeSheet<CustomerRecord>(u"Riepilogo Clienti", u"Clienti.xls", kCustomers);
        ExportColumn &soldTo = s.columns[kSoldToColumn];
        soldTo.title += u' ' + tradeName();
        soldTo.gridTitle = soldTo.title;
        return s;
    }();
    return sheet;
}

const ExportSheet &receiptSheet()
{
    static const ExportSheet sheet = makeSheet<ReceiptRecord>(
        u"Archivio Ricevute", u"Archivio_Ricevute.xls", kReceipts);
    return sheet;
}

} // namespace ExportSheets
