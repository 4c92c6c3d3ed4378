#include "register/RegisterModule.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "register/CalendarDialog.h"
#include "register/RegisterHelp.h"
#include "register/RegisterWindow.h"
#include "register/WebCamDialog.h"
#include "register/ZoomDialog.h"

namespace RegisterModule {
void registerDialogs()
{
    Dialogs::registerDialog<TfrmCalendario>();
    Dialogs::registerDialog<TfrmWebCam>();
    Dialogs::registerDialog<TfrmZoom>();
    Help::add(WindowNames::of<TfrmRegistro>(), {RegisterHelp::title(), RegisterHelp::text()});
}
}
