#include "register/RegisterModule.h"
#include "ui/Dialogs.h"
#include "register/CalendarDialog.h"
#include "register/WebCamDialog.h"
#include "register/ZoomDialog.h"

namespace RegisterModule {
void registerDialogs()
{
    Dialogs::registerDialog<TfrmCalendario>();
    Dialogs::registerDialog<TfrmWebCam>();
    Dialogs::registerDialog<TfrmZoom>();
}
}
