#include "Archives.h"
#include "receipts/ReceiptRecord.h"
#include "summaries/PeriodSummaryRules.h"
#include "TestSupport.h"

#include <QTest>

using Period = PeriodSummaryRules::Period;
Q_DECLARE_METATYPE(Period)

class TestPeriodRules : public QObject
{
    Q_OBJECT
private slots:
    void belongs_data();
    void belongs();
    void placeable_data();
    void placeable();
    void longListOfUnplacedReceipts();
    void choicesAndTitles();
    void receiptLineColumns();
    void totalsOverTheListedReceipts();
    void emptyPeriodPrintsTheFourTotals();
};

void TestPeriodRules::belongs_data()
{
    QTest::addColumn<Period>("period");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("in");
    QTest::newRow("March") << Period::Month << u"15/03/2024"_qs << u"MARZO"_qs << true;
    QTest::newRow("not February") << Period::Month << u"15/03/2024"_qs << u"FEBBRAIO"_qs << false;
    QTest::newRow("first quarter") << Period::Quarter << u"15/03/2024"_qs << u"GENNAIO, FEBBRAIO, MARZO"_qs << true;
    QTest::newRow("not second quarter") << Period::Quarter << u"15/03/2024"_qs << u"APRILE, MAGGIO, GIUGNO"_qs << false;
    QTest::newRow("year") << Period::Year << u"15/03/2024"_qs << QString() << true;
    QTest::newRow("blanks around") << Period::Month << u"  15/03/2024 "_qs << u"marzo"_qs << true;
    QTest::newRow("other year") << Period::Year << u"02/01/2023"_qs << QString() << false;
    QTest::newRow("one-digit day and month") << Period::Month << u"5/3/2024"_qs << u"MARZO"_qs << false;
    QTest::newRow("one-digit, year") << Period::Year << u"5/3/2024"_qs << QString() << false;
    QTest::newRow("no date") << Period::Year << u"   "_qs << QString() << false;
    QTest::newRow("month 13") << Period::Quarter << u"01/13/2024"_qs << u"OTTOBRE, NOVEMBRE, DICEMBRE"_qs << false;
}

void TestPeriodRules::belongs()
{
    QFETCH(Period, period);
    QFETCH(QString, data);
    QFETCH(QString, chosen);
    QFETCH(bool, in);
    QCOMPARE(PeriodSummaryRules::belongs(period, data, chosen, u" 2024"_qs), in);
}

void TestPeriodRules::placeable_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<bool>("placeable");
    QTest::newRow("dd/mm/yyyy") << u"15/03/2024"_qs << true;
    QTest::newRow("blanks around") << u" 01/12/2024 "_qs << true;
    QTest::newRow("a day the month lacks") << u"31/02/2024"_qs << true;  // placed by position
    QTest::newRow("one-digit day and month") << u"5/3/2024"_qs << false;
    QTest::newRow("month 13") << u"01/13/2024"_qs << false;
    QTest::newRow("month 00") << u"01/00/2024"_qs << false;
    QTest::newRow("two-digit year") << u"01/03/24"_qs << false;
    QTest::newRow("letters") << u"15 marzo 2024"_qs << false;
    QTest::newRow("empty") << QString() << false;
}

void TestPeriodRules::placeable()
{
    QFETCH(QString, data);
    QFETCH(bool, placeable);
    QCOMPARE(ReceiptDateCut::placeable(data), placeable);
}

// Fifteen receipts are named; the rest are counted, so the box stays on screen.
void TestPeriodRules::longListOfUnplacedReceipts()
{
    QList<ReceiptDateCut::Unplaced> many;
    for (int i = 1; i <= 18; ++i)
        many.append({QString::number(i), u"x"_qs});
    const QString text = ReceiptDateCut::unplacedWarning(many, u"nel riepilogo"_qs);
    QVERIFY(text.contains(u"Ric. n. 15 - data: \"x\"\n\r... e altre 3 ricevute.\n\r\n\r"_qs));
    QVERIFY(!text.contains(u"Ric. n. 16 "_qs));
}

