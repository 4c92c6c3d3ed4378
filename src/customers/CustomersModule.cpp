#include "customers/CustomersModule.h"
#include "ui/Dialogs.h"
#include "customers/AttachmentsDialog.h"
#include "customers/CustomerFolderDialog.h"
#include "customers/CustomerSearch.h"
#include "customers/InstalmentsDue.h"

namespace CustomersModule {
void registerDialogs()
{
    Dialogs::add(QStringLiteral("TfrmAllegaCartella"), [](QWidget *p) { return new TfrmAllegaCartella(p); });
    Dialogs::add(QStringLiteral("TfrmCartella"), [](QWidget *p) { return new TfrmCartella(p); });
    Dialogs::add(QStringLiteral("TfrmTrovaClienti"), [](QWidget *p) { return new TfrmTrovaClienti(p); });
    Dialogs::add(QStringLiteral("TfrmDaRinnovare"), [](QWidget *p) { return new TfrmDaRinnovare(p); });
}
}
