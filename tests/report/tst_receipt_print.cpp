#include "PdfTools.h"
#include "TestSupport.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "receipts/print/LogoWindow.h"
#include "receipts/print/ReceiptOutputDialogs.h"
#include "receipts/print/ReceiptPrintModule.h"
#include "report/Pictures.h"
#include "report/ReportOutput.h"
#include "storage/Clock.h"

#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>

using namespace Report;

namespace {
QString line(const char *prefix, int n) { return QString::fromLatin1(prefix) + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// Line 20's description fills the field (55 characters): too long for the
// narrowed column of the customer copy.
const QString kLongLine = QStringLiteral("Collana in oro bianco 18 kt con pendente e zaffiri blu");

// The receipt window as the printing sees it: named controls, edited and
// not saved.
class StandInReceipts : public QWidget
{
public:
    StandInReceipts()
    {
        setObjectName(QStringLiteral("TfrmRicevute"));
        const QList<QPair<QString, QString>> fields = {
            {QStringLiteral("txtDitta"), QStringLiteral(" Compro Oro Valtrena di Neri Luca ")},
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
            {QStringLiteral("txtProvCliente"), QString()},
            {QStringLiteral("txtIvaCliente"), QString()},
            {QStringLiteral("txtCodFiscCliente"), QStringLiteral("BNCNNA75B41F205Z")},
            {QStringLiteral("txtNote"), QStringLiteral("Consegna a mano")},
            {QStringLiteral("txtNumRic"), QStringLiteral("7/2025")},
            {QStringLiteral("txtData"), QStringLiteral("15/06/2025")},
            {QStringLiteral("txtRiferimenti"), QString()},
            {QStringLiteral("txtPagamento"), QStringLiteral("Contanti")},
            {QStringLiteral("txtBanca"), QStringLiteral("Banca Toscana")},
            {QStringLiteral("txtTotCorrispettivi"), QStringLiteral("4650,00")},
            {QStringLiteral("txtAcconti"), QStringLiteral("100,00")},
            {QStringLiteral("txtTassa"), QStringLiteral("2,00")},
            {QStringLiteral("txtTotale"), QStringLiteral("4552,00")},
        };
        for (const auto &[name, text] : fields)
            addField(name, text);
        for (int n = 1; n <= 30; ++n) {
            addField(line("txtDesc", n), n == 20 ? kLongLine : line("Articolo ", n));
            addField(line("txtPrezzo", n), QStringLiteral("%1,00").arg(100 + n));
        }
        AppWindows::add(this);
    }
    ~StandInReceipts() override { AppWindows::clear(); }

private:
    void addField(const QString &name, const QString &text)
    {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setText(text);
    }
};

ModalScript::Step clickAction(bool *finished = nullptr)
{
    return [finished](QDialog *d) {
        if (finished)
            QObject::connect(d, &QDialog::finished, d, [finished] { *finished = true; });
        TestSupport::click(d, QStringLiteral("btnStampa"));
        return d->result();
    };
}

QColor pixelAt(const QImage &sheet, qreal xMm, qreal yMm)  // 254 dpi, no margins
{
    return sheet.pixelColor(qRound(xMm * 10), qRound(yMm * 10));
}
} // namespace

class TestReceiptPrint : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ReceiptPrintModule::registerDialogs(); }
    void pdfHoldsBothCopiesOfThirtyLines();
    void secondExportReplacesTheFirstAndOpensIt();
    void valuesTakeTheirPrefixes_data();
    void valuesTakeTheirPrefixes();
    void objectsSitWhereTheLayoutPutsThem_data();
    void objectsSitWhereTheLayoutPutsThem();
    void numberBoxesAreTintedOnPaperOnly();
    void printAndPreviewShowTheSamePage();
    void logoWindowSetsThePrintedLogo();
    void logoThatCannotBeSavedIsReported();
};

