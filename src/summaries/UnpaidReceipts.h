#pragma once
#include "resultlist/ResultListDialog.h"

// The receipts of the open archive not yet paid, in file order; a
// double-click loads one back into the receipt window.
class TfrmSospese : public ResultListDialog
{
    Q_OBJECT
public:
    explicit TfrmSospese(QWidget *parent = nullptr);

    // Whether a receipt's paid flag reads exactly "No" (blanks around aside).
    static bool isUnpaid(const QString &saldata);

protected:
    void deliver(const ArchiveScan::Found &found) override;
};
