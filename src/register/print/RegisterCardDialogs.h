#pragma once
#include "register/print/CardTemplate.h"
#include "report/ui/OutputDialog.h"

class QLabel;

// What the print and the preview window of the register card share: the
// logo (Logo.bmp, or the built-in euro sign in imgTemp) and the page filled
// from the register window as it is on screen.
class RegisterCardDialog : public OutputDialog
{
    Q_OBJECT
public:
    RegisterCardDialog(QWidget *parent, const QString &caption, Report::Pictures::Illustration illustration,
                       const QString &actionCaption, const QString &explanation,
                       CardTemplate::Variant variant);
    // The card page ready for output.
    Report::PageTemplate preparedPage() const;

protected:
    QLabel *imgLogo;
    QLabel *imgTemp;

private:
    void loadLogo();
    CardTemplate::Variant m_variant;
    QImage m_logo;
};

// " Stampa scheda": prints the card through the printer dialog.
class TfrmStampaReg : public RegisterCardDialog
{
    Q_OBJECT
public:
    explicit TfrmStampaReg(QWidget *parent = nullptr);

protected slots:
    void btnStampaClick() override;
};

// " Anteprima di stampa": shows the card in the preview window.
class TfrmAnteprimaReg : public RegisterCardDialog
{
    Q_OBJECT
public:
    explicit TfrmAnteprimaReg(QWidget *parent = nullptr);

protected slots:
    void btnStampaClick() override;
};
