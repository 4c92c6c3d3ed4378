#include "receipts/ReceiptSearchLine.h"
#include "receipts/ReceiptRecord.h"

namespace ReceiptSearchLine {

const LineFormat &format()
{
    using R = ReceiptRecord;
    static const LineFormat line({
        LineFormat::field<R>(QStringLiteral("Ric. n. "), "NumRic", 12),
        LineFormat::field<R>(QStringLiteral("  Data: "), "Data", 10),
        LineFormat::field<R>(QStringLiteral("  "), "Cliente", 30),
        LineFormat::field<R>(QStringLiteral("  C.F. "), "CodFiscCliente", 16),
        LineFormat::field<R>(QStringLiteral("  Acconti: € "), "Acconti", 8),
        LineFormat::field<R>(QStringLiteral("  Bollo: "), "Tassa", 8),
        // The sum of the lines, not the amount due.
        LineFormat::field<R>(QStringLiteral("  Totale: € "), "TotCorrispettivi", LineFormat::kRest),
    });
    return line;
}

} // namespace ReceiptSearchLine
