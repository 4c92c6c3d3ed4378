#include "receipts/print/ReceiptPrintModule.h"
#include "ui/Dialogs.h"
#include "receipts/print/LogoWindow.h"
#include "receipts/print/ReceiptOutputDialogs.h"

namespace ReceiptPrintModule {

namespace {
template <class D>
void add(const char *className)
{
    Dialogs::add(QString::fromLatin1(className), [](QWidget *parent) { return new D(parent); });
}
} // namespace

void registerDialogs()
{
    add<TfrmStampaRicevuta>("TfrmStampaRicevuta");
    add<TfrmAnteprimaRicevuta>("TfrmAnteprimaRicevuta");
    add<TfrmPDF_Ricevuta>("TfrmPDF_Ricevuta");
    add<TfrmLogo>("TfrmLogo");
}

}
