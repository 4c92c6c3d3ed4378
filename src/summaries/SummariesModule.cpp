#include "summaries/SummariesModule.h"
#include "ui/Dialogs.h"
#include "summaries/Inventory.h"
#include "summaries/UnsoldList.h"

namespace SummariesModule {
void registerDialogs()
{
    Dialogs::add(QStringLiteral("TfrmDaVendere"), [](QWidget *parent) { return new TfrmDaVendere(parent); });
    Dialogs::add(QStringLiteral("TfrmRiepilogo"), [](QWidget *parent) { return new TfrmRiepilogo(parent); });
}
}
