#include "PdfTools.h"
#include "TestSupport.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "register/print/CardTemplate.h"
#include "register/print/RegisterCardDialogs.h"
#include "register/print/RegisterPrintModule.h"
#include "report/Pictures.h"
#include "report/ReportOutput.h"
#include "storage/Clock.h"

#include <QBuffer>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>

using namespace Report;

namespace {
const QString kBuyer = QStringLiteral("Gioielleria Bianchi srl, via Roma 12, Milano - ").repeated(6).left(246)
                       + QStringLiteral("FINE");

// The register window's controls as a user left them, blanks and all: the
// card has not been saved.
const QList<QPair<QString, QString>> kCard = {
    {QStringLiteral("txtNumScheda"), QStringLiteral(" 125 ")},
    {QStringLiteral("txtData"), QStringLiteral("15/06/2025")},
    {QStringLiteral("txtOra"), QStringLiteral("10:30")},
    {QStringLiteral("txtMezzo"), QStringLiteral("Bonifico bancario  ")},
    {QStringLiteral("txtTransazione"), QStringLiteral("CRO 0012345")},
    {QStringLiteral("txtCliente"), QStringLiteral("  ROSSI MARIO")},
    {QStringLiteral("txtCodFisc"), QStringLiteral("RSSMRA70A01F205X")},
    {QStringLiteral("txtDataNasc"), QStringLiteral("01/01/1970")},
    {QStringLiteral("txtLuogoNasc"), QStringLiteral("MILANO")},
    {QStringLiteral("txtProvNasc"), QStringLiteral("MI")},
    {QStringLiteral("txtSesso"), QStringLiteral("M")},
    {QStringLiteral("txtTipoDoc"), QStringLiteral("Carta d'identità")},
    {QStringLiteral("txtNumDoc"), QStringLiteral("AX1234567")},
    {QStringLiteral("txtEnteRil"), QStringLiteral("Comune di Milano")},
    {QStringLiteral("txtDataRil"), QStringLiteral("02/03/2020")},
    {QStringLiteral("txtDataSca"), QStringLiteral("02/03/2030")},
    {QStringLiteral("txtCaratteristiche"), QStringLiteral("Anello con pietra azzurra")},
    {QStringLiteral("txtNatura"), QStringLiteral("Oro giallo 18 kt")},
    {QStringLiteral("txtQuotazione"), QStringLiteral("52,30 al grammo")},
    {QStringLiteral("txtImporto"), QStringLiteral("250,00")},
    {QStringLiteral("txtCompratore"), kBuyer},
    {QStringLiteral("txtDestinazione"), QStringLiteral("Fusione")},
    {QStringLiteral("txtValutazione"), QStringLiteral("Buona")},
    {QStringLiteral("txtDataVen"), QStringLiteral("20/06/2025")},
    {QStringLiteral("txtPrezzoVen"), QStringLiteral("300,00")},
};

QImage solid(int w, int h, const QColor &colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The register window as far as the card printing sees it: named controls
// and two picture frames.
class StandInRegister : public QWidget
{
    Q_OBJECT
public:
    StandInRegister()
    {
        setObjectName(QStringLiteral("TfrmRegistro"));
        for (const auto &[name, text] : kCard) {
            auto *edit = new QLineEdit(this);
            edit->setObjectName(name);
            edit->setText(text);
        }
        for (const auto &[name, colour] : {std::pair{QStringLiteral("imgFoto"), QColor(Qt::red)},
                                           std::pair{QStringLiteral("imgFoto02"), QColor(Qt::blue)}}) {
            auto *frame = new QLabel(this);
            frame->setObjectName(name);
            frame->setPixmap(QPixmap::fromImage(solid(640, 480, colour)));
        }
        AppWindows::add(this);
    }
    ~StandInRegister() override { AppWindows::clear(); }
};

// A register window that hands out its photos itself.
class PhotoRegister : public StandInRegister
{
    Q_OBJECT
public:
    Q_INVOKABLE QImage photo(int which) const { return solid(300, 400, which == 0 ? Qt::green : Qt::magenta); }
};

ModalScript::Step clickAction()
{
    return [](QDialog *d) {
        TestSupport::click(d, QStringLiteral("btnStampa"));
        return d->result();
    };
}

QColor pixelAt(const QImage &page, qreal xMm, qreal yMm)  // 254 dpi page, inside the margins
{
    return page.pixelColor(qRound((10 + xMm) * 10), qRound((10 + yMm) * 10));
}
} // namespace

class TestRegisterCard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { RegisterPrintModule::registerDialogs(); }
    void printedCardCarriesTheUnsavedWindow();
    void valuesTakeTheirPrefixes_data();
    void valuesTakeTheirPrefixes();
    void objectsSitWhereTheLayoutPutsThem_data();
    void objectsSitWhereTheLayoutPutsThem();
    void fillsAndPhotosOnThePage();
    void photosComeFromTheWindow();
    void logoFromFileOrBuiltIn_data();
    void logoFromFileOrBuiltIn();
    void previewShowsThePrintedPage();
    void cancelPrintsNothing();
};

