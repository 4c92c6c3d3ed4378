#pragma once
#include <QString>
#include <QStringView>

// Payment-card numbers: the mod-10 (Luhn) check and the card type.
namespace PaymentCard {
// Digits looked at: no card number is longer.
constexpr int kDigitWindow = 20;

// The type code of a number: its first digit minus 2 when it passes the
// mod-10 check, 0 when it does not. Characters other than digits are
// skipped, and only the first twenty digits count.
int checkResult(QStringView text);

// The type shown for a number whose check result is 1 to 4; empty when the
// first digits name no known type (3 followed by 2 or 9, for example).
QString typeShown(QStringView text);
}
