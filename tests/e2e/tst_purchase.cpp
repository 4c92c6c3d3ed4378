// One purchase from the login to the sale, through the program's own windows
// in one process: what a shop owner does on an ordinary day.
#include "Archives.h"
#include "CameraScript.h"
#include "PdfTools.h"
#include "TestSupport.h"
#include "app/Startup.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "customers/CustomerRecord.h"
#include "receipts/ReceiptRecord.h"
#include "register/CameraSource.h"
#include "register/PhotoFrame.h"
#include "register/RegisterRecord.h"
#include "storage/DataFolder.h"
#include "storage/RecordFile.h"
#include "resultlist/ResultList.h"

#include <QCheckBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>

using TestSupport::click;

namespace {
QWidget *area(const char *name) { return AppWindows::get(QLatin1StringView(name)); }
QString text(const char *window, const char *control) { return TestSupport::text(area(window), QLatin1StringView(control)); }
void set(const char *window, const char *control, const QString &value)
{
    TestSupport::setText(area(window), QLatin1StringView(control), value);
}
void press(const char *window, const char *control) { click(area(window), QLatin1StringView(control)); }

QStringList visibleAreas(const QList<QWidget *> &windows)
{
    QStringList names;
    for (QWidget *w : windows)
        if (w->isVisible())
            names.append(w->objectName());
    return names;
}

CustomerRecord customer()
{
    CustomerRecord c;
    c.Cognome = QStringLiteral("Rossi");
    c.Nome = QStringLiteral("Mario");
    c.CodFisc = QStringLiteral("RSSMRA80A01H501U");
    c.DataNasc = QStringLiteral("01/01/1980");
    c.ComuneNasc = QStringLiteral("Roma");
    c.ProvNasc = QStringLiteral("RM");
    c.Sesso = QStringLiteral("M");
    c.TipoDoc = QStringLiteral("Carta d'identità");
    c.NumDoc = QStringLiteral("AX1234567");
    c.EnteRil = QStringLiteral("Comune di Roma");
    c.DataRil = QStringLiteral("02/03/2020");
    c.DataSca = QStringLiteral("02/03/2030");
    c.Indirizzo = QStringLiteral("Via Appia 12");
    c.Cap = QStringLiteral("00100");
    c.ComuneRes = QStringLiteral("Roma");
    c.ProvRes = QStringLiteral("RM");
    c.Pagamento = QStringLiteral("Contanti");
    return c;
}

// A search window: its criteria, "Cerca", a double-click on the first line.
ModalScript::Step pickFirst(const QString &criterion, const QString &value, int *lines)
{
    return [=](QDialog *d) {
        d->show();
        TestSupport::setText(d, criterion, value);
        click(d, QStringLiteral("btnCerca"));
        auto *list = d->findChild<ResultList *>();
        *lines = list->count();
        if (*lines > 0) {
            list->setSelectedIndex(0);
            QMetaObject::invokeMethod(d, "lstRecordsDblClick");
        }
        return d->result();
    };
}

ModalScript::Step pressIn(const QString &button)
{
    return [button](QDialog *d) {
        d->show();
        click(d, button);
        return d->result();
    };
}

// The unsold objects of the inventory, as its list shows them.
QStringList inventoryLines()
{
    QStringList lines;
    ModalScript modal;
    modal.then([&lines](QDialog *d) {
        d->show();  // the inventory fills when it is shown
        lines = d->findChild<ResultList *>()->lines();
        return 0;
    });
    press("TfrmMenuRiepilogo", "btnVisualizza");
    return lines;
}
} // namespace

class TestPurchase : public QObject
{
    Q_OBJECT
private slots:
    void aPurchaseFromLoginToSale();
};

