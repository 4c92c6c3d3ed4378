#pragma once
#include "receipts/print/ReceiptTemplate.h"
#include "report/ui/OutputDialog.h"

// What the print, preview and PDF windows of the receipt share: the logo
// and the page filled from the receipt window as it is on screen.
class ReceiptOutputDialog : public OutputDialog
{
    Q_OBJECT
public:
    using OutputDialog::OutputDialog;
    Report::PageTemplate preparedPage(ReceiptTemplate::Variant variant) const;
};

// " Stampa ricevuta": the printer dialog, then close.
class TfrmStampaRicevuta : public ReceiptOutputDialog
{
    Q_OBJECT
public:
    explicit TfrmStampaRicevuta(QWidget *parent = nullptr);

protected slots:
    void btnStampaClick() override;
};

// " Anteprima di stampa": the preview at 100%, then close.
class TfrmAnteprimaRicevuta : public ReceiptOutputDialog
{
    Q_OBJECT
public:
    explicit TfrmAnteprimaRicevuta(QWidget *parent = nullptr);

protected slots:
    void btnStampaClick() override;
};

// " Esportazione in PDF": writes Ricevuta.pdf beside the archives and offers
// to open it.
class TfrmPDF_Ricevuta : public ReceiptOutputDialog
{
    Q_OBJECT
public:
    explicit TfrmPDF_Ricevuta(QWidget *parent = nullptr);
    static QString pdfPath();

protected slots:
    void btnStampaClick() override;
};
