#include "Archives.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "receipts/ReceiptRecord.h"
#include "summaries/PeriodSummaryWindow.h"
#include "resultlist/ResultList.h"
#include "ReceiptFixture.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QTest>

namespace {
// Stands in for the receipt window: the summaries read its archive and year.
struct ReceiptWindowStandIn
{
    QWidget window;
    explicit ReceiptWindowStandIn(const QString &archive, const QString &year = QStringLiteral("2024"))
    {
        window.setObjectName(QStringLiteral("TfrmRicevute"));
        for (const auto &[name, text] : {std::pair{"lblFile", archive}, std::pair{"lblAnno", year}}) {
            auto *l = new QLabel(QLatin1StringView(" ") + text + u' ', &window);
            l->setObjectName(QLatin1StringView(name));
        }
        AppWindows::add(&window);
    }
    ~ReceiptWindowStandIn() { AppWindows::clear(); }
};

void writeReceipts(const QString &path, const QList<QStringList> &rows)  // date, TotCorrispettivi, Acconti
{
    QList<ReceiptRecord> records;
    int n = 0;
    for (const QStringList &row : rows) {
        ReceiptRecord r;
        r.NumRic = QString::number(++n);
        r.Data = row[0];
        r.Cliente = QStringLiteral("Cliente %1").arg(n);
        r.TotCorrispettivi = row[1];
        r.Acconti = row.value(2, QStringLiteral("0"));
        r.Tassa = QStringLiteral("2");
        r.Totale = row[1];
        records.append(r);
    }
    QVERIFY(Archives::write(path, records));
}

// Opens the printing surface of a summary to the test.
template <class W>
struct Printable : W
{
    using W::W;
    using W::reportTitle;
    using W::totalsLines;
};

QString textOf(QWidget *w, const char *name, TestSupport::Where at = TestSupport::Where::current())
{
    return TestSupport::text(w, QLatin1StringView(name), at);
}
QStringList linesOf(QWidget *w) { return w->findChild<ResultList *>()->lines(); }
} // namespace

class TestPeriodSummaries : public QObject
{
    Q_OBJECT
private slots:
    void monthListsItsReceiptsWithTheFourTotals();
    void quarterAndYear();
    void emptyPeriodAndEmptyArchive();
    void unreadableAmountKeepsTheSelection();
    void linesReadToTheirEndAt1366();
};

void TestPeriodSummaries::monthListsItsReceiptsWithTheFourTotals()
{
    TempDataDir dir;
    MessageRecorder messages;
    const QString archive = dir.file(u"2024.ric"_qs);
    writeReceipts(archive, {{u"15/03/2024"_qs, u"100,00"_qs, u"10"_qs},
                            {u"14/02/2024"_qs, u"40"_qs},
                            {u"31/03/2024"_qs, u"0,5"_qs},
                            {u"02/03/2023"_qs, u"900"_qs},
                            {u"5/3/2024"_qs, u"70"_qs},
                            {u"marzo 2024"_qs, u"80"_qs}});
    ReceiptWindowStandIn receipts(archive);
    Printable<TfrmRiepMensile> month(&receipts.window);
    TestSupport::setText(&month, u"lblAnno"_qs, u"2024"_qs);  // as the receipt window does
    QVERIFY(!month.findChild<QWidget *>(u"panSelezione"_qs)->isHidden());
    QVERIFY(month.findChild<QWidget *>(u"panContainer"_qs)->isHidden());
    QCOMPARE(textOf(&month, "cboSelezione"), u"GENNAIO"_qs);
    QCOMPARE(textOf(&month, "titTipologia"), u"Ricevute emesse nel mese."_qs);

    auto *choice = month.findChild<QComboBox *>(u"cboSelezione"_qs);
    choice->setCurrentIndex(choice->findText(u"MARZO"_qs));
    TestSupport::click(&month, u"btnVisualizza"_qs);
    // The receipts that no period can hold are named once after the fill
    // (they used to be left out without a word).
    QCOMPARE(messages.texts(),
             QStringList{u"Attenzione: le seguenti ricevute non sono comprese nel riepilogo perché la loro data "
                         u"non è una data valida nel formato gg/mm/anno:\n\r\n\rRic. n. 5 - data: \"5/3/2024\"\n\r"
                         u"Ric. n. 6 - data: \"marzo 2024\"\n\r\n\rCorreggere la data delle ricevute indicate."_qs});
    QCOMPARE(messages.last().kind, MessageKind::Warning);
    QVERIFY(month.findChild<QWidget *>(u"panSelezione"_qs)->isHidden());
    QVERIFY(!month.findChild<QWidget *>(u"panContainer"_qs)->isHidden());
    const QStringList lines = linesOf(&month);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith(u"Ric. n. 1           "_qs));
    QVERIFY(lines[1].startsWith(u"Ric. n. 3           "_qs));
    QCOMPARE(textOf(&month, "titTipologia"), u"Ricevute emesse nel mese di marzo 2024"_qs);
    QCOMPARE(textOf(&month, "lblTotImponibile"), u"€ 100,50"_qs);
    QCOMPARE(textOf(&month, "lblTotImposta"), u"€ 10,00"_qs);
    QCOMPARE(textOf(&month, "lblTotEsente"), u"€ 4,00"_qs);
    QCOMPARE(textOf(&month, "lblTotale"), u"€ 100,50"_qs);
    QCOMPARE(textOf(&month, "panInfo"), u"Il presente riepilogo contiene 2 ricevute."_qs);
    QCOMPARE(month.reportTitle(), u"Tipologia riepilogo: Ricevute emesse nel mese di marzo 2024"_qs);
    QCOMPARE(month.totalsLines().value(1), u"TOT. CORRISPETTIVI:     € 100,50"_qs);

    // Not February: the receipt of 15/03 stays out.
    Printable<TfrmRiepMensile> february(&receipts.window);
    TestSupport::setText(&february, u"lblAnno"_qs, u"2024"_qs);
    TestSupport::setText(&february, u"cboSelezione"_qs, u"FEBBRAIO"_qs);
    TestSupport::click(&february, u"btnVisualizza"_qs);
    QCOMPARE(linesOf(&february).size(), 1);
    QVERIFY(linesOf(&february).at(0).startsWith(u"Ric. n. 2 "_qs));
}

