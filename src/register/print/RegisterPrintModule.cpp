#include "register/print/RegisterPrintModule.h"
#include "ui/Dialogs.h"
#include "register/print/RegisterBookDialog.h"
#include "register/print/RegisterCardDialogs.h"

namespace RegisterPrintModule {

void registerDialogs()
{
    Dialogs::add(QStringLiteral("TfrmStampaReg"), [](QWidget *parent) { return new TfrmStampaReg(parent); });
    Dialogs::add(QStringLiteral("TfrmAnteprimaReg"), [](QWidget *parent) { return new TfrmAnteprimaReg(parent); });
    Dialogs::add(QStringLiteral("TfrmStampaRegistro"), [](QWidget *parent) { return new TfrmStampaRegistro(parent); });
}

}