void TestPeriodRules::choicesAndTitles()
{
    QCOMPARE(PeriodSummaryRules::choices(Period::Month).size(), 12);
    QCOMPARE(PeriodSummaryRules::choices(Period::Month).at(8), u"SETTEMBRE"_qs);
    QCOMPARE(PeriodSummaryRules::choices(Period::Quarter),
             (QStringList{u"GENNAIO, FEBBRAIO, MARZO"_qs, u"APRILE, MAGGIO, GIUGNO"_qs,
                          u"LUGLIO, AGOSTO, SETTEMBRE"_qs, u"OTTOBRE, NOVEMBRE, DICEMBRE"_qs}));
    QVERIFY(PeriodSummaryRules::choices(Period::Year).isEmpty());
    QCOMPARE(PeriodSummaryRules::title(Period::Month, u"MARZO"_qs, u"2024"_qs),
             u"Ricevute emesse nel mese di marzo 2024"_qs);
    QCOMPARE(PeriodSummaryRules::title(Period::Quarter, u"APRILE, MAGGIO, GIUGNO"_qs, u"2024"_qs),
             u"Ricevute emesse nel trimestre di aprile, maggio, giugno 2024"_qs);
    QCOMPARE(PeriodSummaryRules::title(Period::Year, QString(), u" 2024 "_qs), u"Ricevute emesse nell'anno 2024"_qs);
}

void TestPeriodRules::receiptLineColumns()
{
    ReceiptRecord r;
    r.NumRic = u"12"_qs;
    r.Data = u"15/03/2024"_qs;
    r.Cliente = u"Esposito Gennaro Maria Carmela Antonietta"_qs;  // cut at 30
    r.CodFiscCliente = u"SPSGNR80A01F839X"_qs;                     // fills its 16 exactly
    r.Acconti = u"50,00"_qs;
    r.Tassa = u"2,00"_qs;
    r.TotCorrispettivi = u"1250,00"_qs;
    r.Totale = u"1202,00"_qs;  // not shown: the line's total is TotCorrispettivi
    const QByteArray bytes = ReceiptRecordLayout::encode(r);
    QCOMPARE(PeriodSummaryRules::receiptLine().build(bytes.constData()),
             u"Ric. n. 12            Data: 15/03/2024  Esposito Gennaro Maria Carmela  C.F. SPSGNR80A01F839X"
             u"  Acconti: € 50,00     Bollo: 2,00      Totale: € 1250,00"_qs);
}

void TestPeriodRules::totalsOverTheListedReceipts()
{
    TempDataDir dir;
    const QString path = dir.file(u"2024.ric"_qs);
    QList<ReceiptRecord> records;
    const char *rows[][5] = {
        {"15/03/2024", "100,00", "10", "2", "92"},
        {"20/03/2024", "0,5", "0", "0", "0,5"},
        {"02/03/2023", "1000", "0", "0", "1000"},  // typed in the wrong year
        {"14/02/2024", "7", "0", "0", "7"},
    };
    for (const auto &row : rows) {
        ReceiptRecord r;
        r.Data = QString::fromLatin1(row[0]);
        r.TotCorrispettivi = QString::fromLatin1(row[1]);
        r.Acconti = QString::fromLatin1(row[2]);
        r.Tassa = QString::fromLatin1(row[3]);
        r.Totale = QString::fromLatin1(row[4]);
        records.append(r);
    }
    QVERIFY(Archives::write(path, records));

    auto result = PeriodSummaryRules::collect(path, Period::Month, u"MARZO"_qs, u"2024"_qs);
    QVERIFY(result.complete());
    QCOMPARE(result.lines.size(), 2);
    QStringList labels;
    for (double sum : result.sums)
        labels.append(PeriodSummaryRules::totalLabel(sum));
    QCOMPARE(labels, (QStringList{u"€ 100,50"_qs, u"€ 10,00"_qs, u"€ 2,00"_qs, u"€ 92,50"_qs}));
    QCOMPARE(PeriodSummaryRules::countText(result.lines.size()), u"Il presente riepilogo contiene 2 ricevute."_qs);

    result = PeriodSummaryRules::collect(path, Period::Year, QString(), u"2024"_qs);
    QCOMPARE(result.lines.size(), 3);
    QCOMPARE(result.sums[0], 107.5);
}

void TestPeriodRules::emptyPeriodPrintsTheFourTotals()
{
    TempDataDir dir;
    const auto result = PeriodSummaryRules::collect(dir.file(u"2024.ric"_qs), Period::Month, u"LUGLIO"_qs, u"2024"_qs);
    QVERIFY(result.complete() && result.lines.isEmpty());
    QStringList labels;
    for (double sum : result.sums)
        labels.append(PeriodSummaryRules::totalLabel(sum));
    QCOMPARE(PeriodSummaryRules::printedTotals(labels),
             (QStringList{u"--------------------------"_qs, u"TOT. CORRISPETTIVI:     € 0,00"_qs,
                          u"Tot. acconti:           € 0,00"_qs, u"Tot. imposta di bollo:  € 0,00"_qs,
                          u"Totale saldato:         € 0,00"_qs}));
}

QTEST_MAIN(TestPeriodRules)
#include "tst_period_rules.moc"
