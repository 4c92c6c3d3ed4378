#include "register/RegisterModule.h"
#include "ui/Dialogs.h"
#include "register/CalendarDialog.h"
#include "register/WebCamDialog.h"
#include "register/ZoomDialog.h"

namespace RegisterModule {
void registerDialogs()
{
    Dialogs::add(QStringLiteral("TfrmCalendario"), [](QWidget *parent) { return new TfrmCalendario(parent); });
    Dialogs::add(QStringLiteral("TfrmWebCam"), [](QWidget *parent) { return new TfrmWebCam(parent); });
    Dialogs::add(QStringLiteral("TfrmZoom"), [](QWidget *parent) { return new TfrmZoom(parent); });
}
}
