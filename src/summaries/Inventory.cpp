#include "summaries/Inventory.h"
#include "ui/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Theme.h"
#include "storage/AmountText.h"
#include "storage/ArchiveTexts.h"
#include "storage/StorageError.h"
#include "resultlist/RecordCriteria.h"
#include "register/RegisterLines.h"
#include "resultlist/TotalText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

ListWindowSpec inventorySpec()
{
    ListWindowSpec spec;
    spec.className = WindowNames::of<TfrmRiepilogo>();
    spec.caption = QStringLiteral(" Valtrena - Inventario oggetti preziosi");
    spec.list.doubleClick = false;
    spec.list.enterMovesToFind = false;
    spec.list.findMessage = MessageKind::Information;
    spec.print = PrintVariant::WithTotals;
    spec.printButton = QStringLiteral("Stampa inventario");
    spec.closeName = QStringLiteral("btnEsci");
    spec.closeButton = QStringLiteral("Esci");
    spec.maximised = true;
    return spec;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QString &style = {})
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1StringView(name));
    if (!style.isEmpty())
        l->setStyleSheet(style);
    return l;
}

} // namespace

TfrmRiepilogo::TfrmRiepilogo(QWidget *chooser) : ResultListDialog(inventorySpec(), chooser)
{
    setSource({&RegisterLines::path, RegisterRecordLayout::size, RegisterLines::inventory()});
    QWidget *panel = resultsPanel();
    const QString maroon = Theme::css(u"color:@maroon;");

    auto *lblTipologia = label(panel, "lblTipologia", QStringLiteral("Natura e qualità:"));
    lblTipologia->setFont(Theme::font(Theme::Face::Body, 12, QFont::Bold));
    titTipologia = label(panel, "titTipologia", allObjects(), maroon);
    titTipologia->setFont(Theme::font(Theme::Face::Body, 12, QFont::Bold));
    auto *header = new QHBoxLayout;
    header->addWidget(lblTipologia);
    header->addWidget(titTipologia, 1);
    headerArea()->addLayout(header);
    headerArea()->addSpacing(6);

    panInfo = label(panel, "panInfo", countText(0));
    panInfo->setFont(Theme::font(Theme::Face::Body, 10, QFont::Bold));
    auto *infValore = label(panel, "infValore", QStringLiteral("Valore totale:"));
    infValore->setFont(Theme::font(Theme::Face::Body, 12, QFont::Bold));
    lblTotale = label(panel, "lblTotale", QStringLiteral("0,00"), maroon);
    lblTotale->setFont(Theme::font(Theme::Face::Body, 14, QFont::Bold));
    lblTotale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotale->setMinimumWidth(200);
    auto *footer = new QHBoxLayout;
    footer->addWidget(panInfo, 1);
    footer->addWidget(infValore);
    footer->addWidget(lblTotale);
    footerArea()->addSpacing(4);
    footerArea()->addLayout(footer);
    footerArea()->addSpacing(4);

    auto *imgGuida = Icons::button(panel, "imgGuida", "help", 28, QStringLiteral("Guida all'inventario"));
    connect(imgGuida, &QToolButton::clicked, this, &TfrmRiepilogo::imgGuidaClick);
    buttonRow()->insertWidget(0, imgGuida);
}

QString TfrmRiepilogo::countText(int objects)
{
    return QStringLiteral("Il presente inventario contiene ") + QString::number(objects)
           + QStringLiteral(" oggetti preziosi.");
}

void TfrmRiepilogo::formShow()
{
    const QString filter = Controls::text(parentWidget(), QStringLiteral("txtTipologia"));
    list()->reset();
    lblTotale->setText(QStringLiteral("0,00"));
    list()->clear();
    const QString shown = filter.trimmed();
    titTipologia->setText(shown.isEmpty() ? allObjects() : shown);

    const FieldCriterion nature = FieldCriterion::of<RegisterRecord>(filter, "Natura");
    static const int amountField = RegisterRecordLayout::indexOf(u"Importo");
    static const int cardField = RegisterRecordLayout::indexOf(u"NumScheda");
    QStringList lines;
    QList<int> records;
    double total = 0;
    QString failure;
    try {
        ArchiveScan::each(source().path(), source().recordSize, [&](const char *record, int index) {
            if (!RegisterLines::isUnsold(record) || (nature.inUse() && !nature.occursIn(record)))
                return true;
            const QString text = RegisterRecordLayout::field(record, amountField);
            const auto amount = AmountText::parse(text);
            if (!amount) {
                failure = QStringLiteral("Attenzione: la scheda n. ") + RegisterRecordLayout::field(record, cardField)
                          + QStringLiteral(" contiene un importo non valido (\"") + text
                          + QStringLiteral("\").\n\r\n\rL'inventario si ferma a questa scheda e il valore totale "
                                           "non comprende le schede successive.");
                return false;
            }
            lines.append(source().line.build(record));
            records.append(index);
            total += *amount;
            return true;
        });
    } catch (const StorageError &) {
        failure = ArchiveTexts::ioFailure();
    }
    list()->setLines(lines, records);
    lblTotale->setText(TotalText::running(total));
    if (!failure.isEmpty()) {
        // The lines so far stay, with their unformatted running total; the
        // user is told the inventory is incomplete rather than shown a short one.
        Messages::error(failure, this);
        return;
    }
    lblTotale->setText(QStringLiteral("€ ") + TotalText::format(lblTotale->text()));
    panInfo->setText(countText(list()->count()));
    list()->focusFind();
}

void TfrmRiepilogo::formClose()
{
    if (QWidget *waiting = Controls::child(parentWidget(), QStringLiteral("lblAttendere")))
        waiting->hide();
}

QStringList TfrmRiepilogo::totalsLines() const
{
    return {QStringLiteral("--------------------------"),
            QStringLiteral("VALORE TOTALE: ") + lblTotale->text().trimmed()};
}

QString TfrmRiepilogo::reportTitle() const
{
    return QStringLiteral("Inventario oggetti preziosi - Natura e qualità: ") + titTipologia->text().trimmed();
}

void TfrmRiepilogo::imgGuidaClick() { Help::open(this); }
