#include "summaries/StatisticsWindow.h"
#include "ui/FieldKind.h"
#include "ui/Looks.h"
#include "ui/WindowNames.h"
#include "ui/FieldBehaviour.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Theme.h"
#include "storage/AmountText.h"
#include "storage/ArchiveTexts.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"
#include "storage/StorageError.h"
#include "summaries/StatisticsChart.h"
#include "summaries/StatisticsPrinting.h"
#include "summaries/StatisticsSums.h"
#include "resultlist/UnreadableRecord.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct Month
{
    const char *memo;
    const char16_t *label;
};

// The twelve points of the chart, in month order; their colours are the
// chart series' of the Theme.
constexpr Month kMonths[] = {
    {"memGennaio", u"Gennaio"},     {"memFebbraio", u"Febbraio"}, {"memMarzo", u"Marzo"},
    {"memAprile", u"Aprile"},       {"memMaggio", u"Maggio"},     {"memGiugno", u"Giugno"},
    {"memLuglio", u"Luglio"},       {"memAgosto", u"Agosto"},     {"memSettembre", u"Settembre"},
    {"memOttobre", u"Ottobre"},     {"memNovembre", u"Novembre"}, {"memDicembre", u"Dicembre"},
};

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QString &icon)
{
    auto *b = new QPushButton(Icons::icon(icon), text, parent);
    b->setObjectName(QLatin1StringView(name));
    b->setIconSize(QSize(22, 22));
    b->setMinimumHeight(38);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

// The pie button's face: a small pie in the chart's first colours.
QIcon pieIcon()
{
    QPixmap pm(44, 44);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Theme::colour(Theme::Colour::ChartIconEdge), 1.5));
    const QRectF r(4, 4, 36, 36);
    const int spans[] = {130, 90, 80, 60};
    int start = 90 * 16;
    for (int i = 0; i < 4; ++i) {
        p.setBrush(Theme::chartSeries(i));
        p.drawPie(r, start, -spans[i] * 16);
        start -= spans[i] * 16;
    }
    return QIcon(pm);
}

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1StringView(name));
    return l;
}

} // namespace

TfrmStatistiche::TfrmStatistiche(QWidget *parent)
    : AreaWindow(WindowNames::of<TfrmStatistiche>(), QStringLiteral(" Valtrena - Statistiche ricevute emesse"),
                 Presentation::Maximised, parent)
{
    setStyleSheet(Theme::css(u"#panInfo{background:@infoFill;border:1px solid @groupBorder;border-radius:4px;padding:4px 8px;color:@houseBlue;}"));
    panAvvio = buildYearPanel();
    panContainer = buildChartPanel();

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 18, 18, 18);
    outer->addWidget(panAvvio, 0, Qt::AlignCenter);
    outer->addWidget(panContainer, 1);
    FieldBehaviour::installHintLine(this, panInfo);
    FieldBehaviour::enterChain(this, {{QStringLiteral("txtAnno"), QStringLiteral("btnApri")}});
}

