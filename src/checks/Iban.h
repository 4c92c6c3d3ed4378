#pragma once
#include <QString>
#include <QStringView>

// The ISO 13616 mod-97 check of an IBAN of Italian length.
namespace Iban {
constexpr int kLength = 27;

// The IBAN turned into the digits the check works on: blanks removed, a-z
// upper-cased, the first "IBAN" dropped, the first four characters moved to
// the end and every letter A-Z written as its number (A = 10 ... Z = 35).
// Anything else is left as it is.
QString checkDigits(QStringView text);

// Remainder of a digit string modulo 97; 0 when it holds anything else
// (or nothing), so such a text never passes.
int remainder97(QStringView digits);

// True when the prepared text leaves remainder 1. The length is the
// caller's concern.
bool passes(QStringView text);
}
