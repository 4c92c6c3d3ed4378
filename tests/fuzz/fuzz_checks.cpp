#include "checks/FiscalCode.h"
#include "checks/Iban.h"
#include "checks/PaymentCard.h"
#include "checks/VatNumber.h"
#include "storage/Cp1252.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

QString lowerAscii(QString text)
{
    for (QChar &c : text)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return text;
}

bool digitsOnly(QStringView text)
{
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// Whatever a user pastes into the four check dialogs.
void judge(const QString &text)
{
    // Fiscal code: a code completed with the check character it calls for
    // is valid, in either letter case.
    if (text.size() >= FiscalCode::kLength - 1) {
        const QString fifteen = text.first(FiscalCode::kLength - 1);
        if (const auto check = FiscalCode::checkCharacter(fifteen)) {
            require(*check >= u'A' && *check <= u'Z');
            require(FiscalCode::isValid(QString(fifteen + *check)));
            require(FiscalCode::isValid(lowerAscii(fifteen + *check)));
        }
    }
    FiscalCode::isValid(text);

    // VAT number: ten digits and their check digit make a valid number.
    if (text.size() >= VatNumber::kLength - 1 && digitsOnly(text.first(VatNumber::kLength - 1))) {
        const QString ten = text.first(VatNumber::kLength - 1);
        const int digit = VatNumber::checkDigit(ten);
        require(digit >= 0 && digit <= 9);
        require(VatNumber::isValid(QString(ten + QChar(u'0' + digit))));
    }
    VatNumber::isValid(text);
    VatNumber::officeName(text);

    // Payment card: a type code is a first digit minus two, or zero.
    const int card = PaymentCard::checkResult(text);
    require(card >= -2 && card <= 7);
    PaymentCard::typeShown(text);

    // IBAN: the remainder stays a remainder.
    const int r = Iban::remainder97(Iban::checkDigits(text));
    require(r >= 0 && r < 97);
    require(Iban::passes(text) == (r == 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    // As typed into a field of the program, and as arbitrary UTF-16.
    judge(Cp1252::decode(bytes, qsizetype(size)));
    judge(QString::fromUtf16(reinterpret_cast<const char16_t *>(data), qsizetype(size / 2)));
    return 0;
}
