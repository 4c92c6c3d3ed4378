#pragma once
#include "report/ReportDocument.h"

class QWidget;

// Printing and previewing a report through Qt's print system. Every modal
// loop runs through Modal::exec, so tests act on the live dialogs.
namespace ReportDialogs {

struct PrintOptions
{
    int copies = 1;           // preset in the printer dialog
    bool jobPerCopy = false;  // one print job for each copy instead of one job
};
// Shows the printer dialog and prints when the user confirms; the copies the
// dialog finally holds are honoured. True when something was printed.
bool print(const Report::Document &document, QWidget *parent, const PrintOptions &options = {});

struct PreviewOptions
{
    bool actualSize = false;  // open at 100% instead of the whole page in view
};
// The modal preview: zoom, page navigation, full screen, print and close;
// the page layout cannot be changed from it.
void preview(const Report::Document &document, QWidget *parent, const PreviewOptions &options = {});

}
