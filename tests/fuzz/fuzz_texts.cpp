#include "storage/AmountText.h"
#include "storage/Cp1252.h"
#include "storage/DateText.h"

#include <cstdint>
#include <cstdlib>

// Amount and date texts typed by a user or read from a record.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Cp1252::decode(reinterpret_cast<const char *>(data), qsizetype(size));
    for (int decimals : {2, 4}) {
        const QString n = AmountText::normalise(text, decimals, QStringLiteral("0,00"));
        // A normalised amount is itself a fixed point of the normalisation.
        if (!n.isEmpty() && AmountText::normalise(n, decimals, QStringLiteral("0,00")) != n
            && AmountText::parse(n).has_value() && n.size() < 20)
            std::abort();
    }
    AmountText::completeDecimals(text);
    const QDate d = DateText::parse(text);
    if (d.isValid() && !DateText::isValid(DateText::format(d)))
        std::abort();
    return 0;
}
