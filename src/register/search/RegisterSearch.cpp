#include "register/search/RegisterSearch.h"
#include "ui/WindowNames.h"
#include "ui/AppWindows.h"
#include "ui/RecordWindow.h"
#include "ui/Controls.h"
#include "register/RegisterRecord.h"
#include "register/RegisterLines.h"

namespace {

SearchSpec searchSpec()
{
    using F = SearchField;
    SearchSpec spec;
    spec.window.className = WindowNames::of<TfrmTrovaRegistro>();
    spec.window.caption = QStringLiteral(" Trova oggetti preziosi in Registro Operazioni");
    spec.window.printTitle = QStringLiteral("Riepilogo oggetti preziosi in Registro Operazioni");
    spec.criteria = {
        F::of<RegisterRecord>("txtNumScheda", QStringLiteral("Scheda n."), "NumScheda"),
        F::of<RegisterRecord>("txtData", QStringLiteral("Data operazione:"), "Data"),
        F::of<RegisterRecord>("txtCaratteristiche", QStringLiteral("Caratteristiche oggetto prezioso:"), "Caratteristiche"),
        F::of<RegisterRecord>("txtNatura", QStringLiteral("Natura e qualità:"), "Natura"),
        F::of<RegisterRecord>("txtCliente", QStringLiteral("Cognome e nome cliente:"), "Cliente"),
        F::of<RegisterRecord>("txtCodFisc", QStringLiteral("Codice fiscale:"), "CodFisc"),
        F::of<RegisterRecord>("txtCompratore", QStringLiteral("Dati identificativi acquirente:"), "Compratore"),
        F::of<RegisterRecord>("txtDestinazione", QStringLiteral("Destinazione oggetto:"), "Destinazione"),
        F::of<RegisterRecord>("txtDescrizione", QStringLiteral("Descrizione sintetica:"), "Descrizione"),
        F::of<RegisterRecord>("txtValutazione", QStringLiteral("Valutazione oggetto prezioso:"), "Valutazione"),
    };
    return spec;
}

} // namespace

TfrmTrovaRegistro::TfrmTrovaRegistro(QWidget *parent) : SearchDialog(searchSpec(), parent)
{
    setSource({&RegisterLines::path, RegisterRecordLayout::size, RegisterLines::search()});
}

std::optional<int> TfrmTrovaRegistro::receiptLine(const QString &token)
{
    static const QString prefix = QStringLiteral("ric_art_");
    if (token.size() != prefix.size() + 2 || !token.startsWith(prefix))
        return std::nullopt;
    const QStringView digits = QStringView(token).right(2);
    if (!digits[0].isDigit() || !digits[1].isDigit())
        return std::nullopt;
    const int line = digits.toInt();
    if (line < 1 || line > 30)
        return std::nullopt;
    return line;
}

void TfrmTrovaRegistro::deliver(const ArchiveScan::Found &found)
{
    const QString token = Controls::token(this);
    if (token == QLatin1StringView("registro")) {
        // The register window loads the card as its own navigation does, photos included.
        RecordWindows::load(WindowNames::registro, found.index);
        return;
    }
    if (const auto line = receiptLine(token)) {
        QWidget *receipt = AppWindows::get(WindowNames::ricevute);
        const RegisterRecord card = RegisterRecordLayout::decode(found.record);
        const QString nn = QString::number(*line).rightJustified(2, u'0');
        Controls::setText(receipt, QStringLiteral("txtDesc") + nn, card.Descrizione);
        Controls::setText(receipt, QStringLiteral("txtPrezzo") + nn, card.PrezzoVen);
    }
}
