#include "Archives.h"
#include "Samples.h"
#include "Shooter.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "customers/AttachmentsDialog.h"
#include "customers/CustomerFolderDialog.h"
#include "customers/CustomerPrint.h"
#include "customers/CustomerRecord.h"
#include "customers/CustomerSearch.h"
#include "customers/InstalmentsDue.h"
#include "customers/CustomerWindow.h"
#include "report/ReportOutput.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"

#include <QAbstractButton>
#include <QApplication>

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

// A few more cards, some with instalments due by mid June 2025.
QList<CustomerRecord> moreCustomers()
{
    struct Row { const char16_t *surname, *name, *fiscal, *company, *phone, *note, *purpose, *due, *notice, *instalment; };
    const Row rows[] = {
        {u"Bianchi", u"Giovanni", u"BNCGNN65C12F205K", u"Bianchi Costruzioni S.r.l.", u"02 5567123", u"Cliente dal 2019",
         u"Orologio Omega Seamaster", u"20/06/2025", u"7", u"450,00"},
        {u"Esposito", u"Carmela", u"SPSCML58T44F839Z", u"", u"081 7765432", u"Vende spesso monete d'oro",
         u"Anello solitario", u"31/05/2025", u"0", u"120,00"},
        {u"Ferrari", u"Luca", u"FRRLCU80A01L219P", u"Ferrari Gioielli", u"011 4456789", u"", u"", u"10/09/2025",
         u"5", u"0,00"},
        {u"Romano", u"Alessandra", u"RMNLSN77M41H501W", u"Studio Legale Romano", u"06 3321456",
         u"Chiede sempre la ricevuta via e-mail", u"Bracciale in oro rosa", u"18/06/2025", u"5", u"95,50"},
        {u"Colombo", u"Marco", u"CLMMRC69D15F205Q", u"", u"338 9901234", u"", u"Catena in oro bianco",
         u"01/06/2025", u"0", u"210,00"},
    };
    QList<CustomerRecord> out;
    for (const Row &r : rows) {
        CustomerRecord c;
        c.Cognome = QString::fromUtf16(r.surname);
        c.Nome = QString::fromUtf16(r.name);
        c.CodFisc = QString::fromUtf16(r.fiscal);
        c.Zona = QString::fromUtf16(r.company);
        c.Recapito = QString::fromUtf16(r.phone);
        c.Note = QString::fromUtf16(r.note);
        c.Acquisto = QString::fromUtf16(r.purpose);
        c.Decorrenza = QStringLiteral("01/01/2025");
        c.Scadenza = QString::fromUtf16(r.due);
        c.Preavviso = QString::fromUtf16(r.notice);
        c.Rata = QString::fromUtf16(r.instalment);
        c.Totale = QStringLiteral("0,00");
        out.append(c);
    }
    return out;
}

} // namespace

CustomerRecord Samples::customer() { return sampleCustomer(); }

void shootCustomers(Shooter &shoot)
{
    if (!Archives::writeCustomers(QList{sampleCustomer()} + moreCustomers()))
        qWarning("cannot write %s", qPrintable(Archives::customerPath()));
    auto *window = AppWindows::find<TfrmAnagrafica>();
    shoot.window(window, QStringLiteral("TfrmAnagrafica-vuota"));
    window->loadCard(0);
    shoot.window(window, QStringLiteral("TfrmAnagrafica"));
    window->resize(1920, 1080);
    QApplication::processEvents();
    shoot.image(window->grab().toImage(), QStringLiteral("TfrmAnagrafica-1920x1080"));
    window->hide();

    shoot.image(Report::renderPage(CustomerPrint::page(sampleCustomer()), 0, 150, Clock::now()),
                QStringLiteral("stampa-scheda-cliente"));

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

    TfrmTrovaClienti search(window);
    Controls::setToken(&search, QStringLiteral("clienti"));
    Controls::setText(&search, QStringLiteral("txtNote"), QStringLiteral("e"));
    shoot.window(&search, QStringLiteral("TfrmTrovaClienti"));
    search.findChild<QAbstractButton *>(QStringLiteral("btnCerca"))->click();
    shoot.window(&search, QStringLiteral("TfrmTrovaClienti-risultati"));

    TfrmDaRinnovare due(window);
    shoot.window(&due, QStringLiteral("TfrmDaRinnovare"));
}
