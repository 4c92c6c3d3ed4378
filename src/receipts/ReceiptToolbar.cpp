// The toolbar of the receipt window: one image button per command.
#include "receipts/ReceiptWindow.h"
#include "ui/FieldBehaviour.h"
#include "ui/Icons.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {

struct Command
{
    const char *name;
    const char *icon;
    const char16_t *caption;
    const char16_t *hint;
    void (TfrmRicevute::*handler)();
};

// nullptr names stand for a separator; "lblPosizione" for the position label.
constexpr Command kCommands[] = {
    {"cmdNuovo", "new", u"Nuovo", u"Predispone la schermata per l'emissione di una nuova ricevuta.", &TfrmRicevute::cmdNuovoClick},
    {"cmdSalva", "save", u"Salva", u"Salva o aggiorna la ricevuta corrente.", &TfrmRicevute::cmdSalvaClick},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {"cmdPrimo", "first", u"Prima", u"Visualizza la prima ricevuta in archivio.", &TfrmRicevute::cmdPrimoClick},
    {"cmdIndietro", "previous", u"Precedente", u"Visualizza la ricevuta precedente in archivio.", &TfrmRicevute::cmdIndietroClick},
    {"lblPosizione", nullptr, nullptr, nullptr, nullptr},
    {"cmdAvanti", "next", u"Successiva", u"Visualizza la ricevuta successiva in archivio.", &TfrmRicevute::cmdAvantiClick},
    {"cmdUltimo", "last", u"Ultima", u"Visualizza l'ultima ricevuta in archivio.", &TfrmRicevute::cmdUltimoClick},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {"cmdTrova", "find", u"Trova", u"Trova una ricevuta in archivio.", &TfrmRicevute::cmdTrovaClick},
    {"cmdImporta", "import", u"Cliente", u"Importa i dati del cliente dall'archivio anagrafico.", &TfrmRicevute::cmdImportaClick},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {"cmdSospese", "list", u"Sospese", u"Visualizza il riepilogo delle ricevute non saldate.", &TfrmRicevute::cmdSospeseClick},
    {"cmdRiepMensile", "receipts-summary-month", u"Mese", u"Visualizza il riepilogo mensile delle ricevute emesse.", &TfrmRicevute::cmdRiepMensileClick},
    {"cmdRiepTrimestrale", "receipts-summary-quarter", u"Trimestre", u"Visualizza il riepilogo trimestrale delle ricevute emesse.", &TfrmRicevute::cmdRiepTrimestraleClick},
    {"cmdRiepAnnuale", "receipts-summary-year", u"Anno", u"Visualizza il riepilogo annuale delle ricevute emesse.", &TfrmRicevute::cmdRiepAnnualeClick},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {"cmdNumerazione", "numbering", u"Numeraz.", u"Imposta il numero iniziale per la numerazione delle ricevute.", &TfrmRicevute::cmdNumerazioneClick},
    {"cmdEsporta", "excel", u"Excel", u"Esporta le ricevute in archivio in un file di Microsoft Excel.", &TfrmRicevute::cmdEsportaClick},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {"cmdStampa", "print", u"Stampa", u"Stampa la ricevuta corrente.", &TfrmRicevute::cmdStampaClick},
    {"cmdAnteprima", "preview", u"Anteprima", u"Visualizza l'anteprima di stampa della ricevuta corrente.", &TfrmRicevute::cmdAnteprimaClick},
    {"cmdPDF", "pdf", u"PDF", u"Esporta la ricevuta corrente in formato PDF.", &TfrmRicevute::cmdPDFClick},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {"cmdGuida", "help", u"Guida", u"Visualizza la guida in linea.", &TfrmRicevute::cmdGuidaClick},
    {"cmdEsci", "exit", u"Esci", u"Esci da questa schermata di lavoro.", &TfrmRicevute::cmdEsciClick},
};

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setProperty("toolbarSeparator", true);
    return line;
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
    for (const Command &c : kCommands) {
        if (!c.name) {
            layout->addSpacing(3);
            layout->addWidget(separator(bar));
            layout->addSpacing(3);
            continue;
        }
        if (!c.icon) {
            lblPosizione = new QLabel(bar);
            lblPosizione->setObjectName(QLatin1StringView(c.name));
            lblPosizione->setAlignment(Qt::AlignCenter);
            lblPosizione->setMinimumWidth(48);
            lblPosizione->setFixedHeight(30);
            lblPosizione->setToolTip(QStringLiteral("Posizione della ricevuta in archivio"));
            layout->addWidget(lblPosizione);
            continue;
        }
        auto *b = new QToolButton(bar);
        b->setObjectName(QLatin1StringView(c.name));
        b->setIcon(Icons::icon(QLatin1StringView(c.icon)));
        b->setIconSize(QSize(30, 30));
        b->setText(QString::fromUtf16(c.caption));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        b->setCursor(Qt::PointingHandCursor);
        b->setToolTip(QString::fromUtf16(c.hint));
        FieldBehaviour::setHint(b, QString::fromUtf16(c.hint));
        connect(b, &QToolButton::clicked, this, c.handler);
        layout->addWidget(b);
    }
    layout->addStretch();
    return bar;
}
