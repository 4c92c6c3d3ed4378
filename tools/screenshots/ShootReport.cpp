#include "Shooter.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "register/print/CardTemplate.h"
#include "receipts/print/LogoWindow.h"
#include "receipts/print/ReceiptOutputDialogs.h"
#include "register/print/RegisterCardDialogs.h"
#include "report/ListReport.h"
#include "report/ReportOutput.h"
#include "storage/Clock.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadialGradient>
#include <memory>

namespace {
const QList<QPair<QString, QString>> kSampleCard = {
    {QStringLiteral("txtNumScheda"), QStringLiteral("125")},
    {QStringLiteral("txtData"), QStringLiteral("15/06/2025")},
    {QStringLiteral("txtOra"), QStringLiteral("10:30")},
    {QStringLiteral("txtMezzo"), QStringLiteral("Bonifico bancario")},
    {QStringLiteral("txtTransazione"), QStringLiteral("CRO 0012345678 del 15/06/2025")},
    {QStringLiteral("txtCliente"), QStringLiteral("ROSSI MARIO")},
    {QStringLiteral("txtCodFisc"), QStringLiteral("RSSMRA70A01F205X")},
    {QStringLiteral("txtDataNasc"), QStringLiteral("01/01/1970")},
    {QStringLiteral("txtLuogoNasc"), QStringLiteral("MILANO")},
    {QStringLiteral("txtProvNasc"), QStringLiteral("MI")},
    {QStringLiteral("txtTipoDoc"), QStringLiteral("Carta d'identità")},
    {QStringLiteral("txtNumDoc"), QStringLiteral("AX1234567")},
    {QStringLiteral("txtEnteRil"), QStringLiteral("Comune di Milano")},
    {QStringLiteral("txtDataRil"), QStringLiteral("02/03/2020")},
    {QStringLiteral("txtDataSca"), QStringLiteral("02/03/2030")},
    {QStringLiteral("txtCaratteristiche"), QStringLiteral("Anello a fascia con pietra azzurra incastonata, inciso all'interno")},
    {QStringLiteral("txtNatura"), QStringLiteral("Oro giallo 18 kt (750), peso 6,4 g")},
    {QStringLiteral("txtQuotazione"), QStringLiteral("Oro 18 kt: 52,30 euro al grammo")},
    {QStringLiteral("txtImporto"), QStringLiteral("334,72")},
    {QStringLiteral("txtCompratore"), QStringLiteral("Fonderia Metalli Preziosi srl, via dell'Industria 4, Arezzo")},
    {QStringLiteral("txtDestinazione"), QStringLiteral("Fusione")},
    {QStringLiteral("txtValutazione"), QStringLiteral("Buono stato")},
    {QStringLiteral("txtDataVen"), QStringLiteral("20/06/2025")},
    {QStringLiteral("txtPrezzoVen"), QStringLiteral("360,00")},
};

QList<QPair<QString, QString>> sampleReceipt()
{
    QList<QPair<QString, QString>> fields = {
        {QStringLiteral("txtDitta"), QStringLiteral("Compro Oro Valtrena di Neri Luca")},
        {QStringLiteral("txtViaDitta"), QStringLiteral("Corso Italia 8")},
        {QStringLiteral("txtCapDitta"), QStringLiteral("50123")},
        {QStringLiteral("txtCittaDitta"), QStringLiteral("Firenze")},
        {QStringLiteral("txtProvDitta"), QStringLiteral("FI")},
        {QStringLiteral("txtIvaDitta"), QStringLiteral("01234567890")},
        {QStringLiteral("txtCodFiscDitta"), QStringLiteral("NRELCU80A01D612K")},
        {QStringLiteral("txtLibero01"), QStringLiteral("Tel. 055 123456")},
        {QStringLiteral("txtLibero02"), QStringLiteral("info@valtrena.example")},
        {QStringLiteral("txtCliente"), QStringLiteral("Bianchi Anna")},
        {QStringLiteral("txtViaCliente"), QStringLiteral("Via Verdi 3")},
        {QStringLiteral("txtCapCliente"), QStringLiteral("20100")},
        {QStringLiteral("txtCittaCliente"), QStringLiteral("Milano")},
        {QStringLiteral("txtProvCliente"), QStringLiteral("MI")},
        {QStringLiteral("txtIvaCliente"), QString()},
        {QStringLiteral("txtCodFiscCliente"), QStringLiteral("BNCNNA75B41F205Z")},
        {QStringLiteral("txtNote"), QStringLiteral("Vendita di oggetti preziosi usati")},
        {QStringLiteral("txtNumRic"), QStringLiteral("7/2025")},
        {QStringLiteral("txtData"), QStringLiteral("15/06/2025")},
        {QStringLiteral("txtRiferimenti"), QStringLiteral("Scheda registro n. 125")},
        {QStringLiteral("txtPagamento"), QStringLiteral("Bonifico bancario")},
        {QStringLiteral("txtBanca"), QStringLiteral("Banca Toscana - IT60X0542811101000000123456")},
        {QStringLiteral("txtTotCorrispettivi"), QStringLiteral("1305,00")},
        {QStringLiteral("txtAcconti"), QStringLiteral("100,00")},
        {QStringLiteral("txtTassa"), QStringLiteral("2,00")},
        {QStringLiteral("txtTotale"), QStringLiteral("1207,00")},
    };
    const QStringList items = {QStringLiteral("Anello oro giallo 18 kt con pietra azzurra"),
                               QStringLiteral("Collana in oro bianco 18 kt con pendente e zaffiri"),
                               QStringLiteral("Bracciale tennis oro giallo"),
                               QStringLiteral("Orecchini a cerchio oro rosa")};
    const QStringList amounts = {QStringLiteral("360,00"), QStringLiteral("520,00"), QStringLiteral("280,00"),
                                 QStringLiteral("145,00")};
    for (int n = 1; n <= 30; ++n) {
        const QString number = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        const bool filled = n <= 4 || n == 18;
        const int item = n == 18 ? 1 : n - 1;
        fields.append({QStringLiteral("txtDesc") + number, filled ? items.at(item) : QString()});
        fields.append({QStringLiteral("txtPrezzo") + number, filled && n != 18 ? amounts.at(item) : QString()});
    }
    return fields;
}

// An area window filled with sample values: the real one when it already has
// its controls, otherwise a stand-in with the same control names.
QWidget *windowWithSample(const QString &className, const QList<QPair<QString, QString>> &fields,
                          std::unique_ptr<QWidget> &standIn)
{
    QWidget *window = AppWindows::get(className);
    if (!window || !Controls::child(window, fields.first().first)) {
        standIn = std::make_unique<QWidget>();
        window = standIn.get();
        for (const auto &[name, text] : fields)
            (new QLineEdit(window))->setObjectName(name);
    }
    for (const auto &[name, text] : fields)
        Controls::setText(window, name, text);
    return window;
}

// A sample object photo: a gold ring on a soft background.
QImage samplePhoto(const QColor &background)
{
    QImage photo(640, 480, QImage::Format_RGB32);
    QPainter p(&photo);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient light(320, 200, 420);
    light.setColorAt(0, background.lighter(130));
    light.setColorAt(1, background.darker(140));
    p.fillRect(photo.rect(), light);
    p.setPen(QPen(QColor(0xD4, 0xA0, 0x17), 34));
    p.drawEllipse(QPointF(320, 250), 150, 110);
    p.setPen(QPen(QColor(0xFF, 0xE0, 0x82), 8));
    p.drawArc(QRectF(175, 145, 290, 210), 30 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4F, 0xC3, 0xF7));
    p.drawEllipse(QPointF(320, 130), 34, 30);
    return photo;
}

