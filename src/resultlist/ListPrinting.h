#pragma once
#include "resultlist/ListPrintout.h"

class QWidget;
namespace Report {
class ListReport;
}

// The "Stampa" of every result list.
namespace ListPrinting {
// Applies the variant's check and question, then prints. `listIsEmpty`
// refers to the list's own lines, not to the totals.
// The confirmed variant also names the report "Riepilogo esborsi" and puts
// the time in the footer.
void run(QWidget *parent, PrintVariant variant, ListPrintout printout, bool listIsEmpty);
// Prints through the printer dialog; false when nothing was printed.
bool print(QWidget *parent, const ListPrintout &printout);
// The list report filled with a printout (title, lines, footer text).
void fill(Report::ListReport &document, const ListPrintout &printout);

inline QString emptyWarning()
{
    return QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce.");
}
inline QString question() { return QStringLiteral("Si vuole stampare il presente riepilogo?"); }
} // namespace ListPrinting
