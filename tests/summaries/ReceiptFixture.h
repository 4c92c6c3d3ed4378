#pragma once
#include "receipts/ReceiptRecord.h"

// The widest receipt a list line can show: the longest number, a long
// customer and the largest amounts, for the tests that read a line to its end.
inline ReceiptRecord widestReceipt()
{
    ReceiptRecord r;
    r.NumRic = QStringLiteral("123456789012");
    r.Data = QStringLiteral("10/05/2024");
    r.Cliente = QStringLiteral("Commerciale Gioielleria Esempio Srl");
    r.CodFiscCliente = QStringLiteral("RSSMRA80A01H501U");
    r.Acconti = QStringLiteral("12345,67");
    r.Tassa = QStringLiteral("12345,67");
    r.TotCorrispettivi = QStringLiteral("9999999,99");
    return r;
}
