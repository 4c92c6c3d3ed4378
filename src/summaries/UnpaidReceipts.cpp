#include "summaries/UnpaidReceipts.h"
#include "ui/WindowNames.h"
#include "ui/AppWindows.h"
#include "ui/RecordWindow.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "receipts/ReceiptRecord.h"
#include "storage/ArchiveTexts.h"
#include "storage/YesNo.h"
#include "summaries/PeriodSummaryRules.h"

namespace {

ListWindowSpec unpaidSpec()
{
    ListWindowSpec spec;
    spec.className = WindowNames::of<TfrmSospese>();
    spec.caption = QStringLiteral(" Riepilogo ricevute non saldate");
    spec.list.sorted = false;
    spec.list.doubleClick = true;
    spec.list.enterMovesToFind = true;
    spec.list.itemWidth = 1400;
    spec.list.findMessage = MessageKind::Plain;
    spec.print = PrintVariant::Simple;
    spec.printTitle = QStringLiteral("Riepilogo ricevute non saldate");
    return spec;
}

QWidget *receiptWindow() { return AppWindows::get(WindowNames::ricevute); }

} // namespace

bool TfrmSospese::isUnpaid(const QString &saldata) { return ShortText::trimmed(saldata) == YesNo::no(); }

TfrmSospese::TfrmSospese(QWidget *parent) : ResultListDialog(unpaidSpec(), parent)
{
    setSource({[] { return ShortText::trimmed(Controls::text(receiptWindow(), QStringLiteral("lblFile"))); },
               ReceiptRecordLayout::size, PeriodSummaryRules::receiptLine()});
    static const int kSaldata = ReceiptRecordLayout::indexOf(u"Saldata");
    const bool complete = fillFromArchive(
        [](const char *record) { return isUnpaid(ReceiptRecordLayout::field(record, kSaldata)); });
    if (!complete)
        Messages::error(ArchiveTexts::ioFailure(), parent);
}

void TfrmSospese::deliver(const ArchiveScan::Found &found)
{
    RecordWindows::load(WindowNames::ricevute, found.index);
}