void TestReceiptPrint::pdfHoldsBothCopiesOfThirtyLines()
{
    TempDataDir data;
    StandInReceipts window;
    MessageRecorder messages;
    ShellRecorder shell;
    ModalScript modal;
    messages.answerNext(false);
    bool finished = false;
    modal.then(clickAction(&finished));
    Dialogs::open(QStringLiteral("TfrmPDF_Ricevuta"), &window);
    QVERIFY(!finished);  // "No" keeps the window open
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("L'esportazione della scheda in PDF è terminata con "
                                                          "successo.\r\n\r\nSi vuole aprire il file?")});
    QCOMPARE(messages.last().kind, MessageKind::Confirmation);
    QVERIFY(shell.commands.isEmpty());

    const QString pdf = data.file(QStringLiteral("Ricevuta.pdf"));
    const QString info = PdfTools::info(pdf).simplified();
    QVERIFY2(info.contains(QStringLiteral("Title: Ricevuta")) && info.contains(QStringLiteral("842 x 595 pts")),
             qPrintable(info));
    QVERIFY(PdfTools::info(pdf, true).contains(QStringLiteral("<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">Ricevuta<")));

    const QString printed = PdfTools::text(pdf, false);
    for (int n = 1; n <= 30; ++n) {
        if (n != 20)
            QCOMPARE(printed.count(QRegularExpression(QStringLiteral("\\b%1\\b").arg(line("Articolo ", n)))), 2);
        QCOMPARE(printed.count(QStringLiteral("%1,00").arg(100 + n)), 2);
    }
    // Line 20: whole on the company copy, cut at 49.6 mm on the customer copy.
    QCOMPARE(printed.count(kLongLine), 1);
    QCOMPARE(printed.count(kLongLine.left(25)), 2);
    const QString flat = printed.simplified();
    const auto times = [&flat](const QString &text) {  // not counting "2,00" inside "102,00"
        return flat.count(QRegularExpression(QStringLiteral("(?<![0-9])") + QRegularExpression::escape(text)));
    };
    for (const QString &twice :
         {QStringLiteral("Ricevuta n. 7/2025"), QStringLiteral("Data emissione: 15/06/2025"),
          QStringLiteral("C.F. BNCNNA75B41F205Z P.Iva:"), QStringLiteral("20100 Milano"),
          QStringLiteral("Pagamento: Contanti"), QStringLiteral("Banca: Banca Toscana"),
          QStringLiteral("C.F. NRELCU80A01D612K P.Iva: 01234567890"), QStringLiteral("50123 Firenze FI"),
          QStringLiteral("4650,00"), QStringLiteral("100,00"), QStringLiteral("2,00"), QStringLiteral("4552,00"),
          QStringLiteral("TOTALE SALDATO:"), QStringLiteral("Rif.")})
        QVERIFY2(times(twice) == 2, qPrintable(twice));
    QCOMPARE(times(QStringLiteral("COPIA PER IL CLIENTE")), 1);
    QCOMPARE(times(QStringLiteral("COPIA PER LA DITTA EMITTENTE")), 1);
    QCOMPARE(times(QStringLiteral("BOLLO VIGENTE")), 1);
}

void TestReceiptPrint::secondExportReplacesTheFirstAndOpensIt()
{
    TempDataDir data;
    StandInReceipts window;
    MessageRecorder messages;
    ShellRecorder shell;
    ModalScript modal;
    messages.answerNext(false);
    modal.then(clickAction());
    Dialogs::open(QStringLiteral("TfrmPDF_Ricevuta"), &window);
    TestSupport::setText(&window, QStringLiteral("txtNumRic"), QStringLiteral("8/2025"));
    messages.answerNext(true);
    modal.then(clickAction());
    QCOMPARE(Dialogs::open(QStringLiteral("TfrmPDF_Ricevuta"), &window), int(QDialog::Accepted));

    const QString pdf = data.file(QStringLiteral("Ricevuta.pdf"));
    const QString printed = PdfTools::text(pdf, false);
    QVERIFY(printed.contains(QStringLiteral("Ricevuta n. 8/2025")));
    QVERIFY(!printed.contains(QStringLiteral("7/2025")));
    QCOMPARE(shell.commands, QStringList{u'"' + pdf + u'"'});
}

void TestReceiptPrint::valuesTakeTheirPrefixes_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("text");
    QTest::newRow("number") << "txtNumRic" << "Ricevuta n. 7/2025";
    QTest::newRow("date") << "txtData" << "Data emissione:  15/06/2025";
    QTest::newRow("town without province") << "txtCittaCliente" << "20100 Milano ";
    QTest::newRow("customer codes") << "txtCodFiscCliente" << "C.F. BNCNNA75B41F205Z   P.Iva: ";
    QTest::newRow("empty references") << "txtRiferimenti" << "Rif. ";
    QTest::newRow("payment") << "txtPagamento" << "Pagamento: Contanti";
    QTest::newRow("bank") << "txtBanca" << "Banca: Banca Toscana";
    QTest::newRow("issuer trimmed") << "txtDitta" << "Compro Oro Valtrena di Neri Luca";
    QTest::newRow("issuer town") << "txtCittaDitta" << "50123 Firenze FI";
    QTest::newRow("issuer codes") << "txtCodFiscDitta" << "C.F. NRELCU80A01D612K   P.Iva: 01234567890";
    QTest::newRow("line 30") << "txtDesc30" << "Articolo 30";
    QTest::newRow("amount 30") << "txtPrezzo30" << "130,00";
    QTest::newRow("total as shown") << "txtTotale" << "4552,00";
}

void TestReceiptPrint::valuesTakeTheirPrefixes()
{
    QFETCH(QString, object);
    QFETCH(QString, text);
    TempDataDir data;
    StandInReceipts window;
    TfrmStampaRicevuta dialog(&window);
    const PageTemplate page = dialog.preparedPage(ReceiptTemplate::Variant::Paper);
    QCOMPARE(page.object(object + QStringLiteral("_A"))->text, text);
    QCOMPARE(page.object(object + QStringLiteral("_B"))->text, text);
}

void TestReceiptPrint::objectsSitWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QRectF>("mm");
    QTest::newRow("logo A") << "imgLogo_A" << QRectF(12, 12, 60, 38);
    QTest::newRow("logo B") << "imgLogo_B" << QRectF(152, 12, 60, 38);
    QTest::newRow("number A") << "txtNumRic_A" << QRectF(76, 13, 65, 4);
    QTest::newRow("customer B") << "txtCliente_B" << QRectF(215.9, 30, 65, 4.8);
    QTest::newRow("frame right B") << "lineRight_B" << QRectF(285, 10, 0, 188);
    QTest::newRow("line 16 A") << "txtDesc16_A" << QRectF(13, 133, 106.2, 3.2);
    QTest::newRow("line 17 A beside the stamp") << "txtDesc17_A" << QRectF(69.6, 136, 49.6, 3.2);
    QTest::newRow("line 30 A beside the stamp") << "txtDesc30_A" << QRectF(69.6, 175, 49.6, 3.2);
    QTest::newRow("amount 30 A") << "txtPrezzo30_A" << QRectF(122, 175, 19.8, 3.2);
    QTest::newRow("line 17 B") << "txtDesc17_B" << QRectF(153, 136, 100, 3.2);
    QTest::newRow("amount 1 B") << "txtPrezzo01_B" << QRectF(256, 88, 26, 3.2);
    QTest::newRow("column rule A") << "linColonna_A" << QRectF(120.5, 82, 0, 96.8);
    QTest::newRow("column rule B") << "linColonna_B" << QRectF(254.5, 82, 0, 96.8);
    QTest::newRow("stamp box A") << "shpBollo_A" << QRectF(13, 136.8, 55, 41);
    QTest::newRow("total B") << "txtTotale_B" << QRectF(257, 192.2, 24.5, 3.2);
    QTest::newRow("privacy A") << "txtBollo_A" << QRectF(10, 198.4, 138, 2.8);
    QTest::newRow("privacy B") << "titPrivacy_B" << QRectF(150, 201.2, 141, 2.8);
}

