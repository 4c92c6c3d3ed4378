#include "Shooter.h"
#include "app/ui/AppWindows.h"
#include "app/ui/Controls.h"
#include "customers/AttachmentsDialog.h"
#include "customers/CustomerFolderDialog.h"
#include "customers/CustomerRecord.h"
#include "customers/CustomerWindow.h"
#include "storage/DataFolder.h"
#include "storage/RecordFile.h"

namespace {

CustomerRecord sampleCustomer()
{
    CustomerRecord c;
    c.Cognome = QStringLiteral("Rossi");
    c.Nome = QStringLiteral("Maria Grazia");
    c.CodFisc = QStringLiteral("RSSMGR71E52H501X");
    c.Sesso = QStringLiteral("F");
    c.DataNasc = QStringLiteral("12/05/1971");
    c.ComuneNasc = QStringLiteral("Roma");
    c.ProvNasc = QStringLiteral("RM");
    c.Iva = QStringLiteral("");
    c.Indirizzo = QStringLiteral("Via dei Coronari, 48");
    c.Cap = QStringLiteral("00186");
    c.ComuneRes = QStringLiteral("Roma");
    c.ProvRes = QStringLiteral("RM");
    c.Stato = QStringLiteral("Coniugata");
    c.Familiari = QStringLiteral("Collana in oro giallo 18 kt, orecchini con perle");
    c.Recapito = QStringLiteral("347 5512098");
    c.TelCasa = QStringLiteral("06 68801234");
    c.TelCel = QStringLiteral("347 5512098");
    c.TelUff = QStringLiteral("06 44781200");
    c.Email = QStringLiteral("mg.rossi@example.it");
    c.Qualifiche = QStringLiteral("Laurea in Economia");
    c.Professione = QStringLiteral("Commercialista");
    c.Iban = QStringLiteral("IT60X0542811101000000123456");
    c.Intestatario = QStringLiteral("Rossi Maria Grazia");
    c.Banca = QStringLiteral("Banca Popolare di Roma");
    c.Carta = QStringLiteral("4532015112830366");
    c.ScadeCarta = QStringLiteral("09/2027");
    c.Prodotti = QStringLiteral("Fede nuziale, bracciale tennis in oro bianco");
    c.Pagamento = QStringLiteral("Bonifico bancario");
    c.Note = QStringLiteral("Preferisce essere contattata al mattino");
    c.TipoDoc = QStringLiteral("Carta d'identità");
    c.NumDoc = QStringLiteral("CA12345BB");
    c.EnteRil = QStringLiteral("Comune di Roma");
    c.DataRil = QStringLiteral("03/02/2020");
    c.DataSca = QStringLiteral("12/05/2031");
    c.Codice = QStringLiteral("CL-0042");
    c.Categoria = QStringLiteral("Privato");
    c.Zona = QStringLiteral("Studio Rossi & Associati");
    c.Acquisto = QStringLiteral("Parure in oro e diamanti");
    c.Decorrenza = QStringLiteral("15/01/2025");
    c.Scadenza = QStringLiteral("15/07/2025");
    c.Preavviso = QStringLiteral("10");
    c.Totale = QStringLiteral("3600,00");
    c.Frazionamento = QStringLiteral("Mensile");
    c.Rata = QStringLiteral("300,00");
    c.File01 = QStringLiteral("Carta_identita_Rossi.pdf");
    c.Desc01 = QStringLiteral("Carta d'identità fronte e retro");
    c.File02 = QStringLiteral("Contratto_rateale.pdf");
    c.Desc02 = QStringLiteral("Contratto di pagamento rateale firmato");
    return c;
}

} // namespace

void shootCustomers(Shooter &shoot)
{
    {
        RecordFile file(DataFolder::file(FileNames::customerArchive()), CustomerRecordLayout::size);
        file.append(CustomerRecordLayout::encode(sampleCustomer()));
        file.close();
    }
    auto *window = AppWindows::find<TfrmAnagrafica>();
    shoot.window(window, QStringLiteral("TfrmAnagrafica-vuota"));
    window->loadCard(0);
    shoot.window(window, QStringLiteral("TfrmAnagrafica"));
    window->hide();

    TfrmAllegaCartella attachments(window);
    Controls::setToken(&attachments, QStringLiteral("anagrafica"));
    Controls::setText(&attachments, QStringLiteral("txtFile01"), QStringLiteral("Carta_identita_Rossi.pdf"));
    Controls::setText(&attachments, QStringLiteral("txtDesc01"), QStringLiteral("Carta d'identità fronte e retro"));
    Controls::setText(&attachments, QStringLiteral("txtFile02"), QStringLiteral("Contratto_rateale.pdf"));
    Controls::setText(&attachments, QStringLiteral("txtDesc02"), QStringLiteral("Contratto di pagamento rateale firmato"));
    shoot.window(&attachments, QStringLiteral("TfrmAllegaCartella"));

    TfrmCartella folder(window);
    Controls::setToken(&folder, QStringLiteral("1"));
    shoot.window(&folder, QStringLiteral("TfrmCartella"));
}
