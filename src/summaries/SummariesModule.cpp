#include "summaries/SummariesModule.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "summaries/Inventory.h"
#include "summaries/InventoryChooser.h"
#include "summaries/PayoutSummary.h"
#include "summaries/StatisticsWindow.h"
#include "summaries/SummariesHelp.h"
#include "summaries/UnsoldList.h"

namespace SummariesModule {
void registerDialogs()
{
    Dialogs::registerDialog<TfrmDaVendere>();
    Dialogs::registerDialog<TfrmRiepilogo>();
    Help::add(WindowNames::of<TfrmMenuRiepilogo>(), SummariesHelp::inventory());
    Help::add(WindowNames::of<TfrmRiepilogo>(), SummariesHelp::inventory());
    Help::add(WindowNames::of<TfrmRiepCosti>(), SummariesHelp::payouts());
    Help::add(WindowNames::of<TfrmStatistiche>(), SummariesHelp::statistics());
}
}
