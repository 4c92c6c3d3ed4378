#pragma once
#include <QString>

// The help of the receipts area, shown by the chooser and the receipt window.
namespace ReceiptsHelp {
inline QString title() { return QStringLiteral("Applicazione Emissione ricevute."); }
QString text();
}
