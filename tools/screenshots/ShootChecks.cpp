#include "Shooter.h"
#include "ui/Controls.h"
#include "checks/CardDialog.h"
#include "checks/FiscalCodeDialog.h"
#include "checks/IbanDialog.h"
#include "checks/VatNumberDialog.h"

// Each check as it opens from a filled field.
void shootChecks(Shooter &shoot)
{
    TfrmCodFisc fiscalCode;
    Controls::setText(&fiscalCode, QStringLiteral("txtCodFisc"), QStringLiteral("RSSMRA45C12F205C"));
    shoot.window(&fiscalCode, QStringLiteral("TfrmCodFisc"));

    TfrmPartitaIva vatNumber;
    Controls::setText(&vatNumber, QStringLiteral("txtPartitaIva"), QStringLiteral("00743110157"));
    shoot.window(&vatNumber, QStringLiteral("TfrmPartitaIva"));

    TfrmCarta card;
    Controls::setText(&card, QStringLiteral("txtNumero"), QStringLiteral("4111111111111111"));
    shoot.window(&card, QStringLiteral("TfrmCarta"));

    TfrmIban iban;
    Controls::setText(&iban, QStringLiteral("txtIban"), QStringLiteral("IT60X0542811101000000123456"));
    shoot.window(&iban, QStringLiteral("TfrmIban"));
}
