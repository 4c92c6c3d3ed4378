#include "register/compliancelist/ComplianceListModule.h"
#include "ui/Dialogs.h"
#include "register/compliancelist/ComplianceList.h"
#include "register/compliancelist/CompliancePeriod.h"

namespace ComplianceListModule {
void registerDialogs()
{
    Dialogs::registerDialog<TfrmVerificaConformita>();
    Dialogs::registerDialog<TfrmConformita>();
}
}
