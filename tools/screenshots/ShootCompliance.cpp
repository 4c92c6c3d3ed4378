#include "Shooter.h"
#include "ui/Controls.h"
#include "register/compliancelist/ComplianceList.h"
#include "register/compliancelist/CompliancePeriod.h"

// The compliance check over the sample register the summaries left behind.
void shootCompliance(Shooter &shoot)
{
    TfrmVerificaConformita period;
    Controls::setText(&period, QStringLiteral("txtDal"), QStringLiteral("01/05/2025"));
    Controls::setText(&period, QStringLiteral("txtAl"), QStringLiteral("31/05/2025"));
    shoot.window(&period, QStringLiteral("TfrmVerificaConformita"));

    TfrmConformita findings;
    Controls::setText(&findings, QStringLiteral("lblDal"), QStringLiteral("01/05/2025"));
    Controls::setText(&findings, QStringLiteral("lblAl"), QStringLiteral("31/05/2025"));
    // Maximised in the program; the offscreen screen has no size to maximise to.
    findings.setWindowState(Qt::WindowNoState);
    findings.resize(1366, 740);
    shoot.window(&findings, QStringLiteral("TfrmConformita"));
}
