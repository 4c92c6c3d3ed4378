#pragma once
#include "checks/CheckDialog.h"

// Tells whether a VAT number carries the right check digit and which office
// issued it.
class TfrmPartitaIva : public CheckDialog
{
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *parent = nullptr);

public slots:
    void btnControllaClick() override;

private:
    QLineEdit *txtPartitaIva;
};
