#include "receipts/ReceiptWindow.h"

TfrmRicevute::TfrmRicevute(QWidget *parent)
    : AreaWindow(QStringLiteral("TfrmRicevute"), QStringLiteral(" Valtrena - Archivio ricevute"), Presentation::Maximised, parent)
{
}
