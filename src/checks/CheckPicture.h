#pragma once
#include <QPixmap>

// The picture at the top of each code-check dialog: a card of the kind
// being checked with a check mark, drawn so no bitmap needs shipping.
namespace CheckPicture {
enum class Kind { FiscalCode, VatNumber, PaymentCard, Iban };
QPixmap draw(Kind kind, qreal devicePixelRatio = 1.0);
}
