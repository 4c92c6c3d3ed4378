#include "Shooter.h"
#include "access/PasswordWindows.h"
#include "access/ReportingPage.h"
#include "app/MainMenu.h"
#include "app/MakerWindows.h"
#include "app/AppHelp.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "ui/Guide.h"
#include "ui/NumberingDialog.h"

#include <QPlainTextEdit>

void shootSpine(Shooter &shoot)
{
    shoot.window(AppWindows::get(QStringLiteral("TfrmPassword")), QStringLiteral("TfrmPassword"));
    shoot.window(AppWindows::get(QStringLiteral("TfrmCambiaPassword")), QStringLiteral("TfrmCambiaPassword"));
    shoot.window(AppWindows::get(QStringLiteral("TfrmAvvio")), QStringLiteral("TfrmAvvio"));
    shoot.window(AppWindows::get(QStringLiteral("TfrmSegnalazioni")), QStringLiteral("TfrmSegnalazioni"));

    TfrmGuida guide;
    Controls::setText(&guide, QStringLiteral("lblTitolo"), QStringLiteral("Guida a Valtrena."));
    guide.findChild<QPlainTextEdit *>(QStringLiteral("txtGuida"))->setPlainText(AppHelp::general());
    shoot.window(&guide, QStringLiteral("TfrmGuida"));
    TfrmInfo info;
    shoot.window(&info, QStringLiteral("TfrmInfo"));
    TfrmSplash splash;
    shoot.window(&splash, QStringLiteral("TfrmSplash"));
    TfrmNumerazione numbering;
    Controls::setToken(&numbering, QStringLiteral("registro"));
    numbering.setWindowTitle(QStringLiteral(" Impostazione inizio numerazione schede Registro Operazioni"));
    shoot.window(&numbering, QStringLiteral("TfrmNumerazione"));
}
