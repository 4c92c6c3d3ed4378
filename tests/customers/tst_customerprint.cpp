#include "PdfTools.h"
#include "TestSupport.h"
#include "ui/Controls.h"
#include "customers/CustomerPrint.h"
#include "customers/CustomerWindow.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>

class CustomerPrintTest : public QObject
{
    Q_OBJECT

private slots:
    // The page prints the window as it is, unsaved, with every row read back
    // from the PDF on one line with its title.
    void printedRowsReadBack()
    {
        TempDataDir data;
        MessageRecorder messages;
        TfrmAnagrafica window;
        const QList<QPair<QString, QString>> typed = {
            {QStringLiteral("txtCognome"), QStringLiteral(" Rossi ")}, {QStringLiteral("txtNome"), QStringLiteral("Mario")},
            {QStringLiteral("txtDataNasc"), QStringLiteral("01/02/1970")}, {QStringLiteral("txtComuneNasc"), QStringLiteral("Roma")},
            {QStringLiteral("txtProvNasc"), QStringLiteral("RM")}, {QStringLiteral("txtSesso"), QStringLiteral("M")},
            {QStringLiteral("txtStato"), QStringLiteral("Celibe")}, {QStringLiteral("txtRecapito"), QStringLiteral("333 111")},
            {QStringLiteral("txtIndirizzo"), QStringLiteral("Via Po 3")}, {QStringLiteral("txtComuneRes"), QStringLiteral("Torino")},
            {QStringLiteral("txtProvRes"), QStringLiteral("TO")}, {QStringLiteral("txtProfessione"), QStringLiteral("Orafo")},
            {QStringLiteral("txtTelCasa"), QStringLiteral("011 222")}, {QStringLiteral("txtTelUff"), QStringLiteral("011 333")},
            {QStringLiteral("txtTelCel"), QStringLiteral("333 444")}, {QStringLiteral("txtFax"), QStringLiteral("011 555")},
            {QStringLiteral("txtEmail"), QStringLiteral("m@r.it")}, {QStringLiteral("txtCodFisc"), QStringLiteral("RSSMRA70B01H501Z")},
            {QStringLiteral("txtIva"), QStringLiteral("01234567897")}, {QStringLiteral("txtCarta"), QStringLiteral("4111")},
            {QStringLiteral("txtScadeCarta"), QStringLiteral("12/27")}, {QStringLiteral("txtIban"), QStringLiteral("IT60X054")},
            {QStringLiteral("txtIntestatario"), QStringLiteral("Rossi M.")}, {QStringLiteral("txtTipoDoc"), QStringLiteral("Patente")},
            {QStringLiteral("txtNumDoc"), QStringLiteral("U123")}, {QStringLiteral("txtDataSca"), QStringLiteral("01/01/2030")},
            {QStringLiteral("txtCodice"), QStringLiteral("C7")}, {QStringLiteral("txtCategoria"), QStringLiteral("Privato")},
            {QStringLiteral("txtZona"), QStringLiteral("Rossi Srl")}, {QStringLiteral("txtProdotti"), QStringLiteral("Anello")},
            {QStringLiteral("txtAcquisto"), QStringLiteral("Collana")}, {QStringLiteral("txtRata"), QStringLiteral("50,00")},
            {QStringLiteral("txtTotale"), QStringLiteral("600,00")}, {QStringLiteral("txtDecorrenza"), QStringLiteral("01/01/2025")},
            {QStringLiteral("txtScadenza"), QStringLiteral("01/07/2025")}, {QStringLiteral("txtNote"), QStringLiteral("Nessuna")},
            // Not printed.
            {QStringLiteral("txtBanca"), QStringLiteral("BancaNascosta")}, {QStringLiteral("txtCap"), QStringLiteral("10100")},
        };
        for (const auto &[box, value] : typed)
            TestSupport::setText(&window, box, value);

        const QString pdf = data.file(QStringLiteral("scheda.pdf"));
        ModalScript script;
        script.then(PdfTools::printInto(pdf));
        TestSupport::click(&window, QStringLiteral("cmdStampa"));
        QCOMPARE(script.seen(), QStringList{QStringLiteral("dlgStampante")});
        QCOMPARE(PdfTools::pageCount(pdf), 1);

        const QStringList expected = {
            QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"),
            QStringLiteral("Cognome e nome: Rossi Mario"),
            QStringLiteral("Data di nascita: 01/02/1970"),
            QStringLiteral("Comune di nascita: Roma RM"),
            QStringLiteral("Sesso: M Stato civile: Celibe"),
            QStringLiteral("Telefono preferenziale: 333 111"),
            QStringLiteral("Indirizzo di residenza: Via Po 3"),
            QStringLiteral("Comune di residenza: Torino TO"),
            QStringLiteral("Professione: Orafo"),
            QStringLiteral("Tel. casa: 011 222"),
            QStringLiteral("Tel. ufficio: 011 333"),
            QStringLiteral("Tel. cellulare: 333 444"),
            QStringLiteral("Fax: 011 555"),
            QStringLiteral("E-mail: m@r.it"),
            QStringLiteral("Codice fiscale: RSSMRA70B01H501Z"),
            QStringLiteral("Partita IVA: 01234567897"),
            QStringLiteral("Carta di credito: N. 4111 Scadenza: 12/27"),
            QStringLiteral("IBAN: IT60X054 - Intestatario C/C: Rossi M."),
            QStringLiteral("Estremi documento: Tipo: Patente N. U123 Scadenza: 01/01/2030"),
            QStringLiteral("Codice cliente: C7"),
            QStringLiteral("Categoria: Privato Ditta: Rossi Srl"),
            QStringLiteral("Oggetti venduti a Compro Oro: Anello"),
            QStringLiteral("Pagamento rateale: Collana Importo rata: € 50,00"),
            QStringLiteral("Totale: Importo: € 600,00 Decorrenza: 01/01/2025 Scadenza: 01/07/2025"),
            QStringLiteral("Note: Nessuna"),
            QStringLiteral("Stampa eseguita in data 15/06/2025 alle ore 10:30:00"),
        };
        QStringList lines;
        for (const QString &line : PdfTools::text(pdf).split(u'\n'))
            if (!line.simplified().isEmpty())
                lines.append(line.simplified());
        QCOMPARE(lines, expected);
        QVERIFY(messages.isEmpty());
    }