// The register window as the card printing reads it, with photos.
QWidget *registerWindowWithSampleCard(std::unique_ptr<QWidget> &standIn)
{
    QWidget *window = windowWithSample(QStringLiteral("TfrmRegistro"), kSampleCard, standIn);
    if (window == standIn.get()) {
        for (const auto &[name, colour] : {std::pair{QStringLiteral("imgFoto"), QColor(0x90, 0xA4, 0xAE)},
                                           std::pair{QStringLiteral("imgFoto02"), QColor(0xBC, 0xAA, 0xA4)}}) {
            auto *frame = new QLabel(window);
            frame->setObjectName(name);
            frame->setPixmap(QPixmap::fromImage(samplePhoto(colour)));
        }
    }
    return window;
}

void shootReceiptPrinting(Shooter &shoot)
{
    std::unique_ptr<QWidget> standIn;
    QWidget *window = windowWithSample(QStringLiteral("TfrmRicevute"), sampleReceipt(), standIn);
    TfrmStampaRicevuta print(window);
    shoot.window(&print, QStringLiteral("TfrmStampaRicevuta"));
    print.hide();
    TfrmAnteprimaRicevuta preview(window);
    shoot.window(&preview, QStringLiteral("TfrmAnteprimaRicevuta"));
    preview.hide();
    TfrmPDF_Ricevuta pdf(window);
    shoot.window(&pdf, QStringLiteral("TfrmPDF_Ricevuta"));
    pdf.hide();
    TfrmLogo logo(window);
    shoot.window(&logo, QStringLiteral("TfrmLogo"));
    logo.hide();
    Report::PageTemplate receipt = ReceiptTemplate::make(ReceiptTemplate::Variant::Paper);
    ReceiptTemplate::fill(receipt, window, Report::Pictures::companyLogo());
    shoot.image(Report::renderPage(receipt, 0, 150, Clock::now()), QStringLiteral("stampa-ricevuta"));
}
} // namespace

void shootReport(Shooter &shoot)
{
    std::unique_ptr<QWidget> standIn;
    QWidget *window = registerWindowWithSampleCard(standIn);

    TfrmStampaReg print(window);
    shoot.window(&print, QStringLiteral("TfrmStampaReg"));
    print.hide();
    TfrmAnteprimaReg preview(window);
    shoot.window(&preview, QStringLiteral("TfrmAnteprimaReg"));
    preview.hide();

    Report::PageTemplate card = CardTemplate::make(CardTemplate::Variant::Print);
    CardTemplate::fill(card, window, Report::Pictures::companyLogo(), Clock::now());
    shoot.image(Report::renderPage(card, 0, 150, Clock::now()), QStringLiteral("stampa-scheda-registro"));

    Report::ListReport list;
    list.setTitle(QStringLiteral("Riepilogo oggetti preziosi in Registro Operazioni"));
    QStringList lines;
    for (int n = 1; n <= 24; ++n)
        lines.append(QStringLiteral("%1  -  %2  -  ROSSI MARIO                    -  Anello oro giallo 18 kt")
                         .arg(n, 6, 10, QLatin1Char('0'))
                         .arg(QDate(2025, 6, 1).addDays(n).toString(QStringLiteral("dd/MM/yyyy"))));
    list.setLines(lines);
    shoot.image(Report::renderPage(list, 0, 150, Clock::now()), QStringLiteral("stampa-elenco"));

    shootReceiptPrinting(shoot);
}
