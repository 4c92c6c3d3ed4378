#include "receipts/ReceiptsModule.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "receipts/ArchiveChooser.h"
#include "receipts/ReceiptSearch.h"
#include "receipts/ReceiptWindow.h"
#include "receipts/ReceiptsHelp.h"

namespace ReceiptsModule {
void registerDialogs()
{
    Dialogs::registerDialog<TfrmTrovaRicevute>();
    // The chooser and the receipt window show the same help.
    for (const QString &window : {WindowNames::of<TfrmMenuRicevute>(), WindowNames::of<TfrmRicevute>()})
        Help::add(window, {ReceiptsHelp::title(), ReceiptsHelp::text()});
}
}
