#include "summaries/PeriodSummaryWindow.h"
#include "ui/Looks.h"
#include "ui/WindowNames.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Theme.h"
#include "receipts/ReceiptRecord.h"
#include "storage/ArchiveTexts.h"
#include "storage/Record.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using Period = PeriodSummaryRules::Period;

struct Variant
{
    const QMetaObject *window;
    const char16_t *caption;
    const char16_t *heading;
    const char16_t *prompt;        // lblApri
    const char16_t *defaultTitle;  // titTipologia before the list is built
};

const Variant &variantOf(Period period)
{
    static const Variant kVariants[] = {
        {&TfrmRiepMensile::staticMetaObject, u" Valtrena - Riepilogo mensile ricevute emesse", u"Riepilogo mensile ricevute emesse",
         u"Selezionare un mese dell'anno e premere Visualizza.", u"Ricevute emesse nel mese."},
        {&TfrmRiepTrimestrale::staticMetaObject, u" Valtrena - Riepilogo trimestrale ricevute emesse",
         u"Riepilogo trimestrale ricevute emesse", u"Selezionare un trimestre dell'anno e premere Visualizza.", u"Ricevute emesse nel trimestre."},
        {&TfrmRiepAnnuale::staticMetaObject, u" Valtrena - Riepilogo annuale ricevute emesse", u"", u"",
         u"Ricevute emesse nell'anno solare."},
    };
    return kVariants[int(period)];
}

// The total labels with their captions, in the order of the printed totals.
struct TotalRow
{
    const char *name;
    const char16_t *caption;
};
constexpr TotalRow kTotals[] = {
    {"lblTotImponibile", u"TOTALE CORRISPETTIVI:"},
    {"lblTotImposta", u"Totale acconti:"},
    {"lblTotEsente", u"Totale imposta di bollo:"},
    {"lblTotale", u"Totale saldato:"},
};

ListWindowSpec specOf(Period period)
{
    const Variant &v = variantOf(period);
    ListWindowSpec spec;
    spec.className = QLatin1StringView(v.window->className());
    spec.caption = QString::fromUtf16(v.caption);
    spec.list.sorted = false;
    spec.list.doubleClick = false;
    spec.list.enterMovesToFind = false;
    spec.list.itemWidth = 1400;
    spec.list.findMessage = MessageKind::Information;
    spec.print = PrintVariant::WithTotals;
    spec.printButton = QStringLiteral("Stampa riepilogo");
    spec.closeName = QStringLiteral("btnEsci");
    spec.closeButton = QStringLiteral("Esci");
    spec.maximised = true;
    return spec;
}

QString receiptArchive()
{
    return ShortText::trimmed(Controls::text(AppWindows::get(WindowNames::ricevute), QStringLiteral("lblFile")));
}

} // namespace

PeriodSummaryWindow::PeriodSummaryWindow(Period period, QWidget *parent)
    : ResultListDialog(specOf(period), parent), m_period(period)
{
    setSource({receiptArchive, ReceiptRecordLayout::size, PeriodSummaryRules::receiptLine()});
    QWidget *panel = resultsPanel();

    titTipologia = new QLabel(QString::fromUtf16(variantOf(period).defaultTitle), panel);
    titTipologia->setObjectName(QStringLiteral("titTipologia"));
    titTipologia->setFont(Theme::font(Theme::Face::Body, 11, QFont::Bold));
    Looks::set(titTipologia, Looks::Look::Emphasis);
    auto *lblTipologia = new QLabel(QStringLiteral("Tipologia riepilogo:"), panel);
    lblTipologia->setObjectName(QStringLiteral("lblTipologia"));
    lblTipologia->setFont(Theme::font(Theme::Face::Body, 11, QFont::Bold));
    auto *header = new QHBoxLayout;
    header->addWidget(lblTipologia);
    header->addWidget(titTipologia, 1);
    headerArea()->addLayout(header);
    buildTotals();

    auto *imgGuida = Icons::button(panel, "imgGuida", "help", 28, QStringLiteral("Guida"));
    buttonRow()->insertWidget(0, imgGuida);
    connect(imgGuida, &QToolButton::clicked, this, &PeriodSummaryWindow::imgGuidaClick);

    if (period == Period::Year) {
        // The year summary lists at once, before it is first shown.
        build(QString(), Controls::text(AppWindows::get(WindowNames::ricevute), QStringLiteral("lblAnno")));
        return;
    }
    panSelezione = buildSelection();
    outerLayout()->insertWidget(0, panSelezione, 1, Qt::AlignCenter);
    panel->hide();
}

