#include "customers/CustomersModule.h"
#include "app/ui/Dialogs.h"
#include "customers/AttachmentsDialog.h"
#include "customers/CustomerFolderDialog.h"

namespace CustomersModule {
void registerDialogs()
{
    Dialogs::add(QStringLiteral("TfrmAllegaCartella"), [](QWidget *p) { return new TfrmAllegaCartella(p); });
    Dialogs::add(QStringLiteral("TfrmCartella"), [](QWidget *p) { return new TfrmCartella(p); });
}
}
