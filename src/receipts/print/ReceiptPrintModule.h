#pragma once

// The receipt's print, preview and PDF windows and the company-logo window,
// opened by class name.
namespace ReceiptPrintModule {
void registerDialogs();
}
