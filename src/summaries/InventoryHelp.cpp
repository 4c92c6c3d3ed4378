#include "summaries/InventoryHelp.h"
#include "app/ui/Guide.h"

namespace InventoryHelp {
void open(QWidget *parent)
{
    TfrmGuida::open(
        parent, QStringLiteral("Applicazione Inventario oggetti preziosi."),
        QStringLiteral(
            "L'inventario elenca gli oggetti preziosi del Registro Operazioni non ancora venduti o "
            "ceduti, cioè le schede in cui la casella \"Venduto\" non è spuntata.\n\n"
            "Per limitare l'elenco a una natura e qualità, scrivere nel campo una o più parole "
            "consecutive (per esempio \"oro giallo\" o \"argento\") e premere Visualizza: sono elencati "
            "gli oggetti la cui natura e qualità contiene il testo indicato, senza distinguere tra "
            "maiuscole e minuscole. Lasciando il campo in bianco si ottiene l'inventario completo.\n\n"
            "Ogni riga riporta natura e qualità, descrizione, data dell'operazione, cliente e importo "
            "corrisposto. In fondo alla finestra sono indicati il numero degli oggetti e il loro valore "
            "totale, calcolato sugli importi corrisposti.\n\n"
            "Per cercare una voce nell'elenco, scriverne una parte nel campo di ricerca e premere Trova; "
            "premendo di nuovo Trova si passa alla voce successiva.\n\n"
            "Il pulsante Stampa inventario stampa l'elenco con il valore totale."));
}
}
