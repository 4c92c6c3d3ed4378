#pragma once
#include "summaries/ListPrintout.h"

class QWidget;

// The "Stampa" of every result list.
namespace ListPrinting {
// Applies the variant's check and question, then prints. `listIsEmpty`
// refers to the list's own lines, not to the totals.
void run(QWidget *parent, PrintVariant variant, const ListPrintout &report, bool listIsEmpty);
// Prints through the printer dialog; false when nothing was printed.
bool print(QWidget *parent, const ListPrintout &report);

inline QString emptyWarning()
{
    return QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce.");
}
inline QString question() { return QStringLiteral("Si vuole stampare il presente riepilogo?"); }
} // namespace ListPrinting