void TestRegisterCard::printedCardCarriesTheUnsavedWindow()
{
    TempDataDir data;
    StandInRegister window;
    ModalScript modal;
    const QString pdf = data.file(QStringLiteral("scheda.pdf"));
    modal.then(clickAction());
    modal.then(PdfTools::printInto(pdf));
    QCOMPARE(Dialogs::open(QStringLiteral("TfrmStampaReg"), &window), int(QDialog::Accepted));
    QCOMPARE(modal.seen(), (QStringList{QStringLiteral("TfrmStampaReg"), QStringLiteral("dlgStampante")}));

    QCOMPARE(PdfTools::pageCount(pdf), 1);
    const QString printed = PdfTools::text(pdf);
    const QString flat = printed.simplified();
    for (const QString &expected :
         {QStringLiteral("Scheda n. 125"), QStringLiteral("Data operazione: 15/06/2025 - Ora: 10:30"),
          QStringLiteral("Bonifico bancario"), QStringLiteral("CRO 0012345"),
          QStringLiteral("Cognome e nome: ROSSI MARIO"), QStringLiteral("Codice fiscale: RSSMRA70A01F205X"),
          QStringLiteral("Luogo nascita: MILANO MI"), QStringLiteral("Data nascita: 01/01/1970"),
          QStringLiteral("Tipo documento: Carta d'identità"), QStringLiteral("Numero documento: AX1234567"),
          QStringLiteral("Ente rilascio: Comune di Milano"), QStringLiteral("Data rilascio: 02/03/2020"),
          QStringLiteral("Data scadenza: 02/03/2030"), QStringLiteral("Anello con pietra azzurra"),
          QStringLiteral("Oro giallo 18 kt"), QStringLiteral("52,30 al grammo"), QStringLiteral("250,00"),
          QStringLiteral("Fusione"), QStringLiteral("Buona"), QStringLiteral("20/06/2025"),
          QStringLiteral("300,00"), QStringLiteral("FIRMA OPERATORE COMPRO ORO"), QStringLiteral("FIRMA CLIENTE"),
          QStringLiteral("Stampa eseguita in data 15/06/2025 alle ore 10:30:00")})
        QVERIFY2(flat.contains(expected), qPrintable(expected));
    QVERIFY(!flat.contains(QStringLiteral("Data e ora stampa")));  // design text replaced

    // The 250-character buyer: one line, cut at its box, nothing wrapped below.
    const QStringList lines = printed.split(u'\n');
    const auto buyer = std::find_if(lines.begin(), lines.end(), [](const QString &line) {
        return line.trimmed().startsWith(QStringLiteral("Gioielleria Bianchi"));
    });
    QVERIFY(buyer != lines.end());
    const QString shown = buyer->trimmed();
    QVERIFY2(kBuyer.startsWith(shown) && shown.size() > 100 && shown.size() < 200, qPrintable(shown));
    QVERIFY(!printed.contains(QStringLiteral("FINE")));
    QCOMPARE(lines.filter(QStringLiteral("Gioielleria Bianchi")).size(), 1);
}

