#include "register/search/RegisterSearchModule.h"
#include "ui/Dialogs.h"
#include "register/search/RegisterSearch.h"

namespace RegisterSearchModule {
void registerDialogs()
{
    Dialogs::registerDialog<TfrmTrovaRegistro>();
}
}
