#include "checks/ChecksModule.h"
#include "ui/Dialogs.h"
#include "checks/CardDialog.h"
#include "checks/FiscalCodeDialog.h"
#include "checks/IbanDialog.h"
#include "checks/VatNumberDialog.h"

namespace ChecksModule {

void registerDialogs()
{
    Dialogs::registerDialog<TfrmCodFisc>();
    Dialogs::registerDialog<TfrmPartitaIva>();
    Dialogs::registerDialog<TfrmCarta>();
    Dialogs::registerDialog<TfrmIban>();
}

} // namespace ChecksModule