void TestPeriodSummaries::quarterAndYear()
{
    TempDataDir dir;
    const QString archive = dir.file(u"2024.ric"_qs);
    writeReceipts(archive, {{u"15/03/2024"_qs, u"100"_qs},
                            {u"01/04/2024"_qs, u"40"_qs},
                            {u"20/01/2024"_qs, u"1"_qs},
                            {u"02/01/2023"_qs, u"900"_qs}});
    ReceiptWindowStandIn receipts(archive);
    TfrmRiepTrimestrale quarter(&receipts.window);
    TestSupport::setText(&quarter, u"lblAnno"_qs, u"2024"_qs);
    QCOMPARE(quarter.findChild<QComboBox *>(u"cboSelezione"_qs)->count(), 4);
    TestSupport::click(&quarter, u"btnVisualizza"_qs);  // the first quarter is chosen on opening
    QCOMPARE(linesOf(&quarter).size(), 2);
    QCOMPARE(textOf(&quarter, "titTipologia"), u"Ricevute emesse nel trimestre di gennaio, febbraio, marzo 2024"_qs);
    QCOMPARE(textOf(&quarter, "lblTotImponibile"), u"€ 101,00"_qs);

    // The year window lists at once, from the receipt window's year.
    TfrmRiepAnnuale year(&receipts.window);
    QVERIFY(year.findChild<QWidget *>(u"panSelezione"_qs) == nullptr);
    QCOMPARE(linesOf(&year).size(), 3);
    QCOMPARE(textOf(&year, "titTipologia"), u"Ricevute emesse nell'anno 2024"_qs);
    QCOMPARE(textOf(&year, "lblTotImponibile"), u"€ 141,00"_qs);
    QCOMPARE(textOf(&year, "panInfo"), u"Il presente riepilogo contiene 3 ricevute."_qs);
}

void TestPeriodSummaries::emptyPeriodAndEmptyArchive()
{
    TempDataDir dir;
    MessageRecorder messages;
    ReceiptWindowStandIn receipts(dir.file(u"2024.ric"_qs));
    Printable<TfrmRiepAnnuale> year(&receipts.window);
    QCOMPARE(textOf(&year, "titTipologia"), u"Ricevute emesse nell'anno 2024"_qs);
    QCOMPARE(textOf(&year, "lblTotale"), u"€ 0,00"_qs);
    QCOMPARE(textOf(&year, "panInfo"), u"Il presente riepilogo contiene 0 ricevute."_qs);
    QCOMPARE(year.totalsLines().size(), 5);  // separator and four totals, even with no lines
    QVERIFY(messages.isEmpty());

    // Find in an empty list: the information box.
    TestSupport::click(&year, u"btnTrova"_qs);
    QCOMPARE(messages.last().kind, MessageKind::Information);
    QCOMPARE(messages.last().text, ResultList::emptyListText());
}

void TestPeriodSummaries::unreadableAmountKeepsTheSelection()
{
    TempDataDir dir;
    MessageRecorder messages;
    const QString archive = dir.file(u"2024.ric"_qs);
    writeReceipts(archive, {{u"15/01/2024"_qs, u"10"_qs}, {u"16/01/2024"_qs, u"dieci"_qs}});
    ReceiptWindowStandIn receipts(archive);
    TfrmRiepMensile month(&receipts.window);
    TestSupport::setText(&month, u"lblAnno"_qs, u"2024"_qs);
    TestSupport::click(&month, u"btnVisualizza"_qs);
    QCOMPARE(messages.entries().size(), 1);
    QCOMPARE(messages.last().kind, MessageKind::Warning);
    QVERIFY(messages.last().text.contains(u"dieci"_qs));
    QVERIFY(!month.findChild<QWidget *>(u"panSelezione"_qs)->isHidden());
}

// A year summary in a window the size of a 1366x768 screen: the longest
// line scrolls into view to the end of its total.
void TestPeriodSummaries::linesReadToTheirEndAt1366()
{
    TempDataDir dir;
    MessageRecorder messages;
    const QString archive = dir.file(u"2024.ric"_qs);
    {
        ReceiptRecord r = widestReceipt();
        r.Totale = r.TotCorrispettivi;
        QVERIFY(Archives::write(archive, QList{r}));
    }
    ReceiptWindowStandIn receipts(archive);
    TfrmRiepAnnuale year(&receipts.window);
    year.setWindowState(Qt::WindowNoState);
    year.setGeometry(0, 0, 1366, 768);
    year.show();
    QVERIFY(QTest::qWaitForWindowExposed(&year));
    auto *list = year.findChild<ResultList *>();
    QCOMPARE(list->count(), 1);
    QVERIFY(list->lines().first().endsWith(u"Totale: € 9999999,99"_qs));
    QCOMPARE(TestSupport::hiddenLineTail(list->view(), 0), 0);
    QVERIFY(messages.isEmpty());
}

QTEST_MAIN(TestPeriodSummaries)
#include "tst_period.moc"
