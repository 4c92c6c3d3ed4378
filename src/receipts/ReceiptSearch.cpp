#include "receipts/ReceiptSearch.h"
#include "ui/WindowNames.h"
#include "ui/AppWindows.h"
#include "ui/RecordWindow.h"
#include "ui/Controls.h"
#include "receipts/ReceiptRecord.h"
#include "receipts/ReceiptSearchLine.h"

namespace {

const QString kReceiptWindow = WindowNames::ricevute;

SearchSpec searchSpec()
{
    using R = ReceiptRecord;
    SearchSpec spec;
    spec.window.className = WindowNames::of<TfrmTrovaRicevute>();
    spec.window.caption = QStringLiteral(" Trova ricevute in archivio");
    spec.window.list.itemWidth = 1400;
    spec.window.printTitle = QStringLiteral("Riepilogo ricevute in archivio");
    spec.criteria = {
        SearchField::of<R>("txtNumRic", QStringLiteral("Ricevuta n."), "NumRic"),
        SearchField::of<R>("txtData", QStringLiteral("Data emissione:"), "Data"),
        SearchField::of<R>("txtCliente", QStringLiteral("Cognome e nome cliente:"), "Cliente"),
        SearchField::of<R>("txtCittaCliente", QStringLiteral("Città di residenza:"), "CittaCliente"),
        SearchField::of<R>("txtIvaCliente", QStringLiteral("Partita IVA:"), "IvaCliente"),
        SearchField::of<R>("txtCodFiscCliente", QStringLiteral("Codice fiscale:"), "CodFiscCliente"),
        SearchField::of<R>("txtPagamento", QStringLiteral("Modalità di pagamento:"), "Pagamento"),
        SearchField::of<R>("txtBanca", QStringLiteral("Banca d'appoggio:"), "Banca"),
        SearchField::of<R>("txtRiferimenti", QStringLiteral("Riferimenti:"), "Riferimenti"),
        SearchField::of<R>("txtNote", QStringLiteral("Note:"), "Note"),
    };
    return spec;
}

} // namespace

TfrmTrovaRicevute::TfrmTrovaRicevute(QWidget *parent) : SearchDialog(searchSpec(), parent)
{
    // The archive is the one open in the receipt window.
    setSource({[] { return Controls::text(AppWindows::get(kReceiptWindow), QStringLiteral("lblFile")).trimmed(); },
               ReceiptRecordLayout::size, ReceiptSearchLine::format()});
}

void TfrmTrovaRicevute::deliver(const ArchiveScan::Found &found)
{
    if (Controls::token(this) != QStringLiteral("ricevute"))
        return;
    RecordWindows::load(kReceiptWindow, found.index);
}
