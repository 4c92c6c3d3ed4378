#pragma once
#include "resultlist/SearchDialog.h"

// Finds receipts of the open year's archive by up to ten partial keys and
// loads the one double-clicked into the receipt window.
class TfrmTrovaRicevute : public SearchDialog
{
    Q_OBJECT
public:
    explicit TfrmTrovaRicevute(QWidget *parent = nullptr);

protected:
    void deliver(const ArchiveScan::Found &found) override;
};
