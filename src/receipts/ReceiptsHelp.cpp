#include "receipts/ReceiptsHelp.h"

namespace ReceiptsHelp {
QString text()
{
    return QStringLiteral(
        "Le ricevute di pagamento sono conservate in un archivio per ogni anno solare. Nella "
        "finestra di scelta si indica l'anno con quattro cifre e si preme \"Apri\": se l'archivio "
        "di quell'anno non esiste ancora, viene creato con la prima ricevuta.\n\n"
        "NUMERAZIONE: il pulsante Nuovo propone il numero della ricevuta successiva, calcolato dal "
        "numero iniziale impostato con il pulsante Numerazione più le ricevute già presenti "
        "nell'archivio. Se richiesto, dopo il numero viene indicato l'anno solare (ad esempio "
        "8/2025). Il numero proposto si può sempre modificare a mano.\n\n"
        "DITTA EMITTENTE: i dati della ditta e l'imposta di bollo vengono ricordati alla chiusura "
        "della finestra e riproposti a ogni nuova ricevuta. Ogni ricevuta conserva i dati della "
        "ditta che erano indicati quando è stata salvata.\n\n"
        "CLIENTE: con il pulsante Importa si richiamano i dati di un cliente dall'anagrafica "
        "clienti, senza doverli riscrivere.\n\n"
        "RIGHE: ogni ricevuta può contenere fino a trenta righe, dieci per pagina; le frecce "
        "passano da una pagina all'altra. Il pulsante a destra di ogni riga importa descrizione "
        "e prezzo di vendita di un oggetto dal Registro Operazioni.\n\n"
        "TOTALI: \"CALCOLA >>\" somma gli importi delle righe, aggiunge l'imposta di bollo e "
        "sottrae gli acconti già ricevuti. I totali vengono ricalcolati anche a ogni salvataggio. "
        "L'imposta di bollo non viene mai aggiunta o tolta automaticamente: vale l'importo "
        "indicato nel campo. Spuntare \"Saldata\" quando la ricevuta è stata pagata per intero.\n\n"
        "RICERCA E RIEPILOGHI: Trova cerca le ricevute dell'archivio per numero, data, cliente e "
        "altri dati; Sospese elenca le ricevute non saldate; i pulsanti M, T e A mostrano i "
        "riepiloghi mensile, trimestrale e annuale delle ricevute emesse. L'archivio si può "
        "esportare in un file di Microsoft Excel.\n\n"
        "STAMPA: ogni ricevuta si stampa in due copie su un foglio A4 orizzontale, si visualizza "
        "in anteprima o si salva in formato PDF, con il logo della ditta impostato con \"Imposta "
        "Logo Ditta\".");
}
}
