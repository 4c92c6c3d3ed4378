#include "customers/CustomerSearch.h"
#include "ui/WindowNames.h"
#include "ui/AppWindows.h"
#include "ui/RecordWindow.h"
#include "ui/Controls.h"
#include "customers/CustomerCard.h"
#include "customers/CustomerRecord.h"
#include "storage/DataFolder.h"

namespace {

LineFormat searchLine()
{
    using F = LineFormat;
    return F({F::joined<CustomerRecord>(QString(), {"Cognome", "Nome"}, 28, QStringLiteral("Cognome e nome")),
              F::field<CustomerRecord>(QStringLiteral("  C.F. "), "CodFisc", 16, QStringLiteral("Codice fiscale")),
              F::field<CustomerRecord>(QStringLiteral("  Ditta: "), "Zona", 28, QStringLiteral("Ditta")),
              F::field<CustomerRecord>(QStringLiteral("  Tel. "), "Recapito", 14, QStringLiteral("Telefono")),
              F::field<CustomerRecord>(QStringLiteral("  Note: "), "Note", F::kRest, QStringLiteral("Note"))});
}

SearchSpec searchSpec()
{
    SearchSpec s;
    s.window.className = WindowNames::of<TfrmTrovaClienti>();
    s.window.caption = QStringLiteral(" Trova clienti in archivio");
    s.window.printTitle = QStringLiteral("Riepilogo clienti in archivio");
    using SF = SearchField;
    s.criteria = {
        SF::of<CustomerRecord>("txtCognome", QStringLiteral("Cognome:"), "Cognome"),
        SF::of<CustomerRecord>("txtNome", QStringLiteral("Nome:"), "Nome"),
        SF::of<CustomerRecord>("txtCodice", QStringLiteral("Codice cliente:"), "Codice"),
        SF::of<CustomerRecord>("txtCategoria", QStringLiteral("Categoria:"), "Categoria"),
        SF::of<CustomerRecord>("txtCodFisc", QStringLiteral("Codice fiscale:"), "CodFisc"),
        SF::of<CustomerRecord>("txtIva", QStringLiteral("Partita IVA:"), "Iva"),
        SF::of<CustomerRecord>("txtZona", QStringLiteral("Denominazione Ditta:"), "Zona"),
        SF::of<CustomerRecord>("txtProdotti", CustomerCard::soldLabel(), "Prodotti"),
        SF::of<CustomerRecord>("txtAcquisto", QStringLiteral("Causale pagamento rateale in corso:"), "Acquisto"),
        SF::of<CustomerRecord>("txtNote", QStringLiteral("Note:"), "Note"),
    };
    return s;
}

// What each caller receives: target control and the record fields that make
// its text, joined by one blank.
struct Copy
{
    const char *control;
    std::initializer_list<const char *> fields;
};
struct Delivery
{
    const char *token;
    QLatin1StringView window;
    std::initializer_list<Copy> copies;
};

const Delivery kDeliveries[] = {
    {"registro", WindowNames::registro,
     {{"txtCliente", {"Cognome", "Nome"}}, {"txtCodFisc", {"CodFisc"}}, {"txtDataNasc", {"DataNasc"}},
      {"txtLuogoNasc", {"ComuneNasc"}}, {"txtProvNasc", {"ProvNasc"}}, {"txtSesso", {"Sesso"}},
      {"txtTipoDoc", {"TipoDoc"}}, {"txtNumDoc", {"NumDoc"}}, {"txtEnteRil", {"EnteRil"}},
      {"txtDataRil", {"DataRil"}}, {"txtDataSca", {"DataSca"}}}},
    {"ricevute", WindowNames::ricevute,
     {{"txtCliente", {"Cognome", "Nome"}}, {"txtViaCliente", {"Indirizzo"}}, {"txtCapCliente", {"Cap"}},
      {"txtCittaCliente", {"ComuneRes"}}, {"txtProvCliente", {"ProvRes"}}, {"txtCodFiscCliente", {"CodFisc"}},
      {"txtIvaCliente", {"Iva"}}, {"txtBanca", {"Banca"}}, {"txtPagamento", {"Pagamento"}}}},
    {"menuriepcosti", WindowNames::menuRiepCosti, {{"txtCCP", {"CodFisc"}}}},
};

// The target's own control: this search, opened by that window, carries
// boxes of the same names, which must never receive the delivery.
QWidget *ownControl(QWidget *window, const QString &name)
{
    if (!window)
        return nullptr;
    for (QWidget *w : window->findChildren<QWidget *>(name))
        if (w->window() == window)
            return w;
    return nullptr;
}

} // namespace

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *parent) : SearchDialog(searchSpec(), parent)
{
    setSource({[] { return DataFolder::file(FileNames::customerArchive()); }, CustomerRecordLayout::size,
               searchLine()});
}

QString TfrmTrovaClienti::lineOf(const char *record)
{
    static const LineFormat format = searchLine();
    return format.build(record);
}

void TfrmTrovaClienti::deliver(const ArchiveScan::Found &found)
{
    const QString token = Controls::token(this);
    if (token == QStringLiteral("clienti")) {
        // The customer window shows it as the stored card it is.
        RecordWindows::load(WindowNames::anagrafica, found.index);
        return;
    }
    for (const Delivery &d : kDeliveries) {
        if (token != QLatin1StringView(d.token))
            continue;
        QWidget *target = AppWindows::get(d.window);
        for (const Copy &c : d.copies) {
            QStringList parts;
            for (const char *field : c.fields)
                parts.append(CustomerRecordLayout::field(found.record.constData(),
                                                         CustomerRecordLayout::indexOf(QString::fromLatin1(field))));
            if (QWidget *control = ownControl(target, QLatin1StringView(c.control)))
                Controls::setText(control, parts.join(u' '));
        }
    }
}
