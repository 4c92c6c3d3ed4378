#pragma once
#include <QString>
#include <QStringView>

// The Italian VAT number: eleven digits, the last one a Luhn check digit,
// digits 8 to 10 naming the provincial office that issued it.
namespace VatNumber {
constexpr int kLength = 11;

// Check digit of ten digits.
int checkDigit(QStringView firstTen);
bool isValid(QStringView number);
// Name of the issuing office for a number; empty when its code is unknown.
QString officeName(QStringView number);
}
