#include "PdfTools.h"
#include "RegisterFixture.h"
#include "summaries/Inventory.h"
#include "summaries/InventoryChooser.h"
#include "resultlist/ListPrinting.h"
#include "resultlist/ResultListDialog.h"
#include "report/ListReport.h"
#include "report/ReportOutput.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTest>

namespace {

// The text of a PDF, one string per page.
QStringList pdfPages(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(20000);
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// Answers the printer dialog by printing into a PDF file.
void printInto(ModalScript &script, const QString &pdf) { script.then(PdfTools::printInto(pdf)); }

// A list window printed with the confirmed variant, as the payout summary is.
class ConfirmedList : public ResultListDialog
{
public:
    ConfirmedList() : ResultListDialog(spec()) {}
    static ListWindowSpec spec()
    {
        ListWindowSpec s;
        s.className = QStringLiteral("TfrmProva");
        s.print = PrintVariant::ConfirmedWithTotals;
        s.printTitle = QStringLiteral("Riepilogo esborsi");
        return s;
    }
};

} // namespace

class TestListPrint : public QObject
{
    Q_OBJECT

private slots:
    void longListRunsOverPages()
    {
        TempDataDir dir;
        ListPrintout printout;
        printout.title = QStringLiteral("Riepilogo oggetti preziosi non ancora venduti");
        for (int i = 1; i <= 200; ++i)
            printout.text.append(QStringLiteral("Riga %1 dell'elenco").arg(i, 3, 10, QLatin1Char('0')));
        Report::ListReport document(printout.reportName);
        ListPrinting::fill(document, printout);
        const QString pdf = dir.file(QStringLiteral("elenco.pdf"));
        QVERIFY(Report::writePdf(document, pdf, {}, QDateTime(QDate(2025, 6, 15), QTime(10, 30))));

        const QStringList pages = pdfPages(pdf);
        QVERIFY2(pages.size() >= 4, qPrintable(QString::number(pages.size())));
        QVERIFY(pages.first().contains(printout.title));
        QVERIFY(pages.first().contains(QStringLiteral("Riga 001 dell'elenco")));
        QVERIFY(!pages.first().contains(QStringLiteral("Stampa eseguita")));
        QVERIFY(pages.last().contains(QStringLiteral("Riga 200 dell'elenco")));
        QVERIFY(pages.last().contains(QStringLiteral("Stampa eseguita in data 15/06/2025")));
        const QString all = pages.join(u'\n');
        for (int i = 1; i <= 200; ++i)
            QVERIFY(all.contains(QStringLiteral("Riga %1 dell'elenco").arg(i, 3, 10, QLatin1Char('0'))));
        QCOMPARE(all.count(printout.title), 1);
    }

    void inventoryPrintsItsTotal_data()
    {
        QTest::addColumn<bool>("withCards");
        QTest::addColumn<QString>("total");
        QTest::newRow("three cards") << true << "VALORE TOTALE: € 150,75";
        QTest::newRow("empty inventory still prints its frame") << false << "VALORE TOTALE: € 0,00";
    }
    void inventoryPrintsItsTotal()
    {
        QFETCH(bool, withCards);
        QFETCH(QString, total);
        TempDataDir dir;
        if (withCards)
            writeRegister(dir, {card(u"Oro"_qs, u"Anello"_qs, u"Rossi"_qs, u"100,00"_qs),
                                card(u"Oro"_qs, u"Spilla"_qs, u"Verdi"_qs, u"50,5"_qs),
                                card(u"Argento"_qs, u"Bracciale"_qs, u"Neri"_qs, u"0,25"_qs)});
        const QString pdf = dir.file(QStringLiteral("inventario.pdf"));
        TfrmMenuRiepilogo chooser;
        ModalScript script;
        script.then([&](QDialog *d) {
            d->show();
            TestSupport::click(d, u"btnStampa"_qs);
            return int(QDialog::Rejected);
        });
        printInto(script, pdf);
        chooser.btnVisualizzaClick();

        const QString text = pdfPages(pdf).join(u'\n');
        QVERIFY(text.contains(
            u"Inventario oggetti preziosi - Natura e qualità: Tutti gli oggetti disponibili."_qs));
        QVERIFY(text.contains(u"--------------------------\n"_qs) || text.contains(u"--------------------------"_qs));
        QVERIFY(text.contains(total));
        QCOMPARE(text.contains(u"Bracciale"_qs), withCards);
    }

    void confirmedVariant()
    {
        TempDataDir dir;
        MessageRecorder messages;
        ModalScript script;
        ConfirmedList empty;
        empty.btnStampaClick();
        QCOMPARE(messages.last().kind, MessageKind::Warning);
        QCOMPARE(messages.last().text, ListPrinting::emptyWarning());
        QVERIFY(script.seen().isEmpty());

        ConfirmedList filled;
        filled.list()->setLines({u"Oro  -  Anello"_qs});
        messages.answerNext(false);
        filled.btnStampaClick();
        QCOMPARE(messages.last().kind, MessageKind::Confirmation);
        QCOMPARE(messages.last().text, u"Si vuole stampare il presente riepilogo?"_qs);
        QVERIFY(script.seen().isEmpty());

        const QString pdf = dir.file(QStringLiteral("esborsi.pdf"));
        printInto(script, pdf);
        messages.answerNext(true);
        filled.btnStampaClick();
        QCOMPARE(script.seen(), QStringList{u"dlgStampante"_qs});
        const QString text = pdfPages(pdf).join(u'\n');
        QVERIFY(text.contains(u"Stampa eseguita in data 15/06/2025 alle ore 10:30"_qs));
    }
};

QTEST_MAIN(TestListPrint)
#include "tst_listprint.moc"
