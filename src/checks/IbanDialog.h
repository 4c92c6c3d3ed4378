#pragma once
#include "checks/CheckDialog.h"

// Tells whether an IBAN of Italian length passes the mod-97 check.
class TfrmIban : public CheckDialog
{
    Q_OBJECT
public:
    explicit TfrmIban(QWidget *parent = nullptr);

public slots:
    void btnControllaClick() override;

private:
    QLineEdit *txtIban;
};
