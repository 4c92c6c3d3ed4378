#include "summaries/ReceiptSummariesModule.h"
#include "ui/Dialogs.h"
#include "summaries/PeriodSummaryWindow.h"
#include "summaries/UnpaidReceipts.h"

namespace {
template <class D>
void add(const char *className)
{
    Dialogs::add(QLatin1StringView(className), [](QWidget *parent) -> QDialog * { return new D(parent); });
}
} // namespace

namespace ReceiptSummariesModule {
void registerDialogs()
{
    add<TfrmRiepMensile>("TfrmRiepMensile");
    add<TfrmRiepTrimestrale>("TfrmRiepTrimestrale");
    add<TfrmRiepAnnuale>("TfrmRiepAnnuale");
    add<TfrmSospese>("TfrmSospese");
}
} // namespace ReceiptSummariesModule
