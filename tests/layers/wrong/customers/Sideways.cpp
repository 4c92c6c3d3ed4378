// A feature reading another feature: its record is allowed, its window is not.
#include "register/RegisterRecord.h"
#include "receipts/ReceiptWindow.h"
