#include "receipts/ReceiptTotals.h"

#include <QTest>

class TestReceiptTotals : public QObject
{
    Q_OBJECT
private slots:
    void compute_data();
    void compute();
};

void TestReceiptTotals::compute_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("advances");
    QTest::addColumn<QString>("duty");
    QTest::addColumn<QString>("sum");
    QTest::addColumn<QString>("shownDuty");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("shownAdvances");

    QTest::newRow("no lines, duty only") << QStringList{} << "0,00" << "2,00" << "0,00" << "2,00" << "2,00" << "0,00";
    // 7,755 written with 15 digits reparses just below the half: 7,75.
    QTest::newRow("amount due rounds the binary value")
        << QStringList{u"10,50"_qs, u"0,255"_qs} << "5" << "2" << "10,76" << "2,00" << "7,75" << "5";
    QTest::newRow("1,005 is below the half") << QStringList{u"1,005"_qs} << "0,00" << "0,00" << "1,00" << "0,00" << "1,00" << "0,00";
    QTest::newRow("advances above the total")
        << QStringList{u"10,50"_qs} << "20" << "" << "10,50" << "0,00" << "-9,50" << "20";
    // The amount due takes the duty before its own rounding: 0,003 + 2,005 = 2,008.
    QTest::newRow("duty rounded only for display")
        << QStringList{u"0,003"_qs} << "0,00" << "2,005" << "0,00" << "2,00" << "2,01" << "0,00";
    QTest::newRow("empty advances become zero")
        << QStringList{u"12,3456"_qs, QString(), u"7"_qs} << "  " << "0,00" << "19,35" << "0,00" << "19,35" << "0,00";
    QStringList lastLine(29);
    lastLine.append(u"99,99"_qs);
    QTest::newRow("line 30 counts") << lastLine << "0,00" << "2,00" << "99,99" << "2,00" << "101,99" << "0,00";
    QStringList full;
    for (int i = 0; i < 30; ++i)
        full.append(u"9999999,99"_qs);
    QTest::newRow("thirty full lines") << full << "0,00" << "0,00" << "299999999,70" << "0,00" << "299999999,70" << "0,00";
    QTest::newRow("unreadable line") << QStringList{u"5"_qs, u"1,2,3"_qs} << "1" << "2,00" << "0,00" << "0,00" << "0,00" << "1";
    QTest::newRow("unreadable advances") << QStringList{u"5"_qs} << "1-" << "2,00" << "0,00" << "0,00" << "0,00" << "1-";
    QTest::newRow("unreadable duty") << QStringList{u"5"_qs} << "0,00" << "abc" << "0,00" << "0,00" << "0,00" << "0,00";
}

void TestReceiptTotals::compute()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, advances);
    QFETCH(QString, duty);
    ReceiptTotals::Inputs in;
    for (int i = 0; i < lines.size(); ++i)
        in.lines[i] = lines[i];
    in.advances = advances;
    in.duty = duty;

    const ReceiptTotals::Result r = ReceiptTotals::compute(in);
    QTEST(r.sum, "sum");
    QTEST(r.duty, "shownDuty");
    QTEST(r.total, "total");
    QTEST(r.advances, "shownAdvances");
}

QTEST_GUILESS_MAIN(TestReceiptTotals)
#include "tst_receipt_totals.moc"
