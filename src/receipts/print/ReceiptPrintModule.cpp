#include "receipts/print/ReceiptPrintModule.h"
#include "ui/Dialogs.h"
#include "receipts/print/LogoWindow.h"
#include "receipts/print/ReceiptOutputDialogs.h"

namespace ReceiptPrintModule {

void registerDialogs()
{
    Dialogs::registerDialog<TfrmStampaRicevuta>();
    Dialogs::registerDialog<TfrmAnteprimaRicevuta>();
    Dialogs::registerDialog<TfrmPDF_Ricevuta>();
    Dialogs::registerDialog<TfrmLogo>();
}

}
