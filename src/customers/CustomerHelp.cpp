#include "customers/CustomerHelp.h"

namespace CustomerHelp {
QString text()
{
    return QStringLiteral(
        "L'Anagrafica Clienti conserva una scheda per ogni cliente: dati anagrafici, residenza, "
        "recapiti telefonici ed e-mail, documento di riconoscimento, dati bancari e della carta di "
        "credito, gli oggetti acquistati e venduti, le note e l'eventuale pagamento rateale in corso.\n\n"
        "NUOVA SCHEDA: il pulsante Nuova svuota la schermata. Per salvare una scheda bastano cognome "
        "e nome; le date di decorrenza e di prossima scadenza propongono la data odierna. Il "
        "pulsante Salva inserisce la scheda in archivio oppure, se la scheda era già archiviata, "
        "salva le modifiche apportate. Il tasto Invio porta al campo successivo.\n\n"
        "RICERCA E SCORRIMENTO: il pulsante Trova cerca le schede per cognome, nome, codice cliente, "
        "categoria, codice fiscale, partita IVA, ditta, oggetti, causale o note; un doppio clic sul "
        "cliente trovato lo richiama nella schermata. Le frecce scorrono le schede in archivio; il "
        "numero della scheda visualizzata compare tra le frecce.\n\n"
        "CONTROLLI: i pulsanti accanto a codice fiscale, partita IVA, IBAN e carta di credito ne "
        "verificano la correttezza; il pulsante accanto all'e-mail apre il programma di posta.\n\n"
        "DOCUMENTI: Allega file collega alla scheda fino a tre documenti (ad esempio la scansione "
        "del documento di identità), copiati nella cartella Documenti_Allegati. Cartella apre una "
        "cartella riservata al cliente, disponibile dopo il primo salvataggio della scheda.\n\n"
        "RATE: indicando la prossima scadenza e i giorni di preavviso, il pulsante Rate elenca i "
        "clienti con rate in scadenza o scadute. Dopo l'incasso basta spostare in avanti la data "
        "della prossima scadenza e salvare.\n\n"
        "Il pulsante Stampa stampa la scheda su un foglio A4; Esporta crea un file di Microsoft "
        "Excel con l'intero archivio.");
}
}
