// The toolbar of the receipt window: one image button per command.
#include "receipts/ReceiptWindow.h"
#include "ui/Toolbar.h"

#include <QFrame>
#include <QHBoxLayout>

namespace {

using Command = Toolbar::Command<TfrmRicevute>;

// nullptr names stand for a separator; "lblPosizione" for the position label.
const QList<Command> &commands()
{
    static const QList<Command> table = {
        {"cmdNuovo", "new", QStringLiteral("Nuovo"), QStringLiteral("Predispone la schermata per l'emissione di una nuova ricevuta."), &TfrmRicevute::cmdNuovoClick},
        {"cmdSalva", "save", QStringLiteral("Salva"), QStringLiteral("Salva o aggiorna la ricevuta corrente."), &TfrmRicevute::cmdSalvaClick},
        {nullptr, nullptr, {}, {}, nullptr},
        {"cmdPrimo", "first", QStringLiteral("Prima"), QStringLiteral("Visualizza la prima ricevuta in archivio."), &TfrmRicevute::cmdPrimoClick},
        {"cmdIndietro", "previous", QStringLiteral("Precedente"), QStringLiteral("Visualizza la ricevuta precedente in archivio."), &TfrmRicevute::cmdIndietroClick},
        {"lblPosizione", nullptr, {}, {}, nullptr},
        {"cmdAvanti", "next", QStringLiteral("Successiva"), QStringLiteral("Visualizza la ricevuta successiva in archivio."), &TfrmRicevute::cmdAvantiClick},
        {"cmdUltimo", "last", QStringLiteral("Ultima"), QStringLiteral("Visualizza l'ultima ricevuta in archivio."), &TfrmRicevute::cmdUltimoClick},
        {nullptr, nullptr, {}, {}, nullptr},
        {"cmdTrova", "find", QStringLiteral("Trova"), QStringLiteral("Trova una ricevuta in archivio."), &TfrmRicevute::cmdTrovaClick},
        {"cmdImporta", "import", QStringLiteral("Cliente"), QStringLiteral("Importa i dati del cliente dall'archivio anagrafico."), &TfrmRicevute::cmdImportaClick},
        {nullptr, nullptr, {}, {}, nullptr},
        {"cmdSospese", "list", QStringLiteral("Sospese"), QStringLiteral("Visualizza il riepilogo delle ricevute non saldate."), &TfrmRicevute::cmdSospeseClick},
        {"cmdRiepMensile", "receipts-summary-month", QStringLiteral("Mese"), QStringLiteral("Visualizza il riepilogo mensile delle ricevute emesse."), &TfrmRicevute::cmdRiepMensileClick},
        {"cmdRiepTrimestrale", "receipts-summary-quarter", QStringLiteral("Trimestre"), QStringLiteral("Visualizza il riepilogo trimestrale delle ricevute emesse."), &TfrmRicevute::cmdRiepTrimestraleClick},
        {"cmdRiepAnnuale", "receipts-summary-year", QStringLiteral("Anno"), QStringLiteral("Visualizza il riepilogo annuale delle ricevute emesse."), &TfrmRicevute::cmdRiepAnnualeClick},
        {nullptr, nullptr, {}, {}, nullptr},
        {"cmdNumerazione", "numbering", QStringLiteral("Numeraz."), QStringLiteral("Imposta il numero iniziale per la numerazione delle ricevute."), &TfrmRicevute::cmdNumerazioneClick},
        {"cmdEsporta", "excel", QStringLiteral("Excel"), QStringLiteral("Esporta le ricevute in archivio in un file di Microsoft Excel."), &TfrmRicevute::cmdEsportaClick},
        {nullptr, nullptr, {}, {}, nullptr},
        {"cmdStampa", "print", QStringLiteral("Stampa"), QStringLiteral("Stampa la ricevuta corrente."), &TfrmRicevute::cmdStampaClick},
        {"cmdAnteprima", "preview", QStringLiteral("Anteprima"), QStringLiteral("Visualizza l'anteprima di stampa della ricevuta corrente."), &TfrmRicevute::cmdAnteprimaClick},
        {"cmdPDF", "pdf", QStringLiteral("PDF"), QStringLiteral("Esporta la ricevuta corrente in formato PDF."), &TfrmRicevute::cmdPDFClick},
        {nullptr, nullptr, {}, {}, nullptr},
        {"cmdGuida", "help", QStringLiteral("Guida"), QStringLiteral("Visualizza la guida in linea."), &TfrmRicevute::cmdGuidaClick},
        {"cmdEsci", "exit", QStringLiteral("Esci"), QStringLiteral("Esci da questa schermata di lavoro."), &TfrmRicevute::cmdEsciClick},
    };
    return table;
}

} // namespace

QWidget *TfrmRicevute::buildToolbar()
{
    // The summary pictures live in this area's resources, in a static library.
    Q_INIT_RESOURCE(receipts);
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("panToolbar"));
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->setSpacing(1);
    lblPosizione = Toolbar::add(bar, layout, Toolbar::bind(this, commands()),
                                QStringLiteral("Posizione della ricevuta in archivio"));
    layout->addStretch();
    return bar;
}