void TestReceiptPrint::objectsSitWhereTheLayoutPutsThem()
{
    QFETCH(QString, object);
    QFETCH(QRectF, mm);
    const PageTemplate page = ReceiptTemplate::make(ReceiptTemplate::Variant::Paper);
    QVERIFY(page.object(object));
    QCOMPARE(page.object(object)->mm, mm);
    QVERIFY(!page.object(QStringLiteral("shpBollo_B")));
    QCOMPARE(page.pageLayout().orientation(), QPageLayout::Landscape);
}

void TestReceiptPrint::numberBoxesAreTintedOnPaperOnly()
{
    const QImage paper = renderPage(ReceiptTemplate::make(ReceiptTemplate::Variant::Paper), 0, 254, Clock::now());
    const QImage pdf = renderPage(ReceiptTemplate::make(ReceiptTemplate::Variant::Pdf), 0, 254, Clock::now());
    QCOMPARE(pixelAt(paper, 142, 22), QColor(0xF0, 0xF8, 0xFF));  // shpNumRic_A
    QCOMPARE(pixelAt(paper, 282, 22), QColor(0xF5, 0xF5, 0xDC));  // shpNumRic_B
    QCOMPARE(pixelAt(pdf, 142, 22), QColor(Qt::white));
    QCOMPARE(pixelAt(pdf, 282, 22), QColor(Qt::white));
    QCOMPARE(pixelAt(pdf, 100, 71), QColor(0xF0, 0xF8, 0xFF));  // shpCopia_A keeps its fill
    QCOMPARE(pixelAt(pdf, 240, 71), QColor(0xF5, 0xF5, 0xDC));  // shpCopia_B
}

