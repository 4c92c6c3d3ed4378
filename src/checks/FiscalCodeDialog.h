#pragma once
#include "checks/CheckDialog.h"

// Tells whether a personal fiscal code carries the right check letter.
class TfrmCodFisc : public CheckDialog
{
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *parent = nullptr);

public slots:
    void btnControllaClick() override;

private:
    QLineEdit *txtCodFisc;
};
