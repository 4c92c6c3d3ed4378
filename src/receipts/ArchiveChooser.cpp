#include "receipts/ArchiveChooser.h"

TfrmMenuRicevute::TfrmMenuRicevute(QWidget *parent)
    : AreaWindow(QStringLiteral("TfrmMenuRicevute"), QStringLiteral(" Valtrena - Emissione ricevute"), Presentation::Maximised, parent)
{
}