void TestRegisterCard::valuesTakeTheirPrefixes_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("text");
    QTest::newRow("number") << "txtNumScheda" << "Scheda n. 125";
    QTest::newRow("date and time") << "txtData" << "Data operazione:  15/06/2025   -   Ora:  10:30";
    QTest::newRow("payment") << "txtMezzo" << "Bonifico bancario";
    QTest::newRow("customer") << "txtCliente" << "Cognome e nome:  ROSSI MARIO";
    QTest::newRow("fiscal code") << "txtCodFisc" << "Codice fiscale:  RSSMRA70A01F205X";
    QTest::newRow("birth place") << "txtLuogoNasc" << "Luogo nascita:  MILANO  MI";
    QTest::newRow("birth date") << "txtDataNasc" << "Data nascita:  01/01/1970";
    QTest::newRow("document") << "txtTipoDoc" << "Tipo documento:  Carta d'identità";
    QTest::newRow("document number") << "txtNumDoc" << "Numero documento:  AX1234567";
    QTest::newRow("authority") << "txtEnteRil" << "Ente rilascio:  Comune di Milano";
    QTest::newRow("issued") << "txtDataRil" << "Data rilascio:  02/03/2020";
    QTest::newRow("expires") << "txtDataSca" << "Data scadenza:  02/03/2030";
    QTest::newRow("amount") << "txtImporto" << "250,00";
    QTest::newRow("buyer") << "txtCompratore" << kBuyer;
    QTest::newRow("sale price") << "txtPrezzoVen" << "300,00";
    QTest::newRow("footer") << "txtCalce" << "Stampa eseguita in data 15/06/2025 alle ore 10:30:00";
}

void TestRegisterCard::valuesTakeTheirPrefixes()
{
    QFETCH(QString, object);
    QFETCH(QString, text);
    TempDataDir data;
    StandInRegister window;
    TfrmStampaReg dialog(&window);
    const PageTemplate page = dialog.preparedPage();
    QCOMPARE(page.object(object)->text, text);
}

void TestRegisterCard::objectsSitWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QRectF>("mm");
    for (bool preview : {false, true}) {
        const char *v = preview ? "preview " : "print ";
        QTest::addRow("%slogo", v) << preview << "imgLogo" << QRectF(1.0, 1.0, 79.0, 39.0);
        QTest::addRow("%snumber", v) << preview << "txtNumScheda" << QRectF(86.0, 3.5, 101.0, 4.0);
        QTest::addRow("%scustomer box", v) << preview << "Shape2" << QRectF(1.0, 49.0, 188.0, 12.0);
        QTest::addRow("%sdocument rule", v) << preview << "linSepara15" << QRectF(92.5, 61.0, 0, 11.6);
        QTest::addRow("%seuro", v) << preview << "imgEuro" << QRectF(92.0, 125.8, 5.0, 5.0);
        QTest::addRow("%sphoto B", v) << preview << "picFotografia02" << QRectF(97.0, 142.0, 89.0, 60.0);
        QTest::addRow("%ssale price", v) << preview << "txtPrezzoVen" << QRectF(156.0, 243.0, 31.9, 4.0);
        QTest::addRow("%ssignature line", v) << preview << "Line11" << QRectF(100.0, 262.0, 78.0, 0);
        QTest::addRow("%sfooter", v) << preview << "txtCalce" << QRectF(2.0, 271.0, 185.8, 4.2);
    }
    // The preview's three differences.
    QTest::newRow("print amount title") << false << "titImporto" << QRectF(48.0, 125.8, 41.8, 5.0);
    QTest::newRow("preview amount title") << true << "titImporto" << QRectF(49.0, 125.8, 41.8, 5.0);
    QTest::newRow("print amount") << false << "txtImporto" << QRectF(99.0, 125.8, 40.8, 5.0);
    QTest::newRow("preview amount") << true << "txtImporto" << QRectF(100.0, 125.8, 40.8, 5.0);
    QTest::newRow("print privacy") << false << "titPrivacy" << QRectF(2.0, 264.0, 194.0, 3.5);
    QTest::newRow("preview privacy") << true << "titPrivacy" << QRectF(2.0, 264.0, 193.0, 3.5);
}

