#include "receipts/print/ReceiptOutputDialogs.h"
#include "ui/WindowNames.h"
#include "ui/AppWindows.h"
#include "ui/Messages.h"
#include "ui/Shell.h"
#include "report/Pictures.h"
#include "report/ReportOutput.h"
#include "report/ui/ReportDialogs.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"

using Report::Pictures::Illustration;

Report::PageTemplate ReceiptOutputDialog::preparedPage(ReceiptTemplate::Variant variant) const
{
    Report::PageTemplate page = ReceiptTemplate::make(variant);
    ReceiptTemplate::fill(page, AppWindows::get(WindowNames::ricevute),
                          Report::Pictures::companyLogo());
    return page;
}

TfrmStampaRicevuta::TfrmStampaRicevuta(QWidget *parent)
    : ReceiptOutputDialog(parent, QStringLiteral(" Stampa ricevuta"), Illustration::Printer,
                          QStringLiteral("Stampa"),
                          QStringLiteral("Stampa la ricevuta corrente in due copie su un foglio A4: "
                                         "una per il cliente e una per la ditta emittente."))
{
    setObjectName(WindowNames::of<TfrmStampaRicevuta>());
}

void TfrmStampaRicevuta::btnStampaClick()
{
    ReportDialogs::print(preparedPage(ReceiptTemplate::Variant::Paper), this);
    accept();
}

TfrmAnteprimaRicevuta::TfrmAnteprimaRicevuta(QWidget *parent)
    : ReceiptOutputDialog(parent, QStringLiteral(" Anteprima di stampa"), Illustration::Preview,
                          QStringLiteral("Mostra anteprima"),
                          QStringLiteral("Mostra a video la ricevuta corrente così come verrà stampata."))
{
    setObjectName(WindowNames::of<TfrmAnteprimaRicevuta>());
}

void TfrmAnteprimaRicevuta::btnStampaClick()
{
    ReportDialogs::preview(preparedPage(ReceiptTemplate::Variant::Paper), this, {true});
    accept();
}

TfrmPDF_Ricevuta::TfrmPDF_Ricevuta(QWidget *parent)
    : ReceiptOutputDialog(parent, QStringLiteral(" Esportazione in PDF"), Illustration::Pdf,
                          QStringLiteral("Crea PDF"),
                          QStringLiteral("Salva la ricevuta corrente nel file PDF Ricevuta.pdf "
                                         "nella cartella del programma."))
{
    setObjectName(WindowNames::of<TfrmPDF_Ricevuta>());
}

QString TfrmPDF_Ricevuta::pdfPath() { return DataFolder::file(QStringLiteral("Ricevuta.pdf")); }

void TfrmPDF_Ricevuta::btnStampaClick()
{
    const QString path = pdfPath();
    if (!Report::writePdf(preparedPage(ReceiptTemplate::Variant::Pdf), path,
                          {QStringLiteral("Ricevuta"), QStringLiteral("Ricevuta")}, Clock::now())) {
        // The old file, if any, is left as it was.
        Messages::error(QStringLiteral("Attenzione: non è stato possibile creare il file ") + path
                            + QStringLiteral(".\r\n\r\nVerificare che il file non sia aperto in un altro "
                                             "programma e che la cartella sia accessibile in scrittura."),
                        this);
        return;
    }
    if (!Messages::confirm(QStringLiteral("L'esportazione della scheda in PDF è terminata con successo."
                                          "\r\n\r\nSi vuole aprire il file?"),
                           this))
        return;
    Shell::open(u'"' + path + u'"');
    accept();
}
