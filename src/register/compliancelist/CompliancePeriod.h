#pragma once
#include <QDialog>

class QLineEdit;

// Asks for the period of the compliance check (both dates empty: the
// whole register), then opens the list of findings.
class TfrmVerificaConformita : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmVerificaConformita(QWidget *parent = nullptr);

public slots:
    void btnVerificaClick();

private:
    QLineEdit *txtDal;
    QLineEdit *txtAl;
};