void TestPurchase::aPurchaseFromLoginToSale()
{
    TempDataDir data;
    QVERIFY(QFile::copy(QStringLiteral(VALTRENA_SOURCE_DIR "/resources/unins000.dll"),
                        data.file(QStringLiteral("unins000.dll"))));
    QVERIFY(Archives::writeCustomers({customer()}));
    FedCameraSource *camera = nullptr;
    CameraSource::setFactory([&camera](QObject *parent) { return camera = new FedCameraSource(parent); });
    MessageRecorder messages;
    const QList<QWidget *> windows = Startup::createAreaWindows();
    const auto cleanup = qScopeGuard([&] {
        CameraSource::setFactory({});
        qDeleteAll(windows);
        AppWindows::clear();
    });

    // Login, then the register from the main menu.
    AppWindows::show(QStringLiteral("TfrmPassword"));
    QTest::keyClicks(Controls::child(area("TfrmPassword"), QStringLiteral("txtPassword")), QStringLiteral("valtrena"));
    press("TfrmPassword", "cmdOK");
    QCOMPARE(visibleAreas(windows), QStringList{QStringLiteral("TfrmAvvio")});
    press("TfrmAvvio", "imgRegistro");
    QCOMPARE(visibleAreas(windows), QStringList{QStringLiteral("TfrmRegistro")});

    // New card: number and moment proposed, the customer from the registry.
    press("TfrmRegistro", "cmdNuovo");
    QCOMPARE(text("TfrmRegistro", "txtNumScheda"), QStringLiteral("1"));
    QCOMPARE(text("TfrmRegistro", "txtData"), QStringLiteral("15/06/2025"));
    int customerLines = 0;
    {
        ModalScript modal;
        modal.then(pickFirst(QStringLiteral("txtCognome"), QStringLiteral("rossi"), &customerLines));
        press("TfrmRegistro", "impCliente");
        QCOMPARE(modal.seen(), QStringList{QStringLiteral("TfrmTrovaClienti")});
    }
    QCOMPARE(customerLines, 1);
    QCOMPARE(text("TfrmRegistro", "txtCliente"), QStringLiteral("Rossi Mario"));
    QCOMPARE(text("TfrmRegistro", "txtCodFisc"), QStringLiteral("RSSMRA80A01H501U"));
    QCOMPARE(text("TfrmRegistro", "txtNumDoc"), QStringLiteral("AX1234567"));
    QCOMPARE(text("TfrmRegistro", "txtDataSca"), QStringLiteral("02/03/2030"));

    // The object and the payment, then the two photos from the camera.
    set("TfrmRegistro", "txtNatura", QStringLiteral("Oro giallo 18 kt"));
    set("TfrmRegistro", "txtDescrizione", QStringLiteral("Anello con brillante"));
    set("TfrmRegistro", "txtCaratteristiche", QStringLiteral("Grammi 4,2 - brillante 0,10 ct"));
    set("TfrmRegistro", "txtQuotazione", QStringLiteral("52,30 al grammo"));
    set("TfrmRegistro", "txtImporto", QStringLiteral("219,66"));
    set("TfrmRegistro", "txtMezzo", QStringLiteral("Contanti"));
    set("TfrmRegistro", "txtPrezzoVen", QStringLiteral("320,00"));
    const QImage front(QSize(640, 480), QImage::Format_RGB32);
    QImage photoA = front, photoB = front;
    photoA.fill(QColor(200, 160, 40));
    photoB.fill(QColor(40, 90, 200));
    {
        ModalScript modal;
        modal.then(takePhoto(&camera, photoA));
        modal.then(takePhoto(&camera, photoB));
        press("TfrmRegistro", "btnAcquisisciFoto");
        press("TfrmRegistro", "btnAcquisisciFoto02");
        QCOMPARE(modal.seen(), (QStringList{QStringLiteral("TfrmWebCam"), QStringLiteral("TfrmWebCam")}));
    }
    press("TfrmRegistro", "cmdSalva");
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("La scheda corrente è stata inserita in archivio.")});
    const QString registerPath = DataFolder::file(FileNames::registerArchive());
    QCOMPARE(countRecords(registerPath, RegisterRecordLayout::size), 1);
    RegisterRecord stored = RegisterRecordLayout::decode(RecordFile(registerPath, RegisterRecordLayout::size).read(0));
    QCOMPARE(stored.Cliente, QStringLiteral("Rossi Mario"));
    QCOMPARE(stored.Descrizione, QStringLiteral("Anello con brillante"));
    QCOMPARE(stored.Importo, QStringLiteral("219,66"));
    QCOMPARE(stored.Venduto, QStringLiteral("No"));
    QVERIFY(TestSupport::imageDifference(QImage(data.file(QStringLiteral("Foto_A_1.jpg"))), photoA) < 4);
    QVERIFY(TestSupport::imageDifference(QImage(data.file(QStringLiteral("Foto_B_1.jpg"))), photoB) < 4);

    // The card printed for both signatures.
    const QString cardPdf = data.file(QStringLiteral("scheda.pdf"));
    {
        ModalScript modal;
        modal.then(pressIn(QStringLiteral("btnStampa")));
        modal.then(PdfTools::printInto(cardPdf));
        press("TfrmRegistro", "cmdStampa");
    }
    QCOMPARE(PdfTools::pageCount(cardPdf), 1);
    const QString card = PdfTools::text(cardPdf).simplified();
    for (const QString &expected : {QStringLiteral("Scheda n. 1"), QStringLiteral("Cognome e nome: Rossi Mario"),
                                    QStringLiteral("Grammi 4,2 - brillante 0,10 ct"), QStringLiteral("219,66"),
                                    QStringLiteral("FIRMA CLIENTE")})
        QVERIFY2(card.contains(expected), qPrintable(expected));
    press("TfrmRegistro", "cmdEsci");
    QCOMPARE(visibleAreas(windows), QStringList{QStringLiteral("TfrmAvvio")});

    // The object in the inventory while unsold.
    press("TfrmAvvio", "imgInventario");
    QStringList unsold = inventoryLines();
    QCOMPARE(unsold.size(), 1);
    QVERIFY2(unsold.first().contains(QStringLiteral("Anello con brillante")), qPrintable(unsold.first()));
    area("TfrmMenuRiepilogo")->close();

    // The receipt of the year: customer and line from the archives, totals, Save, PDF.
    press("TfrmAvvio", "imgRicevute");
    set("TfrmMenuRicevute", "txtAnnoFatture", QStringLiteral("2025"));
    press("TfrmMenuRicevute", "btnApriFatture");
    QCOMPARE(visibleAreas(windows), QStringList{QStringLiteral("TfrmRicevute")});
    press("TfrmRicevute", "cmdNuovo");
    int found = 0;
    {
        ModalScript modal;
        modal.then(pickFirst(QStringLiteral("txtCognome"), QStringLiteral("ROSSI"), &found));
        press("TfrmRicevute", "cmdImporta");
        QCOMPARE(found, 1);
        modal.then(pickFirst(QStringLiteral("txtDescrizione"), QStringLiteral("anello"), &found));
        press("TfrmRicevute", "impMag01");
        QCOMPARE(found, 1);
        QCOMPARE(modal.seen(), (QStringList{QStringLiteral("TfrmTrovaClienti"), QStringLiteral("TfrmTrovaRegistro")}));
    }
    QCOMPARE(text("TfrmRicevute", "txtCliente"), QStringLiteral("Rossi Mario"));
    QCOMPARE(text("TfrmRicevute", "txtViaCliente"), QStringLiteral("Via Appia 12"));
    QCOMPARE(text("TfrmRicevute", "txtDesc01"), QStringLiteral("Anello con brillante"));
    QCOMPARE(text("TfrmRicevute", "txtPrezzo01"), QStringLiteral("320,00"));
    QCOMPARE(text("TfrmRicevute", "txtDesc02"), QString());
    press("TfrmRicevute", "cmdCalcola");
    QCOMPARE(text("TfrmRicevute", "txtTotCorrispettivi"), QStringLiteral("320,00"));
    messages.clear();
    press("TfrmRicevute", "cmdSalva");
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("La scheda corrente è stata inserita in archivio.")});
    const QString receiptsPath = data.file(QStringLiteral("2025.ric"));
    QCOMPARE(countRecords(receiptsPath, ReceiptRecordLayout::size), 1);
    const ReceiptRecord receipt = ReceiptRecordLayout::decode(RecordFile(receiptsPath, ReceiptRecordLayout::size).read(0));
    QCOMPARE(receipt.Desc01, QStringLiteral("Anello con brillante"));
    QCOMPARE(receipt.Cliente, QStringLiteral("Rossi Mario"));
    QCOMPARE(receipt.TotCorrispettivi, QStringLiteral("320,00"));
    {
        ShellRecorder shell;
        ModalScript modal;
        messages.answerNext(false);
        modal.then(pressIn(QStringLiteral("btnStampa")));
        press("TfrmRicevute", "cmdPDF");
        QVERIFY(shell.commands.isEmpty());
    }
    const QString receiptPdf = PdfTools::text(data.file(QStringLiteral("Ricevuta.pdf")), false).simplified();
    QCOMPARE(receiptPdf.count(QStringLiteral("Anello con brillante")), 2);  // both copies on the sheet
    QCOMPARE(receiptPdf.count(QStringLiteral("Rossi Mario")), 2);
    press("TfrmRicevute", "cmdEsci");
    QCOMPARE(visibleAreas(windows), QStringList{QStringLiteral("TfrmAvvio")});

    // Sold: the card reopened, the sale filled in and ticked, saved in place.
    press("TfrmAvvio", "imgRegistro");
    press("TfrmRegistro", "cmdUltimo");
    QCOMPARE(text("TfrmRegistro", "txtDescrizione"), QStringLiteral("Anello con brillante"));
    QImage shownB;
    QMetaObject::invokeMethod(area("TfrmRegistro"), "photo", Q_RETURN_ARG(QImage, shownB), Q_ARG(int, 1));
    QVERIFY(TestSupport::imageDifference(shownB, photoB) < 4);
    set("TfrmRegistro", "txtDataVen", QStringLiteral("20/06/2025"));
    set("TfrmRegistro", "txtCompratore", QStringLiteral("Fonderia Bianchi Srl"));
    set("TfrmRegistro", "txtDestinazione", QStringLiteral("Fusione"));
    area("TfrmRegistro")->findChild<QCheckBox *>(QStringLiteral("chkVenduto"))->setChecked(true);
    messages.clear();
    press("TfrmRegistro", "cmdSalva");
    QCOMPARE(messages.texts(),
             QStringList{QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")});
    QCOMPARE(countRecords(registerPath, RegisterRecordLayout::size), 1);
    stored = RegisterRecordLayout::decode(RecordFile(registerPath, RegisterRecordLayout::size).read(0));
    QCOMPARE(stored.Venduto, QStringLiteral("Sì"));
    QCOMPARE(stored.Compratore, QStringLiteral("Fonderia Bianchi Srl"));
    QCOMPARE(stored.Cliente, QStringLiteral("Rossi Mario"));
    press("TfrmRegistro", "cmdEsci");

    // Gone from the inventory.
    press("TfrmAvvio", "imgInventario");
    QCOMPARE(inventoryLines(), QStringList{});
    area("TfrmMenuRiepilogo")->close();
    QCOMPARE(visibleAreas(windows), QStringList{QStringLiteral("TfrmAvvio")});
}

QTEST_MAIN(TestPurchase)
#include "tst_purchase.moc"
