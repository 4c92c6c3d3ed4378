#include "app/AppHelp.h"

namespace AppHelp {
QString general()
{
    return QStringLiteral(
        "Valtrena accompagna il lavoro quotidiano di chi compra oro e oggetti preziosi dai privati: "
        "tiene il registro delle operazioni previsto dalla legge, l'anagrafica dei clienti e "
        "l'archivio delle ricevute di pagamento, e prepara riepiloghi, inventari e grafici.\n\n"
        "REGISTRO OPERAZIONI: per ogni acquisto si compila una scheda numerata con i dati del "
        "cliente e del suo documento, la descrizione, la natura e la qualità dell'oggetto, la "
        "quotazione dell'oro, l'importo pagato e il mezzo di pagamento, e due fotografie "
        "dell'oggetto. La scheda si stampa per la firma. Quando l'oggetto viene venduto si riapre "
        "la scheda, si indicano acquirente, data e prezzo e si spunta \"Venduto\".\n\n"
        "ANAGRAFICA CLIENTI: raccoglie i dati anagrafici, i recapiti, il documento di identità, i "
        "dati bancari e gli eventuali pagamenti rateali di ogni cliente. I dati di un cliente si "
        "possono importare nel registro e nelle ricevute senza doverli riscrivere.\n\n"
        "EMISSIONE RICEVUTE: ogni anno ha il proprio archivio di ricevute. Ogni ricevuta può avere "
        "fino a trenta righe, acconti e imposta di bollo; si stampa in due copie su un foglio A4 "
        "orizzontale oppure si salva in formato PDF.\n\n"
        "INVENTARIO OGGETTI e RIEPILOGO ESBORSI mostrano gli oggetti non ancora venduti con il loro "
        "valore e le somme pagate ai clienti in un periodo; ogni elenco si può stampare.\n\n"
        "OPERAZIONI SOSPETTE conserva le credenziali del portale INFOSTAT-UIF della Banca d'Italia "
        "e lo apre nel browser.\n\n"
        "Tutti i dati sono conservati nella cartella del programma: per farne una copia di "
        "sicurezza basta copiare l'intera cartella su un altro disco o su una chiavetta USB. Si "
        "consiglia di farlo con regolarità, ad esempio alla fine di ogni settimana.");
}
}
