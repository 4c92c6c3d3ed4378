#pragma once
#include "register/RegisterRecord.h"

#include <QList>

// Three unsold cards of three customers, the register the reliability tests
// put under their faults.
inline QList<RegisterRecord> storedCards()
{
    QList<RegisterRecord> cards;
    const char *customers[] = {"ROSSI MARIO", "BIANCHI LUIGI", "VERDI ANNA"};
    for (int i = 0; i < 3; ++i) {
        RegisterRecord r;
        r.NumScheda = QString::number(i + 1);
        r.Data = QStringLiteral("10/03/2025");
        r.Ora = QStringLiteral("10:00");
        r.Importo = QStringLiteral("100,00");
        r.PrezzoVen = QStringLiteral("0,00");
        r.Natura = QStringLiteral("Oro giallo");
        r.Cliente = QLatin1StringView(customers[i]);
        r.Descrizione = QStringLiteral("Anello");
        r.Venduto = QStringLiteral("No");
        cards.append(r);
    }
    return cards;
}
