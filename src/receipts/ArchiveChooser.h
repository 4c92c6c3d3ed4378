#pragma once
#include "ui/AreaWindow.h"

class QLabel;
class QLineEdit;

// Picks the year whose receipt archive the receipt window works on; also
// leads to the receipt statistics and the company logo.
class TfrmMenuRicevute : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmMenuRicevute(QWidget *parent = nullptr);

public slots:
    void btnApriFattureClick();
    void btnApriRiepStatsClick();
    void lnkWebClick();
    void imgGuidaClick();
    void imgEsciClick();

protected:
    void formShow() override;
    // Goes where the caller token says: main menu, receipts or statistics.
    void formClose() override;

private:
    QLineEdit *txtAnnoFatture;
    QLabel *lblMemory;
};