QFrame *TfrmStatistiche::buildYearPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panAvvio"));
    Looks::set(panel, Looks::Look::Card);
    panel->setFixedWidth(560);

    auto *title = new QLabel(QStringLiteral("Statistiche ricevute emesse"), panel);
    title->setFont(Theme::font(Theme::Face::Title, 20, QFont::Bold));
    Looks::set(title, Looks::Look::Title);
    auto *lblApri = label(panel, "lblApri", QStringLiteral("Indicare l'anno solare e premere Apri."));
    lblApri->setFont(Theme::font(Theme::Face::Body, 11));
    lblApri->setStyleSheet(QStringLiteral("border:none;"));

    txtAnno = FieldKinds::lineEdit(FieldKinds::make(panel, QStringLiteral("txtAnno"), FieldKind::digits(), 4));
    txtAnno->setFont(Theme::font(Theme::Face::Body, 26, QFont::Bold));
    txtAnno->setAlignment(Qt::AlignCenter);
    txtAnno->setFixedWidth(170);
    FieldKinds::apply(txtAnno, FieldKind::digits());

    btnApri = button(panel, "btnApri", QStringLiteral("Apri"), QStringLiteral("chart"));
    btnApri->setMinimumWidth(130);
    auto *imgGuida = Icons::button(panel, "imgGuida", "help", 32, QStringLiteral("Guida"));
    auto *imgEsci = Icons::button(panel, "imgEsci", "exit", 32, QStringLiteral("Esci"));

    // Hidden holders of the archive path and of the month sums as text.
    lblFile = label(panel, "lblFile", QString());
    lblFile->hide();
    for (const Month &m : kMonths) {
        auto *memo = label(panel, m.memo, QStringLiteral("0"));
        memo->hide();
        memMonths.append(memo);
    }

    auto *yearRow = new QHBoxLayout;
    yearRow->addStretch();
    yearRow->addWidget(txtAnno);
    yearRow->addSpacing(12);
    yearRow->addWidget(btnApri);
    yearRow->addStretch();
    auto *icons = new QHBoxLayout;
    icons->addWidget(imgGuida);
    icons->addStretch();
    icons->addWidget(imgEsci);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(30, 24, 30, 18);
    layout->setSpacing(16);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(lblApri, 0, Qt::AlignHCenter);
    layout->addLayout(yearRow);
    layout->addLayout(icons);

    connect(btnApri, &QPushButton::clicked, this, &TfrmStatistiche::btnApriClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmStatistiche::imgGuidaClick);
    connect(imgEsci, &QToolButton::clicked, this, &QWidget::close);
    return panel;
}

QFrame *TfrmStatistiche::buildChartPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panContainer"));
    Looks::set(panel, Looks::Look::Card);

    lblTitolo = label(panel, "lblTitolo",
                      QStringLiteral("Rappresentazione grafica delle ricevute emesse nell'anno solare."));
    lblTitolo->setFont(Theme::font(Theme::Face::Title, 16, QFont::Bold));
    Looks::set(lblTitolo, Looks::Look::Title);
    auto *lblRigo04 = label(panel, "lblRigo04", QStringLiteral(
        "Il presente grafico statistico mostra gli incassi relativi a ciascun mese dell'anno in base alle ricevute emesse."));
    auto *lblRigo05 = label(panel, "lblRigo05", QStringLiteral(
        "Servirsi dei pulsanti in calce per visualizzare il tipo di grafico desiderato e per mandarlo in stampa."));
    for (QLabel *l : {lblRigo04, lblRigo05}) {
        l->setFont(Theme::font(Theme::Face::Body, 10));
        l->setStyleSheet(Theme::css(u"border:none;color:@charcoal;"));
        l->setWordWrap(true);
    }

    ChartStats = new StatisticsChart(panel);
    auto *btnTorta = button(panel, "btnTorta", QStringLiteral("Visualizza grafico a torta"), QStringLiteral("chart"));
    btnTorta->setIcon(pieIcon());
    auto *btnBarre = button(panel, "btnBarre", QStringLiteral("Visualizza grafico a barre"), QStringLiteral("chart"));
    auto *btnStampa = button(panel, "btnStampa", QStringLiteral("Stampa grafico"), QStringLiteral("print"));
    auto *btnEsci = button(panel, "btnEsci", QStringLiteral("Esci"), QStringLiteral("exit"));
    auto *cmdGuida = Icons::button(panel, "cmdGuida", "help", 32, QStringLiteral("Guida"));
    panInfo = label(panel, "panInfo", QStringLiteral("Grafico statistico degli incassi annuali."));
    panInfo->setMinimumHeight(28);

    FieldBehaviour::setHint(btnBarre, QStringLiteral(
        "Visualizza le statistiche degli incassi sotto forma di grafico a barre tridimensionali."));
    FieldBehaviour::setHint(btnTorta, QStringLiteral(
        "Visualizza le statistiche degli incassi sotto forma di grafico a torta tridimensionale."));
    FieldBehaviour::setHint(btnStampa, QStringLiteral("Stampa il grafico corrente."));
    FieldBehaviour::setHint(btnEsci, QStringLiteral("Esci da questo ambiente di lavoro."));
    FieldBehaviour::setHint(cmdGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(cmdGuida);
    buttons->addStretch();
    for (QPushButton *b : {btnBarre, btnTorta, btnStampa, btnEsci})
        buttons->addWidget(b);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(22, 16, 22, 14);
    layout->setSpacing(8);
    layout->addWidget(lblTitolo);
    layout->addWidget(lblRigo04);
    layout->addWidget(lblRigo05);
    layout->addWidget(ChartStats, 1);
    layout->addLayout(buttons);
    layout->addWidget(panInfo);

    connect(btnTorta, &QPushButton::clicked, this, &TfrmStatistiche::btnTortaClick);
    connect(btnBarre, &QPushButton::clicked, this, &TfrmStatistiche::btnBarreClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStatistiche::btnStampaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdGuida, &QToolButton::clicked, this, &TfrmStatistiche::imgGuidaClick);
    return panel;
}

