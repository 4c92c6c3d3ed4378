#include "receipts/ReceiptsModule.h"
#include "ui/Dialogs.h"
#include "receipts/ReceiptSearch.h"

namespace ReceiptsModule {
void registerDialogs()
{
    Dialogs::registerDialog<TfrmTrovaRicevute>();
}
}
