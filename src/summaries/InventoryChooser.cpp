#include "summaries/InventoryChooser.h"

TfrmMenuRiepilogo::TfrmMenuRiepilogo(QWidget *parent)
    : AreaWindow(QStringLiteral("TfrmMenuRiepilogo"), QStringLiteral(" Valtrena - Inventario oggetti preziosi"), Presentation::Maximised, parent)
{
}
