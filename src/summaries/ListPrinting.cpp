#include "summaries/ListPrinting.h"
#include "app/ui/Messages.h"

namespace ListPrinting {

void run(QWidget *parent, PrintVariant variant, const ListPrintout &report, bool listIsEmpty)
{
    if (variant == PrintVariant::ConfirmedWithTotals) {
        if (listIsEmpty) {
            Messages::warning(emptyWarning(), parent);
            return;
        }
        if (!Messages::confirm(question(), parent))
            return;
    }
    print(parent, report);
}

bool print(QWidget *, const ListPrintout &)
{
    // The list report is drawn by the report layer, which this build does not have yet.
    return false;
}

} // namespace ListPrinting
