#pragma once
#include "resultlist/ResultListDialog.h"

#include <QList>

class QLabel;

// "Verifica conformità": one line per finding of the register cards (card
// number, date, customer, finding), in file order; a double-click opens
// the card in the register window. The opener writes the period into the
// hidden labels lblDal and lblAl (both empty: the whole register).
class TfrmConformita : public ResultListDialog
{
    Q_OBJECT
public:
    explicit TfrmConformita(QWidget *parent = nullptr);

public slots:
    void openSelectedCard();

protected:
    void formShow() override;
    QString reportTitle() const override { return m_title; }

private:
    QLabel *lblDal;
    QLabel *lblAl;
    QString m_title;
};
