#include "receipts/print/ReceiptTemplate.h"
#include "ui/Controls.h"
#include "ui/Theme.h"

using namespace Report;

namespace ReceiptTemplate {

namespace {
QString s(const char16_t *text) { return QString::fromUtf16(text); }

QString numbered(const char16_t *prefix, int n, const QString &suffix)
{
    return s(prefix) + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')) + suffix;
}

Object vcentred(const QString &name, QRectF mm, qreal pointSize)
{
    return text(name, mm, pointSize, {}, Qt::AlignLeft | Qt::AlignVCenter);
}

// One copy. Copy A's positions are the table's; copy B sits 140 mm further
// right, with its own line columns and no stamp box.
void addCopy(PageTemplate &page, bool customerCopy, bool fillNumberBox)
{
    const QString sfx = customerCopy ? QStringLiteral("_A") : QStringLiteral("_B");
    const qreal dx = customerCopy ? 0 : 140;
    const QColor tint = Theme::colour(customerCopy ? Theme::Colour::ReceiptCustomerBox : Theme::Colour::ReceiptShopBox);
    const auto n = [&sfx](const char16_t *name) -> QString { return s(name) + sfx; };
    const auto add = [&page](const Object &o) { page.add(o); };
    const auto r = [dx](qreal left, qreal top, qreal width, qreal height) {
        return QRectF(left + dx, top, width, height);
    };

    add(horizontalLine(n(u"lineTop"), 10 + dx, 10, 135));
    add(horizontalLine(n(u"lineBottom"), 10 + dx, 198, 135));
    add(verticalLine(n(u"lineLeft"), 10 + dx, 10, 188));
    add(verticalLine(n(u"lineRight"), 145 + dx, 10, 188));
    add(picture(n(u"imgLogo"), r(12, 12, 60, 38)));

    add(rectangle(n(u"shpNumRic"), r(74, 12, 69, 11), fillNumberBox ? tint : noFill));
    Object number = text(n(u"txtNumRic"), r(76, 13, 65, 4), 9);
    number.bold = true;
    add(number);
    add(text(n(u"txtData"), r(76, 17.4, 65, 4), 9));

    add(rectangle(n(u"icoBollo"), r(74, 25, 69, 21)));
    add(text(n(u"titSpettabile"), r(74.5, 26, 65, 3.2), 7, s(u"Spettabile")));
    add(vcentred(n(u"txtCliente"), r(75.9, 30, 65, 4.8), 8));
    add(vcentred(n(u"txtViaCliente"), r(76, 35, 65, 4.8), 8));
    add(vcentred(n(u"txtCittaCliente"), r(76, 40, 65, 4.8), 8));
    add(rectangle(n(u"shpCodFiscCliente"), r(74, 47, 69, 7), Theme::colour(Theme::Colour::Paper)));
    add(vcentred(n(u"txtCodFiscCliente"), r(76, 48.3, 65, 4.8), 7));
    add(vcentred(n(u"txtRiferimenti"), r(74, 54.4, 69, 4.4), 7));
    add(vcentred(n(u"txtPagamento"), r(74, 58.4, 69, 4.4), 7));
    add(vcentred(n(u"txtBanca"), r(74, 63, 69, 4.4), 7));

    add(vcentred(n(u"txtDitta"), r(12, 51, 60, 4), 7));
    add(vcentred(n(u"txtViaDitta"), r(12, 55, 60, 4), 7));
    add(vcentred(n(u"txtCittaDitta"), r(12, 59, 60, 4), 7));
    add(vcentred(n(u"txtCodFiscDitta"), r(12, 63, 60, 4), 6));
    add(vcentred(n(u"txtLibero01"), r(12, 67, 60, 3.5), 6));
    add(vcentred(n(u"txtLibero02"), r(12, 71, 60, 3.5), 6));

    add(rectangle(n(u"shpCopia"), r(74, 68, 69, 6), tint));
    add(centredText(n(u"titCopia"), r(75, 69, 67.1, 3.8), 8,
                    customerCopy ? s(u"COPIA PER IL CLIENTE") : s(u"COPIA PER LA DITTA EMITTENTE")));
    add(rectangle(n(u"shpDatiContratto"), r(12, 75.8, 131, 4.6), Theme::colour(Theme::Colour::Paper)));
    add(text(n(u"txtNote"), r(13, 76.6, 129, 3), 7));

    // The lines: on the customer copy lines 17 to 30 make room for the stamp box.
    const qreal descLeft = customerCopy ? 13 : 153;
    const qreal descWidth = customerCopy ? 106.2 : 100;
    const qreal amountLeft = customerCopy ? 122 : 256;
    const qreal amountWidth = customerCopy ? 19.8 : 26;
    add(rectangle(n(u"shpIntestazione"), r(12, 82, 131, 5), tint));
    add(centredText(n(u"titProdotti"), QRectF(descLeft, 83, customerCopy ? 106.2 : 100.2, 3.2), 7,
                    s(u"PRODOTTI E SERVIZI FORNITI")));
    add(centredText(n(u"titImporto"), QRectF(amountLeft, 83, customerCopy ? 19.8 : 25.8, 3.2), 7,
                    s(u"IMPORTO")));
    add(rectangle(n(u"shpDatiImmobile"), r(12, 87, 130.8, 91.8), Theme::colour(Theme::Colour::Paper)));
    add(verticalLine(n(u"linColonna"), customerCopy ? 120.5 : 254.5, 82, 96.8));
    for (int line = 1; line <= kLines; ++line) {
        const qreal top = 88 + 3 * (line - 1);
        const bool besideStamp = customerCopy && line >= 17;
        add(text(numbered(u"txtDesc", line, sfx),
                 QRectF(besideStamp ? 69.6 : descLeft, top, besideStamp ? 49.6 : descWidth, 3.2), 7));
        add(text(numbered(u"txtPrezzo", line, sfx), QRectF(amountLeft, top, amountWidth, 3.2), 7, {},
                 Qt::AlignRight | Qt::AlignTop));
    }
    if (customerCopy) {
        add(rectangle(n(u"shpBollo"), r(13, 136.8, 55, 41), Theme::colour(Theme::Colour::Paper)));
        add(centredText(n(u"titBolloVigente"), r(16, 153.6, 49.1, 3.8), 8, s(u"BOLLO VIGENTE")));
        add(centredText(n(u"titOvePrevisto"), r(16, 158, 49.1, 3.8), 8, s(u"(ove previsto)")));
    }

    add(rectangle(n(u"shpTitFirma"), r(12, 180, 64, 3.4), tint));
    add(centredText(n(u"titFirma"), r(13, 180.2, 61.8, 2.8), 6, s(u"FIRMA PER QUIETANZA")));
    add(rectangle(n(u"shpFirma"), r(12, 183.5, 64, 12.5), Theme::colour(Theme::Colour::Paper)));
    add(horizontalLine(n(u"linFirma"), 14.6 + dx, 193.8, 58.6));
    add(rectangle(n(u"shpQuietanza"), r(78, 180, 65, 16), tint));
    add(text(n(u"titTotImporti"), r(79, 180.8, 37, 3.2), 7, s(u"TOTALE CORRISPETTIVI:")));
    add(text(n(u"titPercIstat"), r(79, 184.6, 37, 3.2), 7, s(u"Acconti da detrarre:")));
    add(text(n(u"titIstat"), r(79, 188.4, 37, 3.2), 7, s(u"Imposta di bollo:")));
    add(text(n(u"titTotale"), r(79, 192.2, 37, 3.2), 7, s(u"TOTALE SALDATO:")));
    for (const auto &[name, top] : {std::pair{u"txtTotCorrispettivi", 180.8}, std::pair{u"txtAcconti", 184.6},
                                    std::pair{u"txtTassa", 188.4}, std::pair{u"txtTotale", 192.2}})
        add(text(n(name), r(117, top, 24.5, 3.2), 7, {}, Qt::AlignRight | Qt::AlignTop));

    const qreal privacyLeft = customerCopy ? 10 : 150;
    const qreal privacyWidth = customerCopy ? 138 : 141;
    add(text(n(u"txtBollo"), QRectF(privacyLeft, 198.4, privacyWidth, 2.8), 6,
             s(u"I dati personali del Cliente saranno trattati nel rispetto della normativa sulla privacy "
               u"esclusivamente per l'erogazione del servizio")));
    add(text(n(u"titPrivacy"), QRectF(privacyLeft, 201.2, privacyWidth, 2.8), 6,
             s(u"e non saranno forniti a terzi o utilizzati per l'invio di pubblicità.")));
}
} // namespace

Report::PageTemplate make(Variant variant)
{
    QPageLayout layout = a4(QPageLayout::Landscape, 0);
    layout.setMode(QPageLayout::FullPageMode);
    PageTemplate page(QStringLiteral("Ricevuta"), layout);
    addCopy(page, true, variant == Variant::Paper);
    addCopy(page, false, variant == Variant::Paper);
    return page;
}

void fill(Report::PageTemplate &page, const QWidget *w, const QImage &logo)
{
    const auto v = [w](const QString &control) { return Controls::text(w, control).trimmed(); };
    const auto c = [&v](const char16_t *control) { return v(s(control)); };
    QList<QPair<QString, QString>> texts = {
        {s(u"txtNumRic"), s(u"Ricevuta n. ") + c(u"txtNumRic")},
        {s(u"txtData"), s(u"Data emissione:  ") + c(u"txtData")},
        {s(u"txtCliente"), c(u"txtCliente")},
        {s(u"txtViaCliente"), c(u"txtViaCliente")},
        {s(u"txtCittaCliente"), c(u"txtCapCliente") + u' ' + c(u"txtCittaCliente") + u' ' + c(u"txtProvCliente")},
        {s(u"txtCodFiscCliente"), s(u"C.F. ") + c(u"txtCodFiscCliente") + s(u"   P.Iva: ") + c(u"txtIvaCliente")},
        {s(u"txtRiferimenti"), s(u"Rif. ") + c(u"txtRiferimenti")},
        {s(u"txtPagamento"), s(u"Pagamento: ") + c(u"txtPagamento")},
        {s(u"txtBanca"), s(u"Banca: ") + c(u"txtBanca")},
        {s(u"txtDitta"), c(u"txtDitta")},
        {s(u"txtViaDitta"), c(u"txtViaDitta")},
        {s(u"txtCittaDitta"), c(u"txtCapDitta") + u' ' + c(u"txtCittaDitta") + u' ' + c(u"txtProvDitta")},
        {s(u"txtCodFiscDitta"), s(u"C.F. ") + c(u"txtCodFiscDitta") + s(u"   P.Iva: ") + c(u"txtIvaDitta")},
        {s(u"txtLibero01"), c(u"txtLibero01")},
        {s(u"txtLibero02"), c(u"txtLibero02")},
        {s(u"txtNote"), c(u"txtNote")},
        {s(u"txtTotCorrispettivi"), c(u"txtTotCorrispettivi")},
        {s(u"txtAcconti"), c(u"txtAcconti")},
        {s(u"txtTassa"), c(u"txtTassa")},
        {s(u"txtTotale"), c(u"txtTotale")},
    };
    for (int line = 1; line <= kLines; ++line)
        for (const char16_t *field : {u"txtDesc", u"txtPrezzo"})
            texts.append({numbered(field, line, {}), v(numbered(field, line, {}))});
    for (const QString &copy : {QStringLiteral("_A"), QStringLiteral("_B")}) {
        page.setPicture(QStringLiteral("imgLogo") + copy, logo);
        for (const auto &[object, text] : texts)
            page.setText(object + copy, text);
    }
}

} // namespace ReceiptTemplate