    void cancelledPrinterDialogPrintsNothing()
    {
        TempDataDir data;
        TfrmAnagrafica window;
        ModalScript script;  // rejects the printer dialog
        TestSupport::click(&window, QStringLiteral("cmdStampa"));
        QCOMPARE(script.seen(), QStringList{QStringLiteral("dlgStampante")});
    }

    void pageLayout()
    {
        TempDataDir data;
        const Report::PageTemplate page = CustomerPrint::page(CustomerRecord());
        QCOMPARE(page.pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(page.pageLayout().orientation(), QPageLayout::Portrait);
        QCOMPARE(page.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
        for (int n = 1; n <= 24; ++n) {
            const QString two = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
            const Report::Object *title = page.object(QStringLiteral("titCampo") + two);
            const Report::Object *value = page.object(QStringLiteral("txtCampo") + two);
            QVERIFY(title && value);
            QCOMPARE(title->mm, QRectF(3, 24 + 10 * (n - 1), 52, 6));
            QCOMPARE(value->mm, QRectF(60, 24 + 10 * (n - 1), 128, 6));
            QCOMPARE(title->fill, QColor(0x00, 0x80, 0x80));
            QCOMPARE(title->textColour, QColor(Qt::white));
            QCOMPARE(value->pointSize, 10.0);
        }
        QVERIFY(!page.object(QStringLiteral("titCampo25")));
        QCOMPARE(page.object(QStringLiteral("txtTitolo"))->mm, QRectF(23, 3, 165, 9));
        QCOMPARE(page.object(QStringLiteral("txtTitolo"))->fill, QColor(0xFF, 0x8C, 0x00));
        QCOMPARE(page.object(QStringLiteral("txtTitolo"))->pointSize, 16.0);
        QCOMPARE(page.object(QStringLiteral("txtCalce"))->mm, QRectF(3, 269, 185, 6));
        QCOMPARE(page.object(QStringLiteral("txtCalce"))->fill, QColor(0xFF, 0x8C, 0x00));
        QCOMPARE(page.object(QStringLiteral("imgLogo"))->mm, QRectF(3, 3, 17, 13));
    }
};

QTEST_MAIN(CustomerPrintTest)
#include "tst_customerprint.moc"