void TestRegisterCard::objectsSitWhereTheLayoutPutsThem()
{
    QFETCH(bool, preview);
    QFETCH(QString, object);
    QFETCH(QRectF, mm);
    const PageTemplate page =
        CardTemplate::make(preview ? CardTemplate::Variant::Preview : CardTemplate::Variant::Print);
    QVERIFY(page.object(object));
    QCOMPARE(page.object(object)->mm, mm);
    const QPageLayout layout = page.pageLayout();
    QCOMPARE(layout.orientation(), QPageLayout::Portrait);
    QCOMPARE(layout.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
    QCOMPARE(layout.pageSize().id(), QPageSize::A4);
}

void TestRegisterCard::fillsAndPhotosOnThePage()
{
    TempDataDir data;
    StandInRegister window;
    TfrmStampaReg dialog(&window);
    const QImage image = renderPage(dialog.preparedPage(), 0, 254, Clock::now());
    QCOMPARE(pixelAt(image, 150, 45.5), QColor(0xB0, 0xC4, 0xDE));  // Shape1, right of its title
    QCOMPARE(pixelAt(image, 185, 38), QColor(0xE6, 0xE6, 0xFA));  // shpBanca
    QCOMPARE(pixelAt(image, 185, 273), QColor(0xFF, 0xD7, 0x00));  // Shape23
    QCOMPARE(pixelAt(image, 185, 245), QColor(Qt::white));         // Shape4 has no fill
    // Photo A, 4:3 in an 89 x 60 mm box: 80 mm wide, centred, 4.5 mm each side.
    QCOMPARE(pixelAt(image, 4 + 2, 172), QColor(Qt::white));
    QCOMPARE(pixelAt(image, 4 + 5.5, 172), QColor(Qt::red));
    QCOMPARE(pixelAt(image, 4 + 83.5, 172), QColor(Qt::red));
    QCOMPARE(pixelAt(image, 4 + 87, 172), QColor(Qt::white));
    QCOMPARE(pixelAt(image, 97 + 44.5, 143), QColor(Qt::blue));  // photo B fills the height
}

void TestRegisterCard::photosComeFromTheWindow()
{
    TempDataDir data;
    PhotoRegister window;
    TfrmStampaReg dialog(&window);
    const PageTemplate page = dialog.preparedPage();
    QCOMPARE(page.object(QStringLiteral("picFotografia01"))->picture.pixelColor(0, 0), QColor(Qt::green));
    QCOMPARE(page.object(QStringLiteral("picFotografia02"))->picture.pixelColor(0, 0), QColor(Qt::magenta));
}

void TestRegisterCard::logoFromFileOrBuiltIn_data()
{
    QTest::addColumn<QByteArray>("file");  // empty: no Logo.bmp
    QTest::addColumn<bool>("builtIn");
    QByteArray bitmap;
    {
        QBuffer buffer(&bitmap);
        buffer.open(QIODevice::WriteOnly);
        solid(200, 100, Qt::darkGreen).save(&buffer, "BMP");
    }
    QTest::newRow("missing") << QByteArray() << true;
    QTest::newRow("unreadable") << QByteArray("BM not really a bitmap") << true;
    QTest::newRow("company logo") << bitmap << false;
}

void TestRegisterCard::logoFromFileOrBuiltIn()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, builtIn);
    TempDataDir data;
    if (!file.isEmpty())
        data.writeBytes(QStringLiteral("Logo.bmp"), file);
    StandInRegister window;
    MessageRecorder messages;
    TfrmAnteprimaReg dialog(&window);
    const QImage image = renderPage(dialog.preparedPage(), 0, 254, Clock::now());
    if (builtIn) {
        QCOMPARE(dialog.preparedPage().object(QStringLiteral("imgLogo"))->picture, Pictures::defaultLogo());
        // The euro sign's ring crosses the middle row of the box on its left side.
        bool blue = false;
        for (qreal x = 1; x < 40; x += 0.2) {
            const QColor c = pixelAt(image, x, 20.5);
            blue |= c.blue() > 150 && c.red() < 120;
        }
        QVERIFY(blue);
    } else {
        QCOMPARE(pixelAt(image, 40.5, 20.5), QColor(Qt::darkGreen));
    }
    QVERIFY(messages.isEmpty());
}

