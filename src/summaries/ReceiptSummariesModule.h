#pragma once

// Makes the receipt summaries (month, quarter, year, unpaid) available to
// the receipt window by class name.
namespace ReceiptSummariesModule {
void registerDialogs();
}
