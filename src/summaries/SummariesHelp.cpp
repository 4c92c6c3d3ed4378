#include "summaries/SummariesHelp.h"

namespace SummariesHelp {

HelpTopic inventory()
{
    return {QStringLiteral("Applicazione Inventario oggetti preziosi."),
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
        "Il pulsante Stampa inventario stampa l'elenco con il valore totale.")};
}

HelpTopic payouts()
{
    return {QStringLiteral("Applicazione Riepilogo esborsi."),
            QStringLiteral(
        "Il riepilogo elenca gli oggetti preziosi acquistati nell'intervallo di tempo indicato, con la "
        "natura e qualità, la descrizione, il cliente e l'importo corrisposto, in ordine alfabetico.\n\n"
        "Se sono stati indicati la natura degli oggetti e/o il codice fiscale del cliente, sono elencate "
        "solo le operazioni che li contengono. In calce è riportato il totale degli importi corrisposti.\n\n"
        "Per cercare una voce, scrivere una o più parole nel campo di ricerca e premere Trova; "
        "Stampa riepilogo manda l'elenco alla stampante con l'intervallo e il totale.")};
}

HelpTopic periods()
{
    return {QStringLiteral("Riepiloghi ricevute emesse."),
            QStringLiteral(
        "I riepiloghi elencano le ricevute dell'archivio aperto emesse in un mese, in un trimestre o "
        "nell'intero anno solare, con numero, data, cliente, codice fiscale, acconti, imposta di bollo e "
        "totale dei corrispettivi.\n\n"
        "Nel riepilogo mensile e in quello trimestrale, scegliere il periodo dall'elenco e premere "
        "Visualizza. In calce sono riportati il numero delle ricevute e i totali dei corrispettivi, degli "
        "acconti, dell'imposta di bollo e degli importi saldati.\n\n"
        "Per cercare una voce, scrivere una o più parole nel campo di ricerca e premere Trova; "
        "Stampa riepilogo manda l'elenco e i totali alla stampante.")};
}

HelpTopic statistics()
{
    return {QStringLiteral("Grafici statistici incassi mensili."),
            QStringLiteral(
        "Questo ambiente mostra gli incassi di ciascun mese di un anno solare, calcolati sommando i "
        "corrispettivi delle ricevute emesse in quel mese.\n\n"
        "Indicare l'anno con quattro cifre e premere Apri: il programma legge l'archivio delle ricevute "
        "di quell'anno e disegna il grafico. Gli importi sono arrotondati all'euro.\n\n"
        "Con i pulsanti in calce si passa dal grafico a barre tridimensionali a quello a torta e "
        "viceversa; Stampa grafico lo manda alla stampante in orientamento orizzontale, nel numero di "
        "copie indicato.")};
}

} // namespace SummariesHelp
