#pragma once
#include <QDialog>
#include <functional>

class QCheckBox;
class QDateEdit;
class QPushButton;
class RegisterBook;

// " Stampa registro": the register book of a period (the current year by
// default), with or without the photos, printed, previewed or saved as PDF.
class TfrmStampaRegistro : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmStampaRegistro(QWidget *parent = nullptr);

public slots:
    void btnStampaClick();
    void btnAnteprimaClick();
    void btnPdfClick();

private:
    // The book of the chosen period, or nothing after a message saying why.
    bool withBook(const std::function<void(const RegisterBook &)> &use);

    QDateEdit *txtDal;
    QDateEdit *txtAl;
    QCheckBox *chkFoto;
    QPushButton *btnStampa;
    QPushButton *btnAnteprima;
    QPushButton *btnPdf;
    QPushButton *btnChiudi;
};
