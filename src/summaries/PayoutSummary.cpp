#include "summaries/PayoutSummary.h"
#include "ui/Looks.h"
#include "ui/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Theme.h"
#include "register/RegisterRecord.h"
#include "storage/ArchiveTexts.h"
#include "storage/DataFolder.h"
#include "storage/DateText.h"
#include "summaries/PayoutRules.h"
#include "resultlist/TotalText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {

ListWindowSpec payoutSpec()
{
    ListWindowSpec spec;
    spec.className = WindowNames::of<TfrmRiepCosti>();
    spec.caption = QStringLiteral(" Valtrena - Riepilogo esborsi");
    spec.list.sorted = true;
    spec.list.doubleClick = false;
    spec.list.enterMovesToFind = false;
    spec.list.itemWidth = 1600;
    spec.list.findMessage = MessageKind::Plain;
    spec.print = PrintVariant::ConfirmedWithTotals;
    spec.printTitle = QStringLiteral("Riepilogo esborsi per acquisto oggetti preziosi");
    spec.printButton = QStringLiteral("Stampa riepilogo");
    spec.closeName = QStringLiteral("btnEsci");
    spec.closeButton = QStringLiteral("Esci");
    spec.maximised = true;
    return spec;
}

QLabel *named(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1StringView(name));
    l->setFont(Theme::font(Theme::Face::Body, 10, QFont::Bold));
    return l;
}

} // namespace

TfrmRiepCosti::TfrmRiepCosti(QWidget *chooser) : ResultListDialog(payoutSpec(), chooser)
{
    setSource({[] { return DataFolder::file(FileNames::registerArchive()); }, RegisterRecordLayout::size,
               PayoutRules::line()});
    QWidget *panel = resultsPanel();

    titTipologia = named(panel, "titTipologia", QStringLiteral("- - -"));
    Looks::set(titTipologia, Looks::Look::Emphasis);
    lblIntervallo = named(panel, "lblIntervallo", QStringLiteral("Dal gg/mm/aaaa al gg/mm/aaaa"));
    Looks::set(lblIntervallo, Looks::Look::Title);
    auto *header = new QGridLayout;
    header->setHorizontalSpacing(10);
    header->addWidget(named(panel, "lblTipologia", QStringLiteral("Filtri di ricerca:")), 0, 0);
    header->addWidget(titTipologia, 0, 1);
    header->addWidget(named(panel, "infIntervallo", QStringLiteral("Intervallo selezionato:")), 1, 0);
    header->addWidget(lblIntervallo, 1, 1);
    header->setColumnStretch(1, 1);
    headerArea()->addLayout(header);
    headerArea()->addSpacing(4);

    lblTotCosti = named(panel, "lblTotCosti", QStringLiteral("0,00"));
    lblTotCosti->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotCosti->setMinimumWidth(140);
    lblTotCosti->setFont(Theme::font(Theme::Face::Body, 13, QFont::Bold));
    Looks::set(lblTotCosti, Looks::Look::Emphasis);
    lblConta = named(panel, "lblConta", QStringLiteral("0"));
    lblConta->hide();
    auto *total = new QHBoxLayout;
    total->addStretch();
    total->addWidget(named(panel, "infTotKmPercorsi", QStringLiteral("Totale importi corrisposti:")));
    total->addWidget(lblTotCosti);
    footerArea()->addLayout(total);

    auto *imgGuida = Icons::button(panel, "imgGuida", "help", 28, QStringLiteral("Guida"));
    buttonRow()->insertWidget(0, imgGuida);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmRiepCosti::imgGuidaClick);
}

void TfrmRiepCosti::formShow()
{
    QWidget *chooser = parentWidget();
    const PayoutRules::Filter filter{Controls::text(chooser, QStringLiteral("txtEsecutore")),
                                     Controls::text(chooser, QStringLiteral("txtCCP"))};
    const QString start = Controls::text(chooser, QStringLiteral("lblDataInizio"));
    const QString end = Controls::text(chooser, QStringLiteral("lblDataFine"));
    lblConta->setText(QString::number(filter.count()));
    titTipologia->setText(filter.description());

    list()->reset();
    list()->clear();
    const auto result = PayoutRules::collect(DataFolder::file(FileNames::registerArchive()), filter,
                                             DateText::parse(start), DateText::parse(end));
    list()->setLines(result.lines, result.records);
    if (result.complete()) {
        lblIntervallo->setText(PayoutRules::intervalText(start, end));
        lblTotCosti->setText(TotalText::format(TotalText::running(result.sums.value(0))));
    } else {
        // What was listed stays; the total would be wrong, so none is shown.
        lblTotCosti->setText(QStringLiteral("0,00"));
        if (result.stoppedAt)
            Messages::warning(result.stoppedAt->message(), this);
        else
            Messages::error(ArchiveTexts::ioFailure(), this);
    }
    list()->focusFind();
}

void TfrmRiepCosti::formClose()
{
    if (QWidget *waiting = Controls::child(parentWidget(), QStringLiteral("lblAttendere")))
        waiting->hide();
}

QStringList TfrmRiepCosti::totalsLines() const
{
    return PayoutRules::printedTotals(lblIntervallo->text(), lblTotCosti->text());
}

void TfrmRiepCosti::imgGuidaClick()
{
    Help::open(this);
}
