#pragma once
#include "Archives.h"
#include "customers/CustomerRecord.h"
#include "receipts/ReceiptRecord.h"
#include "register/RegisterRecord.h"

#include <QByteArray>
#include <initializer_list>

// Small archives whose expected export files are kept under fixtures/.
namespace ExportArchives {

template <class R>
QByteArray encode(std::initializer_list<R> records)
{
    return Archives::bytes(QList<R>(records));
}

inline RegisterRecord firstCard()
{
    RegisterRecord r;
    r.NumScheda = QStringLiteral("1");
    r.Data = QStringLiteral("15/06/2025");
    r.Ora = QStringLiteral("10:30");
    r.Importo = QStringLiteral("1250,00");
    r.Transazione = QStringLiteral("Bonifico n. 123");
    r.Mezzo = QStringLiteral("Bonifico bancario");
    r.Caratteristiche = QStringLiteral("Anello in oro giallo 18 kt");
    r.Natura = QStringLiteral("Oro giallo di qualità 750");
    r.Quotazione = QStringLiteral("58,20 €/g");
    r.Cliente = QStringLiteral("Rossi Mario");
    r.CodFisc = QStringLiteral("RSSMRA80A01H501U");
    r.DataNasc = QStringLiteral("01/01/1980");
    r.LuogoNasc = QStringLiteral("Roma");
    r.ProvNasc = QStringLiteral("RM");
    r.Sesso = QStringLiteral("M");
    r.TipoDoc = QStringLiteral("Carta d'identità");
    r.NumDoc = QStringLiteral("AX1234567");
    r.EnteRil = QStringLiteral("Comune di Roma");
    r.DataRil = QStringLiteral("02/02/2020");
    r.DataSca = QStringLiteral("02/02/2030");
    r.Descrizione = QStringLiteral("Fede <nuziale> & anello");
    r.Valutazione = QStringLiteral("1300,00");
    r.Venduto = QStringLiteral("No");
    r.File01 = QStringLiteral("Foto.jpg");
    r.Desc01 = QStringLiteral("non esportato");
    return r;
}

inline QByteArray registerArchive()
{
    RegisterRecord second;
    second.NumScheda = QStringLiteral("2");
    second.Data = QStringLiteral("16/06/2025");
    second.Ora = QStringLiteral("11:05");
    second.Importo = QStringLiteral("80,00");
    second.Mezzo = QStringLiteral("Contanti");
    second.Cliente = QStringLiteral("Bianchi Anna");
    second.LuogoNasc = QStringLiteral("Milano");
    second.Sesso = QStringLiteral("F");
    second.Compratore = QStringLiteral("Gioielleria Oro Srl");
    second.Destinazione = QStringLiteral("Fusione");
    second.DataVen = QStringLiteral("20/06/2025");
    second.Descrizione = QStringLiteral("Catenina");
    second.PrezzoVen = QStringLiteral("95,00");
    second.Venduto = QStringLiteral("Sì");
    return encode({firstCard(), second});
}

inline QByteArray customerArchive()
{
    CustomerRecord noFirstName;
    noFirstName.Cognome = QStringLiteral("Verdi");
    noFirstName.CodFisc = QStringLiteral("VRDLGU75B02F205X");
    noFirstName.DataNasc = QStringLiteral("02/02/1975");
    noFirstName.ComuneNasc = QStringLiteral("Milano");
    noFirstName.ProvNasc = QStringLiteral("MI");
    noFirstName.Indirizzo = QStringLiteral("Via Roma 1");
    noFirstName.Cap = QStringLiteral("20100");
    noFirstName.ComuneRes = QStringLiteral("Milano");
    noFirstName.Familiari = QStringLiteral("non esportato");
    noFirstName.Recapito = QStringLiteral("Cellulare");
    noFirstName.TelCel = QStringLiteral("3331234567");
    noFirstName.Email = QStringLiteral("verdi@example.it");
    noFirstName.Note = QStringLiteral("Cliente <abituale> & fidato");
    noFirstName.Codice = QStringLiteral("C001");

    CustomerRecord full;
    full.Cognome = QStringLiteral("De Luca");
    full.Nome = QStringLiteral("Giuseppe");
    full.ComuneRes = QStringLiteral("Città di Castello");
    full.TelCasa = QStringLiteral("0612345678");
    full.Professione = QStringLiteral("Orafo");
    full.Iban = QStringLiteral("IT60X0542811101000000123456");
    full.Intestatario = QStringLiteral("Giuseppe De Luca");
    full.Banca = QStringLiteral("non esportata");
    full.Prodotti = QStringLiteral("Bracciale");
    full.Pagamento = QStringLiteral("Contanti");
    full.TipoDoc = QStringLiteral("Patente");
    full.NumDoc = QStringLiteral("U1234567");
    full.EnteRil = QStringLiteral("MCTC");
    full.DataRil = QStringLiteral("01/03/2018");
    full.DataSca = QStringLiteral("01/03/2028");
    full.Categoria = QStringLiteral("Privato");
    full.Zona = QStringLiteral("Ditta De Luca");
    return encode({noFirstName, full});
}

inline QByteArray receiptArchive()
{
    ReceiptRecord r;
    r.NumRic = QStringLiteral("1/2024");
    r.Data = QStringLiteral("10/01/2024");
    r.Ditta = QStringLiteral("Oro Srl");
    r.Riferimenti = QStringLiteral("Ordine 5");
    r.Pagamento = QStringLiteral("Bonifico");
    r.Banca = QStringLiteral("Banca Intesa");
    r.Cliente = QStringLiteral("Rossi Mario");
    r.ViaCliente = QStringLiteral("Via Verdi 3");
    r.CapCliente = QStringLiteral("00100");
    r.CittaCliente = QStringLiteral("Roma");
    r.ProvCliente = QStringLiteral("RM");
    r.CodFiscCliente = QStringLiteral("RSSMRA80A01H501U");
    r.Note = QStringLiteral("Saldo > acconto");
    r.Desc01 = QStringLiteral("Anello");
    r.Prezzo01 = QStringLiteral("100,00");
    r.TotCorrispettivi = QStringLiteral("100,00");
    r.Acconti = QStringLiteral("0,00");
    r.Tassa = QStringLiteral("2,00");
    r.Totale = QStringLiteral("102,00");
    r.Saldata = QStringLiteral("Sì");
    return encode({r});
}

} // namespace ExportArchives