void TestReceiptPrint::printAndPreviewShowTheSamePage()
{
    TempDataDir data;
    StandInReceipts window;
    MessageRecorder messages;
    ModalScript modal;
    const QString printedPdf = data.file(QStringLiteral("stampa.pdf"));
    modal.then(clickAction());
    modal.then([&](QDialog *d) {
        auto *dialog = qobject_cast<QPrintDialog *>(d);
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(printedPdf);
        return int(QDialog::Accepted);
    });
    QCOMPARE(Dialogs::open(QStringLiteral("TfrmStampaRicevuta"), &window), int(QDialog::Accepted));
    qreal zoom = 0;
    modal.then(clickAction());
    modal.then([&](QDialog *d) {
        zoom = d->findChild<QPrintPreviewWidget *>()->zoomFactor();
        return int(QDialog::Rejected);
    });
    QCOMPARE(Dialogs::open(QStringLiteral("TfrmAnteprimaRicevuta"), &window), int(QDialog::Accepted));
    QCOMPARE(zoom, 1.0);
    QCOMPARE(modal.seen(), (QStringList{QStringLiteral("TfrmStampaRicevuta"), QStringLiteral("dlgStampante"),
                                        QStringLiteral("TfrmAnteprimaRicevuta"), QStringLiteral("dlgAnteprima")}));

    messages.answerNext(false);
    modal.then(clickAction());
    Dialogs::open(QStringLiteral("TfrmPDF_Ricevuta"), &window);
    QCOMPARE(PdfTools::text(printedPdf), PdfTools::text(data.file(QStringLiteral("Ricevuta.pdf"))));
}

