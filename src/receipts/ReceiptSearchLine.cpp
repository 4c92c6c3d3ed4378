#include "receipts/ReceiptSearchLine.h"
#include "receipts/ReceiptRecord.h"

namespace ReceiptSearchLine {

const LineFormat &format()
{
    using R = ReceiptRecord;
    static const LineFormat line({
        LineFormat::field<R>(QStringLiteral("Ric. n. "), "NumRic", 12, QStringLiteral("N. ricevuta")),
        LineFormat::field<R>(QStringLiteral("  Data: "), "Data", 10, QStringLiteral("Data")),
        LineFormat::field<R>(QStringLiteral("  "), "Cliente", 30, QStringLiteral("Cliente")),
        LineFormat::field<R>(QStringLiteral("  C.F. "), "CodFiscCliente", 16, QStringLiteral("Codice fiscale")),
        LineFormat::field<R>(QStringLiteral("  Acconti: € "), "Acconti", 8, QStringLiteral("Acconti")),
        LineFormat::field<R>(QStringLiteral("  Bollo: "), "Tassa", 8, QStringLiteral("Bollo")),
        // The sum of the lines, not the amount due.
        LineFormat::field<R>(QStringLiteral("  Totale: € "), "TotCorrispettivi", LineFormat::kRest,
                             QStringLiteral("Totale")),
    });
    return line;
}

} // namespace ReceiptSearchLine
