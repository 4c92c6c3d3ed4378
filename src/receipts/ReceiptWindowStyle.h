#pragma once
#include <QString>

// The look of the receipt window: a light workspace with white cards.
namespace ReceiptWindowStyle {
QString sheet();
}
