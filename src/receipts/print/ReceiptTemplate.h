#pragma once
#include "report/PageTemplate.h"

#include <QImage>

class QWidget;

// The printed receipt: one landscape A4 sheet without margins holding two
// identical copies, the customer's on the left (suffix _A) and the issuing
// company's on the right (suffix _B).
namespace ReceiptTemplate {

// The PDF page differs only in its two number boxes, which have no fill.
enum class Variant { Paper, Pdf };
Report::PageTemplate make(Variant variant);

// Fills both copies from the receipt window's controls as they are on
// screen (totals as shown, not recomputed) and puts the logo in both.
void fill(Report::PageTemplate &page, const QWidget *receiptWindow, const QImage &logo);

constexpr int kLines = 30;
}
