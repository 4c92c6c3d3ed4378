#pragma once
#include "resultlist/SearchDialog.h"

#include <optional>

// Finds register cards by partial keys in ten fields and hands the chosen
// one to the window that opened the search: the whole card to the register
// window ("registro"), or its description and resale price to one of the
// thirty receipt lines ("ric_art_01" ... "ric_art_30").
class TfrmTrovaRegistro : public SearchDialog
{
    Q_OBJECT
public:
    explicit TfrmTrovaRegistro(QWidget *parent = nullptr);

    // The receipt line (1-30) a caller token names, if it names one.
    static std::optional<int> receiptLine(const QString &token);

protected:
    void deliver(const ArchiveScan::Found &found) override;
};