void TestReceiptPrint::logoWindowSetsThePrintedLogo()
{
    TempDataDir data;
    StandInReceipts window;
    ModalScript modal;
    const auto clickThenApply = [&modal](const QString &button) {
        modal.then([button](QDialog *d) {
            TestSupport::click(d, button);
            TestSupport::click(d, QStringLiteral("btnApplica"));
            return d->result();
        });
        return Dialogs::open(QStringLiteral("TfrmLogo"), nullptr);
    };
    const auto printedLogo = [] {
        TfrmStampaRicevuta dialog;
        return dialog.preparedPage(ReceiptTemplate::Variant::Paper).object(QStringLiteral("imgLogo_A"))->picture;
    };

    QCOMPARE(printedLogo(), Pictures::defaultLogo());  // no Logo.bmp yet

    QCOMPARE(clickThenApply(QStringLiteral("btnCancLogo")), int(QDialog::Accepted));
    const QImage blank = printedLogo();
    QCOMPARE(blank.size(), QSize(297, 184));
    QImage white(blank);
    white.fill(Qt::white);
    QCOMPARE(blank, white);

    QCOMPARE(clickThenApply(QStringLiteral("imgEuro")), int(QDialog::Accepted));
    QCOMPARE(data.readBytes(QStringLiteral("Logo.bmp")).left(2), QByteArray("BM"));
    QCOMPARE(printedLogo().convertToFormat(QImage::Format_RGB32),
             Pictures::defaultLogo().convertToFormat(QImage::Format_RGB32));

    // A JPEG chosen with "Sfoglia..." is kept as a bitmap; an unreadable file shows the default.
    FileScript files;
    QImage photo(120, 60, QImage::Format_RGB32);
    photo.fill(Qt::darkRed);
    QVERIFY(photo.save(data.file(QStringLiteral("marchio.jpg")), "JPEG"));
    files.answers = {data.file(QStringLiteral("marchio.jpg"))};
    QCOMPARE(clickThenApply(QStringLiteral("btnSfoglia")), int(QDialog::Accepted));
    QCOMPARE(files.captions, QStringList{QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap.")});
    QCOMPARE(data.readBytes(QStringLiteral("Logo.bmp")).left(2), QByteArray("BM"));
    QCOMPARE(printedLogo().size(), QSize(120, 60));

    data.writeBytes(QStringLiteral("rotto.jpg"), "not a picture");
    files.answers = {data.file(QStringLiteral("rotto.jpg"))};
    QImage shown;
    modal.then([&shown](QDialog *d) {
        TestSupport::click(d, QStringLiteral("btnSfoglia"));
        shown = qobject_cast<TfrmLogo *>(d)->shownLogo();
        TestSupport::click(d, QStringLiteral("btnAnnulla"));
        return d->result();
    });
    QCOMPARE(Dialogs::open(QStringLiteral("TfrmLogo"), nullptr), int(QDialog::Rejected));
    QCOMPARE(shown, Pictures::defaultLogo());
    QCOMPARE(printedLogo().size(), QSize(120, 60));  // Annulla saved nothing
}

void TestReceiptPrint::logoThatCannotBeSavedIsReported()
{
    TempDataDir data;
    MessageRecorder messages;
    ModalScript modal;
    // A folder where the file should go: the bitmap cannot be written.
    QVERIFY(QDir().mkpath(data.file(QStringLiteral("Logo.bmp"))));
    bool finished = false;
    modal.then([&finished](QDialog *d) {
        QObject::connect(d, &QDialog::finished, d, [&finished] { finished = true; });
        TestSupport::click(d, QStringLiteral("imgEuro"));
        TestSupport::click(d, QStringLiteral("btnApplica"));
        return d->result();
    });
    Dialogs::open(QStringLiteral("TfrmLogo"), nullptr);
    QVERIFY(!finished);
    QCOMPARE(messages.entries().size(), 1);
    QCOMPARE(messages.last().kind, MessageKind::Error);
    QVERIFY(messages.last().text.contains(QStringLiteral("Logo.bmp")));
}

QTEST_MAIN(TestReceiptPrint)
#include "tst_receipt_print.moc"
