#pragma once
class QWidget;

// The help window of the inventory, shared by the chooser and the inventory.
namespace InventoryHelp {
void open(QWidget *parent);
}
