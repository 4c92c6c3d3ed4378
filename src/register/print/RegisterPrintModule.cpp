#include "register/print/RegisterPrintModule.h"
#include "ui/Dialogs.h"
#include "register/print/RegisterBookDialog.h"
#include "register/print/RegisterCardDialogs.h"

namespace RegisterPrintModule {

void registerDialogs()
{
    Dialogs::registerDialog<TfrmStampaReg>();
    Dialogs::registerDialog<TfrmAnteprimaReg>();
    Dialogs::registerDialog<TfrmStampaRegistro>();
}

}
