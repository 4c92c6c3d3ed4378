#pragma once
#include "resultlist/ResultListDialog.h"

// The objects still in stock, with their valuation and resale price; a
// double-click loads the card back into the register window.
class TfrmDaVendere : public ResultListDialog
{
    Q_OBJECT
public:
    explicit TfrmDaVendere(QWidget *parent = nullptr);

protected:
    void formShow() override;
    void deliver(const ArchiveScan::Found &found) override;
};
