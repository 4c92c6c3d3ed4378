#include "summaries/ReceiptSummariesModule.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "summaries/PeriodSummaryWindow.h"
#include "summaries/SummariesHelp.h"
#include "summaries/UnpaidReceipts.h"

namespace ReceiptSummariesModule {
void registerDialogs()
{
    Dialogs::registerDialog<TfrmRiepMensile>();
    Dialogs::registerDialog<TfrmRiepTrimestrale>();
    Dialogs::registerDialog<TfrmRiepAnnuale>();
    Dialogs::registerDialog<TfrmSospese>();
    for (const QString &window : {WindowNames::of<TfrmRiepMensile>(), WindowNames::of<TfrmRiepTrimestrale>(),
                                  WindowNames::of<TfrmRiepAnnuale>()})
        Help::add(window, SummariesHelp::periods());
}
} // namespace ReceiptSummariesModule
