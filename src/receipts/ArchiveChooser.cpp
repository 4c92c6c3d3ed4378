#include "receipts/ArchiveChooser.h"
#include "ui/Looks.h"
#include "ui/WindowNames.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/FieldBehaviour.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/LinkLabel.h"
#include "ui/Messages.h"
#include "ui/Theme.h"
#include "receipts/ReceiptArchive.h"
#include "storage/Clock.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kToMainMenu = QStringLiteral("avvio");
const QString kToReceipts = QStringLiteral("ricevute");
const QString kToStatistics = QStringLiteral("statistiche_ric");

QPushButton *openButton(QWidget *parent, const char *name)
{
    auto *b = new QPushButton(QStringLiteral("Apri"), parent);
    b->setObjectName(QLatin1StringView(name));
    b->setMinimumWidth(110);
    b->setCursor(Qt::PointingHandCursor);
    b->setAutoDefault(true);  // Enter on the focused button opens
    return b;
}

} // namespace

TfrmMenuRicevute::TfrmMenuRicevute(QWidget *parent)
    : AreaWindow(WindowNames::of<TfrmMenuRicevute>(), QStringLiteral(" Valtrena - Emissione ricevute"),
                 Presentation::Maximised, parent)
{
    setStyleSheet(Theme::css(u"QPushButton{font:bold 10pt @bodyFace;padding:6px 16px;}"));

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panMenu"));
    Looks::set(panel, Looks::Look::Card);
    panel->setMinimumWidth(620);

    auto *imgIcona = new QLabel(panel);
    imgIcona->setObjectName(QStringLiteral("imgIcona"));
    imgIcona->setPixmap(Icons::pixmap(QStringLiteral("area-receipts"), 64));
    auto *lblTitolo = new QLabel(QStringLiteral("Emissione ricevute"), panel);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(Theme::font(Theme::Face::Title, 24, QFont::Bold));
    Looks::set(lblTitolo, Looks::Look::Title);
    auto *lblInfo = new QLabel(QStringLiteral(
        "In questo ambiente è possibile emettere ricevute per i propri clienti e visualizzare "
        "grafici statistici degli incassi mensili."), panel);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);
    lblInfo->setFont(Theme::font(Theme::Face::Body, 11));
    Looks::set(lblInfo, Looks::Look::Explanation);

    auto *grpArchivio = new QGroupBox(QStringLiteral("Archivio ricevute:"), panel);
    grpArchivio->setObjectName(QStringLiteral("grpArchivio"));
    auto *lblAnnoFatture = new QLabel(QStringLiteral("Anno:"), grpArchivio);
    lblAnnoFatture->setFont(Theme::font(Theme::Face::Body, 11));
    txtAnnoFatture = new QLineEdit(grpArchivio);
    txtAnnoFatture->setObjectName(QStringLiteral("txtAnnoFatture"));
    txtAnnoFatture->setMaxLength(4);
    txtAnnoFatture->setFont(Theme::font(Theme::Face::Body, 14, QFont::Bold));
    txtAnnoFatture->setAlignment(Qt::AlignCenter);
    txtAnnoFatture->setFixedWidth(110);
    auto *btnApriFatture = openButton(grpArchivio, "btnApriFatture");
    auto *archivio = new QHBoxLayout(grpArchivio);
    archivio->addWidget(lblAnnoFatture);
    archivio->addSpacing(6);
    archivio->addWidget(txtAnnoFatture);
    archivio->addStretch();
    archivio->addWidget(btnApriFatture);

    auto *grpStatistiche = new QGroupBox(QStringLiteral("Grafici statistici incassi mensili:"), panel);
    grpStatistiche->setObjectName(QStringLiteral("grpStatistiche"));
    auto *imgGrafico = new QLabel(grpStatistiche);
    imgGrafico->setPixmap(Icons::pixmap(QStringLiteral("chart"), 32));
    auto *lblGrafici = new QLabel(QStringLiteral("Incassi di ogni mese dell'anno, a barre o a torta."),
                                  grpStatistiche);
    lblGrafici->setFont(Theme::font(Theme::Face::Body, 10));
    auto *btnApriRiepStats = openButton(grpStatistiche, "btnApriRiepStats");
    auto *statistiche = new QHBoxLayout(grpStatistiche);
    statistiche->addWidget(imgGrafico);
    statistiche->addWidget(lblGrafici, 1);
    statistiche->addWidget(btnApriRiepStats);

    auto *imgEmail = new QLabel(panel);
    imgEmail->setObjectName(QStringLiteral("imgEmail"));
    imgEmail->setPixmap(Icons::pixmap(QStringLiteral("logo"), 28));
    auto *lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"), QStringLiteral("Imposta Logo Ditta"), panel, 12);
    lnkWeb->addBuddy(imgEmail);

    auto *imgGuida = Icons::button(panel, "imgGuida", "help", 32, QStringLiteral("Guida"));
    auto *imgEsci = Icons::button(panel, "imgEsci", "exit", 32, QStringLiteral("Esci"));
    lblMemory = Controls::stateLabel(panel, "lblMemory", kToMainMenu);

    auto *head = new QHBoxLayout;
    head->addWidget(imgIcona);
    head->addSpacing(10);
    head->addWidget(lblTitolo, 1);
    head->addWidget(imgGuida, 0, Qt::AlignTop);
    head->addWidget(imgEsci, 0, Qt::AlignTop);
    auto *logo = new QHBoxLayout;
    logo->addWidget(imgEmail);
    logo->addWidget(lnkWeb);
    logo->addStretch();

    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(32, 24, 32, 24);
    panelLayout->setSpacing(16);
    panelLayout->addLayout(head);
    panelLayout->addWidget(lblInfo);
    panelLayout->addWidget(grpArchivio);
    panelLayout->addWidget(grpStatistiche);
    panelLayout->addLayout(logo);

    auto *outer = new QGridLayout(this);
    outer->addWidget(panel, 1, 1);
    outer->setRowStretch(0, 1);
    outer->setRowStretch(2, 1);
    outer->setColumnStretch(0, 1);
    outer->setColumnStretch(2, 1);

    FieldBehaviour::highlightWithRectangle(txtAnnoFatture);
    FieldBehaviour::filterDigitInput(txtAnnoFatture);
    FieldBehaviour::enterChain(this, {{QStringLiteral("txtAnnoFatture"), QStringLiteral("btnApriFatture")}});

    connect(btnApriFatture, &QPushButton::clicked, this, &TfrmMenuRicevute::btnApriFattureClick);
    connect(btnApriRiepStats, &QPushButton::clicked, this, &TfrmMenuRicevute::btnApriRiepStatsClick);
    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmMenuRicevute::lnkWebClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmMenuRicevute::imgGuidaClick);
    connect(imgEsci, &QToolButton::clicked, this, &TfrmMenuRicevute::imgEsciClick);
}

