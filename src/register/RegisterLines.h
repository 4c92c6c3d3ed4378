#pragma once
#include "register/RegisterRecord.h"
#include "resultlist/ResultLines.h"

// The lines the result lists build from register cards.
namespace RegisterLines {
// Natura - Descrizione  Cliente: ...  Importo: € ... (register search, payouts)
const LineFormat &search();
// Natura - Descrizione  Valutazione: ...  Prezzo: € ... (unsold objects)
const LineFormat &unsold();
// Natura  Descrizione  Data: ...  Cliente: ...  € Importo (inventory)
const LineFormat &inventory();

// A card is in stock while its flag, trimmed, reads exactly "No".
bool isUnsold(const char *record);
QString path();  // the register archive in the data folder
}
