#include "summaries/SummariesModule.h"
#include "ui/Dialogs.h"
#include "summaries/Inventory.h"
#include "summaries/UnsoldList.h"

namespace SummariesModule {
void registerDialogs()
{
    Dialogs::registerDialog<TfrmDaVendere>();
    Dialogs::registerDialog<TfrmRiepilogo>();
}
}