void TfrmMenuRicevute::formShow()
{
    txtAnnoFatture->setText(Clock::today().toString(QStringLiteral("yyyy")));
    lblMemory->setText(kToMainMenu);
    txtAnnoFatture->setFocus();
}

void TfrmMenuRicevute::btnApriFattureClick()
{
    // Exactly four digits: no other text may name, open or create an archive.
    const QString typed = txtAnnoFatture->text();
    if (typed.size() != 4 || !std::all_of(typed.cbegin(), typed.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        Messages::warning(QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."), this);
        txtAnnoFatture->setFocus();
        return;
    }
    const QString year = txtAnnoFatture->text().trimmed();
    if (QWidget *receipts = AppWindows::get(WindowNames::ricevute)) {
        Controls::setText(receipts, QStringLiteral("lblFile"), ReceiptArchive::path(year));
        Controls::setText(receipts, QStringLiteral("lblAnno"), year);
        receipts->setWindowTitle(QStringLiteral(" Valtrena - Archivio ricevute anno ") + year);
    }
    lblMemory->setText(kToReceipts);
    close();
}

void TfrmMenuRicevute::btnApriRiepStatsClick()
{
    lblMemory->setText(kToStatistics);
    close();
}

void TfrmMenuRicevute::lnkWebClick() { Dialogs::open(WindowNames::logo, this); }

void TfrmMenuRicevute::imgGuidaClick() { Help::open(this); }

void TfrmMenuRicevute::imgEsciClick() { close(); }

void TfrmMenuRicevute::formClose()
{
    const QString token = lblMemory->text().trimmed();
    if (token == kToReceipts)
        AppWindows::show(WindowNames::ricevute);
    else if (token == kToStatistics)
        AppWindows::show(WindowNames::statistiche);
    else
        AppWindows::show(AppWindows::mainMenu());
}
