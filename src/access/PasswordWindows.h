#pragma once
#include "ui/AreaWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The login window: the program's main window, shown first.
class TfrmPassword : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *parent = nullptr);

public slots:
    void txtPasswordChange();
    void cmdOKClick();
    void btnCambiaPasswordClick();
    void cmdEsciClick();

protected:
    void formShow() override;
    void formClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *txtPassword;
    QPushButton *cmdOK;
    QLabel *lblMemory;
};

// Changing the login password; returns to the login window however it closes.
class TfrmCambiaPassword : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget *parent = nullptr);

public slots:
    void fieldsChange();
    void cmdOKClick();
    void cmdEsciClick();

protected:
    void formShow() override;
    void formClose() override;

private:
    QLineEdit *txtPasswordOld;
    QLineEdit *txtPasswordNew;
    QLineEdit *txtConferma;
    QPushButton *cmdOK;
    QLabel *lblMemory;
};
