#include "summaries/ReceiptSummariesModule.h"
#include "ui/Dialogs.h"
#include "summaries/PeriodSummaryWindow.h"
#include "summaries/UnpaidReceipts.h"

namespace ReceiptSummariesModule {
void registerDialogs()
{
    Dialogs::registerDialog<TfrmRiepMensile>();
    Dialogs::registerDialog<TfrmRiepTrimestrale>();
    Dialogs::registerDialog<TfrmRiepAnnuale>();
    Dialogs::registerDialog<TfrmSospese>();
}
} // namespace ReceiptSummariesModule
