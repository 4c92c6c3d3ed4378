#pragma once
#include "resultlist/ResultLines.h"

// The line of a receipt in the receipt search list: number, date,
// customer, fiscal code, advances, stamp duty and the sum of the lines.
namespace ReceiptSearchLine {
const LineFormat &format();
}
