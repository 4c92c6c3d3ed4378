#pragma once
#include "customers/CustomerRecord.h"

class QWidget;

// The sample data the screenshots show, for the tests that check how the
// main windows lay them out.
namespace Samples {

// Types a whole card, photos included, into the register window.
void fillRegisterCard(QWidget *registerWindow);
// The customer card the registry shows.
CustomerRecord customer();
// Writes the issuing firm's settings into the data folder.
void seedIssuer();
// Types a receipt's header and lines into the receipt window.
void fillReceipt(QWidget *receiptWindow);

} // namespace Samples
