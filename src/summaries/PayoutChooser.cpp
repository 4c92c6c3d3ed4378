#include "summaries/PayoutChooser.h"

TfrmMenuRiepCosti::TfrmMenuRiepCosti(QWidget *parent)
    : AreaWindow(QStringLiteral("TfrmMenuRiepCosti"), QStringLiteral(" Valtrena - Riepilogo esborsi"), Presentation::Maximised, parent)
{
}
