#include "resultlist/ListPrinting.h"
#include "ui/Messages.h"
#include "report/ListReport.h"
#include "report/ui/ReportDialogs.h"

namespace ListPrinting {

void fill(Report::ListReport &document, const ListPrintout &printout)
{
    document.setTitle(printout.title);
    document.setLines(printout.text);
    document.setFooter(printout.footer == ListPrintout::Footer::DateAndTime
                           ? QStringLiteral("Stampa eseguita in data [DATE] alle ore [TIME]")
                           : QStringLiteral("Stampa eseguita in data [DATE]"));
}

void run(QWidget *parent, PrintVariant variant, ListPrintout printout, bool listIsEmpty)
{
    if (variant == PrintVariant::ConfirmedWithTotals) {
        if (listIsEmpty) {
            Messages::warning(emptyWarning(), parent);
            return;
        }
        if (!Messages::confirm(question(), parent))
            return;
        // The payout summary's own report: its name, and the time in the footer.
        printout.reportName = QStringLiteral("Riepilogo esborsi");
        printout.footer = ListPrintout::Footer::DateAndTime;
    }
    print(parent, printout);
}

bool print(QWidget *parent, const ListPrintout &printout)
{
    Report::ListReport document(printout.reportName);
    fill(document, printout);
    return ReportDialogs::print(document, parent);
}

} // namespace ListPrinting
