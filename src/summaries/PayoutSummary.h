#pragma once
#include "resultlist/ResultListDialog.h"

class QLabel;

// The payout summary: the register cards of the chooser's interval and
// filters, sorted, with their total. It reads its inputs from the chooser
// that owns it.
class TfrmRiepCosti : public ResultListDialog
{
    Q_OBJECT
public:
    explicit TfrmRiepCosti(QWidget *chooser);

public slots:
    void imgGuidaClick();

protected:
    void formShow() override;
    void formClose() override;
    QStringList totalsLines() const override;

private:
    QLabel *titTipologia;
    QLabel *lblIntervallo;
    QLabel *lblTotCosti;
    QLabel *lblConta;
};
