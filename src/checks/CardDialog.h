#pragma once
#include "checks/CheckDialog.h"

// Tells whether a payment-card number passes the mod-10 check and its type.
class TfrmCarta : public CheckDialog
{
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget *parent = nullptr);

public slots:
    void btnControllaClick() override;

private:
    QLineEdit *txtNumero;
};