void TfrmStatistiche::formShow()
{
    txtAnno->setText(Clock::today().toString(QStringLiteral("yyyy")));
    ChartStats->clear();
    panInfo->setText(QStringLiteral("Grafico statistico degli incassi annuali."));
    panContainer->hide();
    panAvvio->show();
    txtAnno->setFocus();
}

void TfrmStatistiche::btnApriClick()
{
    if (txtAnno->text().size() != 4) {
        Messages::warning(QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."), this);
        txtAnno->setFocus();
        return;
    }
    const QString year = txtAnno->text().trimmed();
    lblFile->setText(DataFolder::file(year + u".ric"));
    lblTitolo->setText(u"Rappresentazione grafica delle ricevute emesse nell'anno " + year + u'.');
    QList<ReceiptDateCut::Unplaced> unplaced;
    try {
        unplaced = fillChart(year);
    } catch (const UnreadableRecord &bad) {
        // The year panel stays in front; the user learns which receipt to mend.
        Messages::warning(bad.message(), this);
        return;
    } catch (const StorageError &) {
        Messages::error(ArchiveTexts::ioFailure(), this);
        return;
    }
    panAvvio->hide();
    panContainer->show();
    if (!unplaced.isEmpty())
        Messages::warning(ReceiptDateCut::unplacedWarning(unplaced, QStringLiteral("nel grafico")), this);
}

QList<ReceiptDateCut::Unplaced> TfrmStatistiche::fillChart(const QString &year)
{
    for (QLabel *memo : memMonths)
        memo->setText(QStringLiteral("0"));
    QList<ReceiptDateCut::Unplaced> unplaced;
    const auto sums = StatisticsSums::monthlyTakings(lblFile->text(), year, &unplaced);
    const auto rounded = StatisticsSums::roundedToEuros(sums);
    ChartStats->clear();
    for (std::size_t i = 0; i < rounded.size(); ++i) {
        memMonths[int(i)]->setText(AmountText::formatGeneral(rounded[i]));
        ChartStats->addPoint(QString::fromUtf16(kMonths[i].label), Theme::chartSeries(int(i)), rounded[i]);
    }
    return unplaced;
}

void TfrmStatistiche::btnTortaClick() { ChartStats->setKind(StatisticsChartData::Kind::Pie); }

void TfrmStatistiche::btnBarreClick() { ChartStats->setKind(StatisticsChartData::Kind::Bars); }

void TfrmStatistiche::btnStampaClick() { StatisticsPrinting::run(this, *ChartStats); }

void TfrmStatistiche::imgGuidaClick() { Help::open(this); }
