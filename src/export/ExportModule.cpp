#include "export/ExportModule.h"
#include "export/ExportWindows.h"
#include "ui/Dialogs.h"

namespace ExportModule {

void registerDialogs()
{
    Dialogs::registerDialog<TfrmExpRegistro>();
    Dialogs::registerDialog<TfrmExpClienti>();
    Dialogs::registerDialog<TfrmExpRicevute>();
    addExportHelp();
}

} // namespace ExportModule
