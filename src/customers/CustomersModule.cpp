#include "customers/CustomersModule.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "customers/AttachmentsDialog.h"
#include "customers/CustomerFolderDialog.h"
#include "customers/CustomerHelp.h"
#include "customers/CustomerSearch.h"
#include "customers/CustomerWindow.h"
#include "customers/InstalmentsDue.h"

namespace CustomersModule {
void registerDialogs()
{
    Dialogs::registerDialog<TfrmAllegaCartella>();
    Dialogs::registerDialog<TfrmCartella>();
    Dialogs::registerDialog<TfrmTrovaClienti>();
    Dialogs::registerDialog<TfrmDaRinnovare>();
    Help::add(WindowNames::of<TfrmAnagrafica>(), {CustomerHelp::title(), CustomerHelp::text()});
}
}
