#include "customers/CustomerRecord.h"
#include "receipts/ReceiptRecord.h"
#include "register/RegisterRecord.h"

#include <cstdint>
#include <cstdlib>

namespace {
// Decoding any bytes must stay inside the record, and what is decoded must
// encode to a record that decodes to the same values.
template <class R>
void roundTrip(const uint8_t *data, size_t size)
{
    using L = RecordLayout<R>;
    QByteArray bytes(L::size, '\0');
    std::memcpy(bytes.data(), data, std::min<size_t>(size, size_t(L::size)));
    const R first = L::decode(bytes);
    const QByteArray again = L::encode(first);
    if (again.size() != L::size)
        std::abort();
    const R second = L::decode(again);
    for (const auto &f : L::fields)
        if (first.*(f.member) != second.*(f.member) || (first.*(f.member)).size() > f.capacity)
            std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    roundTrip<RegisterRecord>(data, size);
    roundTrip<CustomerRecord>(data, size);
    roundTrip<ReceiptRecord>(data, size);
    return 0;
}