QFrame *PeriodSummaryWindow::buildSelection()
{
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("panSelezione"));
    Looks::set(frame, Looks::Look::Card);
    frame->setFixedWidth(620);

    lblAnno = new QLabel(QStringLiteral("ANNO"), frame);
    lblAnno->setObjectName(QStringLiteral("lblAnno"));
    lblAnno->setFont(Theme::font(Theme::Face::Body, 28, QFont::Bold));
    Looks::set(lblAnno, Looks::Look::Emphasis);
    auto *heading = new QLabel(QString::fromUtf16(variantOf(m_period).heading), frame);
    heading->setFont(Theme::font(Theme::Face::Title, 18, QFont::Bold));
    Looks::set(heading, Looks::Look::Title);
    auto *lblApri = new QLabel(QString::fromUtf16(variantOf(m_period).prompt), frame);
    lblApri->setObjectName(QStringLiteral("lblApri"));
    lblApri->setFont(Theme::font(Theme::Face::Body, 10));
    cboSelezione = new QComboBox(frame);
    cboSelezione->setObjectName(QStringLiteral("cboSelezione"));
    cboSelezione->addItems(PeriodSummaryRules::choices(m_period));
    cboSelezione->setCurrentIndex(0);
    cboSelezione->setMaxVisibleItems(12);
    cboSelezione->setFont(Theme::font(Theme::Face::Body, 12, QFont::Bold));
    cboSelezione->setMinimumWidth(m_period == Period::Month ? 220 : 380);
    auto *btnVisualizza = new QPushButton(Icons::icon(QStringLiteral("list")), QStringLiteral("Visualizza"), frame);
    btnVisualizza->setObjectName(QStringLiteral("btnVisualizza"));
    btnVisualizza->setIconSize(QSize(22, 22));
    btnVisualizza->setMinimumSize(140, 38);
    btnVisualizza->setDefault(true);
    auto *icoGuida = Icons::button(frame, "icoGuida", "help", 28, QStringLiteral("Guida"));
    auto *icoEsci = Icons::button(frame, "icoEsci", "exit", 28, QStringLiteral("Esci"));

    auto *choose = new QHBoxLayout;
    choose->addStretch();
    choose->addWidget(cboSelezione);
    choose->addSpacing(10);
    choose->addWidget(lblAnno);
    choose->addStretch();
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(icoGuida);
    bottom->addStretch();
    bottom->addWidget(btnVisualizza);
    bottom->addStretch();
    bottom->addWidget(icoEsci);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(28, 22, 28, 16);
    layout->setSpacing(16);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addWidget(lblApri, 0, Qt::AlignHCenter);
    layout->addLayout(choose);
    layout->addLayout(bottom);

    connect(btnVisualizza, &QPushButton::clicked, this, &PeriodSummaryWindow::btnVisualizzaClick);
    connect(icoGuida, &QToolButton::clicked, this, &PeriodSummaryWindow::imgGuidaClick);
    connect(icoEsci, &QToolButton::clicked, this, &QDialog::reject);
    return frame;
}

void PeriodSummaryWindow::buildTotals()
{
    QWidget *panel = resultsPanel();
    panInfo = new QLabel(PeriodSummaryRules::countText(0), panel);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFont(Theme::font(Theme::Face::Body, 10));
    Looks::set(panInfo, Looks::Look::Title);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 4; ++i) {
        auto *caption = new QLabel(QString::fromUtf16(kTotals[i].caption), panel);
        auto *value = new QLabel(QStringLiteral("0,00"), panel);
        value->setObjectName(QLatin1StringView(kTotals[i].name));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(130);
        QFont f = Theme::font(Theme::Face::Body, 10, i == 0 ? QFont::Bold : QFont::Normal);
        caption->setFont(f);
        value->setFont(f);
        if (i == 0) {
            Looks::set(caption, Looks::Look::Emphasis);
            Looks::set(value, Looks::Look::Emphasis);
        }
        grid->addWidget(caption, i, 0, Qt::AlignRight);
        grid->addWidget(value, i, 1);
        m_totals.append(value);
    }
    auto *row = new QHBoxLayout;
    row->addWidget(panInfo, 0, Qt::AlignTop);
    row->addStretch();
    row->addLayout(grid);
    footerArea()->addLayout(row);
}

bool PeriodSummaryWindow::build(const QString &chosen, const QString &year)
{
    list()->reset();
    for (QLabel *total : m_totals)
        total->setText(QStringLiteral("0,00"));
    titTipologia->setText(PeriodSummaryRules::title(m_period, chosen, year));
    list()->clear();

    QList<ReceiptDateCut::Unplaced> unplaced;
    const auto result =
        PeriodSummaryRules::collect(receiptArchive(), m_period, chosen, ShortText::trimmed(year), &unplaced);
    list()->setLines(result.lines, result.records);
    if (!result.complete()) {
        if (result.stoppedAt)
            Messages::warning(result.stoppedAt->message(), this);
        else
            Messages::error(ArchiveTexts::ioFailure(), this);
        return false;
    }
    for (int i = 0; i < m_totals.size(); ++i)
        m_totals[i]->setText(PeriodSummaryRules::totalLabel(result.sums.value(i)));
    panInfo->setText(PeriodSummaryRules::countText(int(result.lines.size())));
    if (!unplaced.isEmpty())
        Messages::warning(ReceiptDateCut::unplacedWarning(unplaced, QStringLiteral("nel riepilogo")), this);
    list()->focusFind();
    return true;
}

void PeriodSummaryWindow::btnVisualizzaClick()
{
    if (!build(cboSelezione->currentText(), lblAnno->text()))
        return;  // the selection stays in front
    panSelezione->hide();
    resultsPanel()->show();
    list()->focusFind();
}

QStringList PeriodSummaryWindow::totalsLines() const
{
    QStringList labels;
    for (const QLabel *total : m_totals)
        labels.append(total->text());
    return PeriodSummaryRules::printedTotals(labels);
}

QString PeriodSummaryWindow::reportTitle() const
{
    return u"Tipologia riepilogo: " + ShortText::trimmed(titTipologia->text());
}

void PeriodSummaryWindow::imgGuidaClick()
{
    Help::open(this);
}
