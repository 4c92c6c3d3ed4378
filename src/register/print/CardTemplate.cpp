#include "register/print/CardTemplate.h"
#include "ui/Controls.h"
#include "ui/Theme.h"
#include "report/ObjectPainter.h"
#include "report/Pictures.h"

#include <QLabel>
#include <QMetaObject>
#include <QPixmap>

using namespace Report;

namespace CardTemplate {

namespace {
const QColor blue = Theme::colour(Theme::Colour::CardSection);
const QColor lavender = Theme::colour(Theme::Colour::CardBand);

QString s(const char16_t *text) { return QString::fromUtf16(text); }
} // namespace

Report::PageTemplate make(Variant variant)
{
    const bool preview = variant == Variant::Preview;
    PageTemplate page(QStringLiteral("Scheda Operazione"), a4(QPageLayout::Portrait, 10));
    const auto add = [&page](const Object &o) { page.add(o); };

    add(picture(s(u"imgLogo"), {1.0, 1.0, 79.0, 39.0}));
    add(rectangle(s(u"shpNumFatt"), {83.0, 1.0, 106.0, 14.0}, blue));
    add(text(s(u"txtNumScheda"), {86.0, 3.5, 101.0, 4.0}, 9));
    add(text(s(u"txtData"), {86.0, 9.0, 101.0, 4.0}, 9));
    add(rectangle(s(u"shpBanca"), {83.0, 18.0, 106.0, 22.0}, lavender));
    add(text(s(u"titPagamento"), {86.0, 20.5, 101.0, 3.5}, 8, s(u"Mezzo di pagamento usato:")));
    add(text(s(u"txtMezzo"), {91.0, 25.0, 96.0, 4.0}, 9));
    add(text(s(u"titFattura"), {86.0, 30.0, 101.0, 3.5}, 8, s(u"Estremi transazione:")));
    add(text(s(u"txtTransazione"), {91.0, 34.5, 96.0, 4.0}, 9));

    add(rectangle(s(u"Shape1"), {1.0, 43.0, 188.0, 5.8}, blue));
    add(centredText(s(u"titCliente"), {2.0, 44.0, 185.8, 4.2}, 9, s(u"DATI CLIENTE")));
    add(rectangle(s(u"Shape2"), {1.0, 49.0, 188.0, 12.0}));
    add(verticalLine(s(u"Line2"), 116.5, 49.0, 12.0));
    add(text(s(u"txtCliente"), {2.0, 50.0, 113.0, 4.0}, 8));
    add(text(s(u"txtCodFisc"), {118.5, 50.0, 69.0, 4.0}, 8));
    add(horizontalLine(s(u"Line1"), 1.0, 55.0, 188.0));
    add(text(s(u"txtLuogoNasc"), {2.0, 56.0, 113.0, 4.0}, 8));
    add(text(s(u"txtDataNasc"), {118.5, 56.0, 69.0, 4.0}, 8));
    add(rectangle(s(u"shpDatiVeicolo"), {1.0, 61.0, 188.0, 11.7}));
    add(verticalLine(s(u"linSepara15"), 92.5, 61.0, 11.6));
    add(text(s(u"txtTipoDoc"), {2.0, 62.0, 89.0, 4.0}, 8));
    add(text(s(u"txtNumDoc"), {94.5, 62.0, 93.0, 4.0}, 8));
    add(horizontalLine(s(u"linSepara03"), 1.0, 67.0, 188.0));
    add(verticalLine(s(u"Line3"), 141.0, 67.0, 5.6));
    add(text(s(u"txtEnteRil"), {2.0, 68.0, 89.0, 4.0}, 8));
    add(text(s(u"txtDataRil"), {94.5, 68.0, 45.0, 4.0}, 8));
    add(text(s(u"txtDataSca"), {143.0, 68.0, 44.5, 4.0}, 8));

    add(rectangle(s(u"Shape5"), {1.0, 77.0, 188.0, 5.8}, lavender));
    add(centredText(s(u"titAccettazione"), {2.0, 78.0, 185.8, 4.2}, 9, s(u"CARATTERISTICHE OGGETTO PREZIOSO")));
    add(rectangle(s(u"Shape6"), {1.0, 83.0, 188.0, 6.0}));
    add(text(s(u"txtCaratteristiche"), {2.0, 84.0, 185.4, 4.0}, 8));
    add(rectangle(s(u"Shape9"), {1.0, 94.0, 188.0, 5.8}, blue));
    add(centredText(s(u"titControlli"), {2.0, 95.0, 185.8, 4.2}, 9, s(u"NATURA E QUALITA'")));
    add(rectangle(s(u"Shape10"), {1.0, 100.0, 188.0, 6.0}));
    add(text(s(u"txtNatura"), {2.0, 101.0, 185.9, 4.0}, 8));
    add(rectangle(s(u"Shape7"), {1.0, 111.0, 188.0, 5.8}, lavender));
    add(centredText(s(u"titAnomalie"), {2.0, 112.0, 185.8, 4.2}, 9,
                    s(u"QUOTAZIONE ORO E METALLI PREZIOSI CONTENUTI NELL'OGGETTO")));
    add(rectangle(s(u"Shape8"), {1.0, 117.0, 188.0, 6.0}));
    add(text(s(u"txtQuotazione"), {2.0, 118.0, 185.9, 4.0}, 8));

    add(text(s(u"titImporto"), {preview ? 49.0 : 48.0, 125.8, 41.8, 5.0}, 11, s(u"Importo corrisposto:")));
    add(picture(s(u"imgEuro"), {92.0, 125.8, 5.0, 5.0}, Pictures::euroSign(64)));
    add(text(s(u"txtImporto"), {preview ? 100.0 : 99.0, 125.8, 40.8, 5.0}, 11, s(u"0,00")));

    add(rectangle(s(u"Shape13"), {1.0, 134.0, 188.0, 5.8}, blue));
    add(centredText(s(u"titRicambi"), {2.0, 135.0, 185.8, 4.2}, 9, s(u"FOTOGRAFIE OGGETTO PREZIOSO")));
    add(rectangle(s(u"Shape14"), {1.0, 140.0, 188.0, 64.0}));
    add(picture(s(u"picFotografia01"), {4.0, 142.0, 89.0, 60.0}));
    add(picture(s(u"picFotografia02"), {97.0, 142.0, 89.0, 60.0}));

    add(rectangle(s(u"Shape15"), {1.0, 208.0, 188.0, 5.8}, lavender));
    add(centredText(s(u"titRaccomandazioni"), {2.0, 209.0, 185.8, 4.2}, 9,
                    s(u"Dati identificativi dell'operatore, cliente o azienda a cui l'oggetto è stato venduto o ceduto")));
    add(rectangle(s(u"Shape16"), {1.0, 214.0, 188.0, 6.0}));
    add(text(s(u"txtCompratore"), {2.0, 215.0, 185.9, 4.0}, 8));
    add(rectangle(s(u"Shape21"), {1.0, 222.0, 188.0, 5.8}, blue));
    add(centredText(s(u"titAnnotazioni"), {2.0, 223.0, 185.8, 4.2}, 9, s(u"Destinazione data all'oggetto")));
    add(rectangle(s(u"Shape22"), {1.0, 228.0, 188.0, 6.0}));
    add(text(s(u"txtDestinazione"), {2.0, 229.0, 185.9, 4.0}, 8));

    add(rectangle(s(u"Shape17"), {1.0, 236.0, 102.0, 5.8}, lavender));
    add(rectangle(s(u"Shape11"), {105.0, 236.0, 48.0, 5.8}, lavender));
    add(rectangle(s(u"Shape3"), {155.0, 236.0, 34.0, 5.8}, lavender));
    add(centredText(s(u"Memo1"), {2.0, 237.0, 99.8, 4.2}, 9, s(u"Valutazione oggetto")));
    add(centredText(s(u"Memo5"), {106.0, 237.0, 45.8, 4.2}, 9, s(u"Data vendita o cessione")));
    add(centredText(s(u"Memo6"), {156.0, 237.0, 31.8, 4.2}, 9, s(u"Prezzo vendita")));
    add(rectangle(s(u"Shape18"), {1.0, 242.0, 102.0, 6.0}));
    add(rectangle(s(u"Shape12"), {105.0, 242.0, 48.0, 6.0}));
    add(rectangle(s(u"Shape4"), {155.0, 242.0, 34.0, 6.0}));
    add(text(s(u"txtValutazione"), {2.0, 243.0, 99.9, 4.0}, 8));
    add(centredText(s(u"txtDataVen"), {106.0, 243.0, 45.9, 4.0}, 8));
    add(centredText(s(u"txtPrezzoVen"), {156.0, 243.0, 31.9, 4.0}, 8));

    add(text(s(u"titFirmaMeccanico"), {2.0, 251.0, 89.0, 5.0}, 9, operatorSignatureCaption()));
    add(text(s(u"titFirmaCliente"), {100.0, 251.0, 89.0, 5.0}, 9, s(u"FIRMA CLIENTE")));
    add(horizontalLine(s(u"Line10"), 2.0, 262.0, 78.0));
    add(horizontalLine(s(u"Line11"), 100.0, 262.0, 78.0));
    add(text(s(u"titPrivacy"), {2.0, 264.0, preview ? 193.0 : 194.0, 3.5}, 6,
             s(u"I dati personali del Cliente saranno trattati nel rispetto della normativa sulla privacy "
               u"esclusivamente per l'erogazione del servizio e non saranno forniti a terzi o utilizzati "
               u"per l'invio di pubblicità.")));
    add(rectangle(s(u"Shape23"), {1.0, 270.0, 188.0, 5.8}, Theme::colour(Theme::Colour::CardGold)));
    add(centredText(s(u"txtCalce"), {2.0, 271.0, 185.8, 4.2}, 8, s(u"Data e ora stampa")));
    return page;
}

QImage registerPhoto(const QWidget *window, int which)
{
    if (!window)
        return {};
    QImage photo;
    // The register window hands out its photos; a window without that
    // method still shows them in its two picture frames.
    if (window->metaObject()->indexOfMethod("photo(int)") >= 0
        && QMetaObject::invokeMethod(const_cast<QWidget *>(window), "photo", Qt::DirectConnection,
                                     Q_RETURN_ARG(QImage, photo), Q_ARG(int, which)))
        return photo;
    const auto *frame = window->findChild<QLabel *>(which == 0 ? QStringLiteral("imgFoto")
                                                               : QStringLiteral("imgFoto02"));
    return frame ? frame->pixmap().toImage() : QImage();
}

void fill(Report::PageTemplate &page, const QWidget *w, const QImage &logo, const QDateTime &printedAt)
{
    const auto value = [w](const char16_t *control) { return Controls::text(w, s(control)).trimmed(); };
    page.setPicture(s(u"imgLogo"), logo);
    page.setText(s(u"txtNumScheda"), s(u"Scheda n. ") + value(u"txtNumScheda"));
    page.setText(s(u"txtData"), s(u"Data operazione:  ") + value(u"txtData") + s(u"   -   Ora:  ")
                                    + value(u"txtOra"));
    page.setText(s(u"txtCliente"), s(u"Cognome e nome:  ") + value(u"txtCliente"));
    page.setText(s(u"txtCodFisc"), s(u"Codice fiscale:  ") + value(u"txtCodFisc"));
    page.setText(s(u"txtDataNasc"), s(u"Data nascita:  ") + value(u"txtDataNasc"));
    page.setText(s(u"txtLuogoNasc"), s(u"Luogo nascita:  ") + value(u"txtLuogoNasc") + s(u"  ")
                                         + value(u"txtProvNasc"));
    page.setText(s(u"txtTipoDoc"), s(u"Tipo documento:  ") + value(u"txtTipoDoc"));
    page.setText(s(u"txtNumDoc"), s(u"Numero documento:  ") + value(u"txtNumDoc"));
    page.setText(s(u"txtEnteRil"), s(u"Ente rilascio:  ") + value(u"txtEnteRil"));
    page.setText(s(u"txtDataRil"), s(u"Data rilascio:  ") + value(u"txtDataRil"));
    page.setText(s(u"txtDataSca"), s(u"Data scadenza:  ") + value(u"txtDataSca"));
    for (const char16_t *same : {u"txtMezzo", u"txtTransazione", u"txtCaratteristiche", u"txtNatura",
                                 u"txtQuotazione", u"txtImporto", u"txtCompratore", u"txtDestinazione",
                                 u"txtValutazione", u"txtDataVen", u"txtPrezzoVen"})
        page.setText(s(same), value(same));
    page.setPicture(s(u"picFotografia01"), registerPhoto(w, 0));
    page.setPicture(s(u"picFotografia02"), registerPhoto(w, 1));
    page.setText(s(u"txtCalce"), s(u"Stampa eseguita in data ") + dateText(printedAt) + s(u" alle ore ")
                                     + timeText(printedAt));
}

} // namespace CardTemplate
