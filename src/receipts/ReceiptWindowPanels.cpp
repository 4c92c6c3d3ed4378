// The issuer, customer, receipt and totals panels of the receipt window.
#include "ui/Icons.h"
#include "ui/Looks.h"
#include "ui/FieldBehaviour.h"
#include "receipts/ReceiptForm.h"
#include "receipts/ReceiptWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using ReceiptForm::Field;
using ReceiptForm::Kind;

namespace {

constexpr Field kIssuerFields[] = {
    {"txtDitta", u"Ditta emittente:", 50, 0, 0, 5},
    {"txtViaDitta", u"Via e numero civico:", 50, 1, 0, 5},
    {"txtCittaDitta", u"Città:", 50, 2, 0, 5},
    {"txtCapDitta", u"CAP:", 12, 3, 0, 1},
    {"txtProvDitta", u"Prov.", 2, 3, 1, 1, Kind::Province},
    {"txtIvaDitta", u"Partita IVA:", 30, 4, 0, 5},
    {"txtCodFiscDitta", u"Codice fiscale:", 30, 5, 0, 5},
    {"txtLibero01", u"Campo libero 1:", 50, 6, 0, 5},
    {"txtLibero02", u"Campo libero 2:", 50, 7, 0, 5},
};

constexpr Field kCustomerFields[] = {
    {"txtCliente", u"Cognome e nome o ragione sociale Cliente:", 50, 0, 0, 6, Kind::LabelAbove},
    {"txtViaCliente", u"Via e numero civico:", 50, 2, 0, 5},
    {"txtCittaCliente", u"Città:", 50, 3, 0, 5},
    {"txtCapCliente", u"CAP:", 12, 4, 0, 1},
    {"txtProvCliente", u"Prov.", 2, 4, 1, 1, Kind::Province},
    {"txtIvaCliente", u"Partita IVA:", 30, 5, 0, 5},
    {"txtCodFiscCliente", u"Codice fiscale:", 30, 6, 0, 5},
    {"txtNote", u"Note:", 250, 7, 0, 5},
};

constexpr Field kReceiptFields[] = {
    {"txtNumRic", u"Ricevuta n.", 30, 0, 0, 1},
    {"txtData", u"Data emissione:", 20, 1, 0, 1},
    {"txtRiferimenti", u"Riferimenti:", 50, 2, 0, 5},
    {"txtPagamento", u"Modalità di pagamento:", 50, 3, 0, 5},
    {"txtBanca", u"Banca d'appoggio:", 50, 4, 0, 5},
};

QGridLayout *panelGrid(QFrame *card)
{
    auto *grid = new QGridLayout;
    grid->setContentsMargins(10, 2, 10, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    static_cast<QVBoxLayout *>(card->layout())->addLayout(grid);
    static_cast<QVBoxLayout *>(card->layout())->addStretch();
    return grid;
}

// A small caption that sits above an amount in the totals panel.
QLabel *totalsCaption(QWidget *parent, const QString &text)
{
    auto *l = new QLabel(text, parent);
    Looks::set(l, Looks::Look::Caption);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

} // namespace

QWidget *TfrmRicevute::buildIssuerPanel()
{
    QHBoxLayout *header = nullptr;
    QFrame *panel = ReceiptForm::card(this, "panDitta", QStringLiteral("Ditta emittente"), &header);
    auto *btnLogo = Icons::hintedButton(panel, "btnLogo", "logo", 22,
                                        QStringLiteral("Carica il logo della Ditta emittente."));
    auto *btnCancDitta = Icons::hintedButton(panel, "btnCancDitta", "delete", 22,
                                             QStringLiteral("Cancella i dati della Ditta emittente."));
    header->addWidget(btnLogo);
    header->addWidget(btnCancDitta);

    QGridLayout *grid = panelGrid(panel);
    ReceiptForm::addFields(panel, grid, kIssuerFields);
    auto *btnIvaDitta = Icons::hintedButton(panel, "btnIvaDitta", "check", 18,
                                            QStringLiteral("Controlla il numero di partita IVA."));
    auto *btnCodFiscDitta = Icons::hintedButton(panel, "btnCodFiscDitta", "check", 18,
                                                QStringLiteral("Controlla il codice fiscale."));
    grid->addWidget(btnIvaDitta, 4, 6);
    grid->addWidget(btnCodFiscDitta, 5, 6);
    grid->setColumnStretch(5, 1);

    connect(btnLogo, &QToolButton::clicked, this, &TfrmRicevute::btnLogoClick);
    connect(btnCancDitta, &QToolButton::clicked, this, &TfrmRicevute::btnCancDittaClick);
    connect(btnIvaDitta, &QToolButton::clicked, this, &TfrmRicevute::btnIvaDittaClick);
    connect(btnCodFiscDitta, &QToolButton::clicked, this, &TfrmRicevute::btnCodFiscDittaClick);
    return panel;
}

QWidget *TfrmRicevute::buildCustomerPanel()
{
    QFrame *panel = ReceiptForm::card(this, "panCliente", QStringLiteral("Cliente"));
    QGridLayout *grid = panelGrid(panel);
    ReceiptForm::addFields(panel, grid, kCustomerFields);
    auto *btnIvaCliente = Icons::hintedButton(panel, "btnIvaCliente", "check", 18,
                                              QStringLiteral("Controlla il numero di partita IVA."));
    auto *btnCodFiscCliente = Icons::hintedButton(panel, "btnCodFiscCliente", "check", 18,
                                                  QStringLiteral("Controlla il codice fiscale."));
    grid->addWidget(btnIvaCliente, 5, 6);
    grid->addWidget(btnCodFiscCliente, 6, 6);
    grid->setColumnStretch(5, 1);

    connect(btnIvaCliente, &QToolButton::clicked, this, &TfrmRicevute::btnIvaClienteClick);
    connect(btnCodFiscCliente, &QToolButton::clicked, this, &TfrmRicevute::btnCodFiscClienteClick);
    return panel;
}

QWidget *TfrmRicevute::buildReceiptPanel()
{
    QFrame *panel = ReceiptForm::card(this, "panNumRicevuta", QStringLiteral("Ricevuta"));
    QGridLayout *grid = panelGrid(panel);
    ReceiptForm::addFields(panel, grid, kReceiptFields);
    auto *impOggi = Icons::hintedButton(panel, "impOggi", "today", 22,
                                        QStringLiteral("Inserisci la data corrente."));
    grid->addWidget(impOggi, 1, 2);
    grid->setColumnStretch(5, 1);
    connect(impOggi, &QToolButton::clicked, this, &TfrmRicevute::impOggiClick);
    return panel;
}

QWidget *TfrmRicevute::buildTotalsPanel()
{
    QFrame *panel = ReceiptForm::card(this, "panTotali", QStringLiteral("Totali"));
    panel->setMinimumWidth(270);

    txtTotCorrispettivi = new QLabel(panel);
    txtTotCorrispettivi->setObjectName(QStringLiteral("txtTotCorrispettivi"));
    txtTotCorrispettivi->setProperty("computed", true);
    txtTotCorrispettivi->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtAcconti = new QLineEdit(QStringLiteral("0,00"), panel);
    txtAcconti->setObjectName(QStringLiteral("txtAcconti"));
    txtTassa = new QLineEdit(QStringLiteral("0,00"), panel);
    txtTassa->setObjectName(QStringLiteral("txtTassa"));
    for (QLineEdit *amount : {txtAcconti, txtTassa}) {
        amount->setMaxLength(10);
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    auto *cmdCalcola = new QPushButton(QStringLiteral("CALCOLA >>"), panel);
    cmdCalcola->setObjectName(QStringLiteral("cmdCalcola"));
    cmdCalcola->setCursor(Qt::PointingHandCursor);
    cmdCalcola->setAutoDefault(true);  // Enter, after the chain lands here, computes
    FieldBehaviour::setHint(cmdCalcola, QStringLiteral("Calcola gli importi totali."));
    txtTotale = new QLabel(panel);
    txtTotale->setObjectName(QStringLiteral("txtTotale"));
    txtTotale->setProperty("grandTotal", true);
    txtTotale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    chkSaldata = new QCheckBox(QStringLiteral("Saldata"), panel);
    chkSaldata->setObjectName(QStringLiteral("chkSaldata"));

    auto *grid = new QGridLayout;
    grid->setContentsMargins(12, 4, 12, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(7);
    grid->addWidget(totalsCaption(panel, QStringLiteral("Tot. corrispettivi:")), 0, 0);
    grid->addWidget(txtTotCorrispettivi, 0, 1);
    grid->addWidget(totalsCaption(panel, QStringLiteral("Acconti:")), 1, 0);
    grid->addWidget(txtAcconti, 1, 1);
    grid->addWidget(totalsCaption(panel, QStringLiteral("Imposta di bollo:")), 2, 0);
    grid->addWidget(txtTassa, 2, 1);
    grid->addWidget(cmdCalcola, 3, 0, 1, 2);
    auto *totalCaption = totalsCaption(panel, QStringLiteral("TOTALE:"));
    totalCaption->setProperty("grandTotal", true);
    grid->addWidget(totalCaption, 4, 0);
    grid->addWidget(txtTotale, 4, 1);
    grid->addWidget(chkSaldata, 5, 0, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    static_cast<QVBoxLayout *>(panel->layout())->addLayout(grid);
    static_cast<QVBoxLayout *>(panel->layout())->addStretch();

    connect(cmdCalcola, &QPushButton::clicked, this, &TfrmRicevute::cmdCalcolaClick);
    return panel;
}
