#pragma once
#include <QString>

// The fixed texts every archive window shows.
namespace ArchiveTexts {
inline QString ioFailure()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}
inline QString emptyArchive() { return QStringLiteral("L'archivio non contiene nessuna scheda."); }
}
