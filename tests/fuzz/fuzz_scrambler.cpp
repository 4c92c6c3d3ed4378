#include "access/Scrambler.h"
#include "storage/Cp1252.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        Scrambler::unscramble(text);
    } catch (const std::invalid_argument &) {
    }
    const QString kept = text.left(255);
    if (Scrambler::unscramble(Scrambler::scramble(kept)) != kept)
        std::abort();
    return 0;
}
