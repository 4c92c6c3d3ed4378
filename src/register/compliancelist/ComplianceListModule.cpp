#include "register/compliancelist/ComplianceListModule.h"
#include "ui/Dialogs.h"
#include "register/compliancelist/ComplianceList.h"
#include "register/compliancelist/CompliancePeriod.h"

namespace ComplianceListModule {
void registerDialogs()
{
    Dialogs::add(QStringLiteral("TfrmVerificaConformita"),
                 [](QWidget *parent) { return new TfrmVerificaConformita(parent); });
    Dialogs::add(QStringLiteral("TfrmConformita"), [](QWidget *parent) { return new TfrmConformita(parent); });
}
}
