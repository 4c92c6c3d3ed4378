#include "Shooter.h"
#include "app/ui/AppWindows.h"
#include "app/ui/Controls.h"
#include "register/print/CardTemplate.h"
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

// The register window as the card printing reads it. The real window when
// it has its controls; otherwise a stand-in with the same control names.
QWidget *registerWindowWithSampleCard(std::unique_ptr<QWidget> &standIn)
{
    QWidget *window = AppWindows::get(QStringLiteral("TfrmRegistro"));
    if (!window || !Controls::child(window, QStringLiteral("txtCliente"))) {
        standIn = std::make_unique<QWidget>();
        window = standIn.get();
        for (const auto &[name, text] : kSampleCard)
            (new QLineEdit(window))->setObjectName(name);
        for (const QString &name : {QStringLiteral("imgFoto"), QStringLiteral("imgFoto02")})
            (new QLabel(window))->setObjectName(name);
        qobject_cast<QLabel *>(Controls::child(window, QStringLiteral("imgFoto")))
            ->setPixmap(QPixmap::fromImage(samplePhoto(QColor(0x90, 0xA4, 0xAE))));
        qobject_cast<QLabel *>(Controls::child(window, QStringLiteral("imgFoto02")))
            ->setPixmap(QPixmap::fromImage(samplePhoto(QColor(0xBC, 0xAA, 0xA4))));
    }
    for (const auto &[name, text] : kSampleCard)
        Controls::setText(window, name, text);
    return window;
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
}
