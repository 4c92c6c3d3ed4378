#pragma once
#include "customers/CustomerRecord.h"
#include "report/PageTemplate.h"

class QWidget;

// The one-page print of a customer card (repScheda).
namespace CustomerPrint {

// The page filled with the card's rows and today's footer.
Report::PageTemplate page(const CustomerRecord &card);
// Through the printer dialog; there is no preview. True when printed.
bool print(QWidget *parent, const CustomerRecord &card);

} // namespace CustomerPrint
