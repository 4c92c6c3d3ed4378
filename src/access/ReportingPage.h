#pragma once
#include "ui/AreaWindow.h"

class QLabel;
class QLineEdit;

// Keeps the user name and the scrambled password of the reporting portal.
class TfrmSegnalazioni : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmSegnalazioni(QWidget *parent = nullptr);

public slots:
    void lnkPasswordClick();
    void lnkWebClick();
    void btnApplicaClick();
    void btnAnnullaClick();
    void imgGuidaClick();

protected:
    void formShow() override;

private:
    QLineEdit *txtNomeUtente;
    QLineEdit *txtPassword;
    QLabel *lblMemory;
};