void TestRegisterCard::previewShowsThePrintedPage()
{
    TempDataDir data;
    StandInRegister window;
    // Rendered pages: identical except where the preview's layout moves three objects.
    const PageTemplate printed = TfrmStampaReg(&window).preparedPage();
    const PageTemplate previewed = TfrmAnteprimaReg(&window).preparedPage();
    const QImage a = renderPage(printed, 0, 100, Clock::now());
    const QImage b = renderPage(previewed, 0, 100, Clock::now());
    QCOMPARE(a.size(), b.size());
    QRectF moved;
    for (const QString &name : {QStringLiteral("titImporto"), QStringLiteral("txtImporto"), QStringLiteral("titPrivacy")})
        moved |= printed.object(name)->mm | previewed.object(name)->mm;
    const qreal px = 100 / 25.4;
    const QRectF movedPx((moved.left() + 10) * px - 2, (moved.top() + 10) * px - 2,
                         moved.width() * px + 4, moved.height() * px + 4);
    int differences = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!movedPx.contains(x, y) && a.pixel(x, y) != b.pixel(x, y))
                ++differences;
    QCOMPARE(differences, 0);
    QVERIFY(a != b);  // the amount line did move

    // And through the real dialogs: the preview prints what the print prints.
    ModalScript modal;
    const QString fromPrint = data.file(QStringLiteral("stampa.pdf"));
    const QString fromPreview = data.file(QStringLiteral("anteprima.pdf"));
    modal.then(clickAction());
    modal.then(PdfTools::printInto(fromPrint));
    Dialogs::open(QStringLiteral("TfrmStampaReg"), &window);
    modal.then(clickAction());
    modal.then([&](QDialog *d) {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(d);
        preview->printer()->setOutputFormat(QPrinter::PdfFormat);
        preview->printer()->setOutputFileName(fromPreview);
        preview->findChild<QPrintPreviewWidget *>()->print();
        return int(QDialog::Rejected);
    });
    Dialogs::open(QStringLiteral("TfrmAnteprimaReg"), &window);
    QCOMPARE(modal.seen().last(), QStringLiteral("dlgAnteprima"));
    QCOMPARE(PdfTools::text(fromPreview, false), PdfTools::text(fromPrint, false));
}

void TestRegisterCard::cancelPrintsNothing()
{
    TempDataDir data;
    StandInRegister window;
    ModalScript modal;
    modal.then([](QDialog *d) {
        TestSupport::click(d, QStringLiteral("btnAnnulla"));
        return d->result();
    });
    QCOMPARE(Dialogs::open(QStringLiteral("TfrmStampaReg"), &window), int(QDialog::Rejected));
    QCOMPARE(modal.seen(), QStringList{QStringLiteral("TfrmStampaReg")});
}

QTEST_MAIN(TestRegisterCard)
#include "tst_register_card.moc"
