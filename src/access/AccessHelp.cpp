#include "access/AccessHelp.h"

namespace AccessHelp {
QString reporting()
{
    return QStringLiteral(
        "Chi compra oro e oggetti preziosi dai privati è tenuto, per la normativa antiriciclaggio, "
        "a segnalare all'Unità di Informazione Finanziaria (UIF) della Banca d'Italia le operazioni "
        "che ritiene sospette. Le segnalazioni si inviano esclusivamente attraverso il portale "
        "INFOSTAT-UIF, al quale si accede con un nome utente e una password personali.\n\n"
        "Questa pagina serve a conservare in modo ordinato le proprie credenziali di accesso al "
        "portale. Scrivere il nome utente nel primo riquadro e la password nel secondo, poi premere "
        "\"Applica e chiudi\": i dati vengono salvati nel file delle impostazioni del programma, con la "
        "password memorizzata in forma cifrata. Il pulsante \"Annulla\" chiude la pagina senza salvare "
        "le modifiche.\n\n"
        "La password è nascosta da asterischi. Per leggerla fare clic su \"Mostra / Nascondi "
        "Password\"; un secondo clic la nasconde di nuovo. Gli spazi all'inizio e alla fine dei due "
        "campi vengono tolti automaticamente mentre si scrive.\n\n"
        "Il collegamento in fondo alla pagina apre il portale INFOSTAT-UIF nel browser predefinito. "
        "Valtrena non comunica in alcun modo con il portale: la segnalazione va compilata e inviata "
        "direttamente sul sito, dopo essersi autenticati con le credenziali annotate qui.\n\n"
        "Si ricorda che la segnalazione deve essere effettuata senza ritardo e che del suo invio non "
        "deve essere data notizia al cliente interessato.");
}
}
