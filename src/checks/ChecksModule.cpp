#include "checks/ChecksModule.h"
#include "ui/Dialogs.h"
#include "checks/CardDialog.h"
#include "checks/FiscalCodeDialog.h"
#include "checks/IbanDialog.h"
#include "checks/VatNumberDialog.h"

namespace ChecksModule {

void registerDialogs()
{
    Dialogs::add(QStringLiteral("TfrmCodFisc"), [](QWidget *parent) { return new TfrmCodFisc(parent); });
    Dialogs::add(QStringLiteral("TfrmPartitaIva"), [](QWidget *parent) { return new TfrmPartitaIva(parent); });
    Dialogs::add(QStringLiteral("TfrmCarta"), [](QWidget *parent) { return new TfrmCarta(parent); });
    Dialogs::add(QStringLiteral("TfrmIban"), [](QWidget *parent) { return new TfrmIban(parent); });
}

} // namespace ChecksModule
