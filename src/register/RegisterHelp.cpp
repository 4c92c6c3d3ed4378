#include "register/RegisterHelp.h"

namespace RegisterHelp {
QString text()
{
    return QStringLiteral(
        "Il Registro Operazioni è il registro che la legge impone a chi acquista oro e oggetti "
        "preziosi dai privati: ogni acquisto occupa una scheda numerata con i dati del cliente e del "
        "suo documento di identità, la descrizione dell'oggetto, la quotazione dell'oro, l'importo "
        "pagato, il mezzo di pagamento e due fotografie dell'oggetto.\n\n"
        "Per registrare un nuovo acquisto premere \"Nuova\": il programma propone il numero della "
        "scheda, la data e l'ora correnti. Il numero proposto si può modificare; il numero iniziale e "
        "l'indicazione dell'anno dopo il numero si impostano con il pulsante \"Numerazione\".\n\n"
        "I dati del cliente si possono importare dall'archivio anagrafico con il pulsante accanto al "
        "campo \"Cognome e nome cliente\". Il pulsante accanto al codice fiscale ne controlla la "
        "correttezza; se il campo contiene solo cifre viene controllata la partita IVA.\n\n"
        "La data dell'operazione e la data di vendita si scelgono dal calendario: fare clic sul campo "
        "e premere un tasto qualsiasi. Il tasto Canc o Backspace svuota il campo. Negli importi si "
        "scrivono solo cifre e la virgola; all'uscita dal campo l'importo viene completato con due "
        "decimali. Il tasto Invio passa al campo successivo.\n\n"
        "Le due foto dell'oggetto si caricano da un file JPEG o Bitmap oppure si scattano con la "
        "webcam (pulsante con la fotocamera: accendere la webcam, catturare la foto e importarla "
        "nella scheda). Fare clic su una foto per vederla a schermo intero. Le foto vengono salvate "
        "insieme alla scheda, accanto all'archivio, alla loro risoluzione originale.\n\n"
        "Per salvare la scheda premere \"Salva\": sono obbligatori il numero, la data, la natura e "
        "qualità dell'oggetto, il nome del cliente e la descrizione sintetica. Una scheda già "
        "presente in archivio viene aggiornata; una nuova scheda viene aggiunta in fondo.\n\n"
        "Con le frecce si scorrono le schede in archivio; \"Trova\" cerca le schede per parti dei loro "
        "dati e \"Non vendute\" elenca gli oggetti non ancora venduti. Quando un oggetto viene "
        "venduto o ceduto, riaprire la sua scheda, compilare i dati della vendita, spuntare "
        "\"Venduto\" e salvare.\n\n"
        "La scheda si stampa in duplice copia per la firma del cliente e dell'operatore con "
        "\"Stampa\" o si controlla prima con \"Anteprima\". \"Allega file\" collega alla scheda fino "
        "a tre documenti, \"Esporta\" trasferisce l'intero registro in un foglio di Microsoft Excel "
        "e \"Logo\" imposta il logo della Ditta stampato sulla scheda.");
}
}
