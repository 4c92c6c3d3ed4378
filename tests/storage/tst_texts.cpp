#include "storage/AmountText.h"
#include "storage/DateText.h"
#include "TestSupport.h"

#include <QTest>

class TestTexts : public QObject
{
    Q_OBJECT
private slots:
    void normalise_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("emptyValue");
        QTest::addColumn<QString>("expected");
        const QString zero = QStringLiteral("0,00");
        QTest::newRow("empty line amount") << QString() << 4 << QString() << QString();
        QTest::newRow("empty advance") << QStringLiteral("  ") << 4 << zero << zero;
        QTest::newRow("whole") << QStringLiteral("12") << 4 << zero << QStringLiteral("12,00");
        QTest::newRow("one decimal") << QStringLiteral("12,5") << 4 << zero << QStringLiteral("12,50");
        QTest::newRow("leading zeros") << QStringLiteral("0012") << 4 << zero << QStringLiteral("12,00");
        QTest::newRow("to four") << QStringLiteral("12,34567") << 4 << zero << QStringLiteral("12,3457");
        QTest::newRow("just below half") << QStringLiteral("12,00005") << 4 << zero << QStringLiteral("12,00");
        QTest::newRow("two commas") << QStringLiteral("1,2,3") << 4 << zero << zero;
        QTest::newRow("comma alone") << QStringLiteral(",") << 2 << zero << zero;
        QTest::newRow("half up") << QStringLiteral("12,345") << 2 << zero << QStringLiteral("12,35");
        QTest::newRow("half down") << QStringLiteral("12,344") << 2 << zero << QStringLiteral("12,34");
        QTest::newRow("binary below") << QStringLiteral("1,005") << 2 << zero << QStringLiteral("1,00");
        QTest::newRow("leading comma") << QStringLiteral(",5") << 2 << zero << QStringLiteral("0,50");
        QTest::newRow("letters") << QStringLiteral("12a") << 2 << zero << zero;
    }
    void normalise()
    {
        QFETCH(QString, typed);
        QFETCH(int, decimals);
        QFETCH(QString, emptyValue);
        QFETCH(QString, expected);
        QCOMPARE(AmountText::normalise(typed, decimals, emptyValue), expected);
    }

    void amounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << QStringLiteral(" 1234,56 ") << true << 1234.56;
        QTest::newRow("signs") << QStringLiteral("-7,5") << true << -7.5;
        QTest::newRow("plus") << QStringLiteral("+,5") << true << 0.5;
        QTest::newRow("trailing comma") << QStringLiteral("12,") << true << 12.0;
        QTest::newRow("sign alone") << QStringLiteral("-") << false << 0.0;
        QTest::newRow("point is not a separator") << QStringLiteral("1.5") << false << 0.0;
        QTest::newRow("blank inside") << QStringLiteral("1 5") << false << 0.0;
        QTest::newRow("non-ASCII digit") << QString::fromUtf16(u"1\u0663") << false << 0.0;
        QTest::newRow("seventy digits") << QString(70, u'9') << true << 1e70;
        QTest::newRow("too large") << QString(400, u'9') << false << 0.0;
    }
    void amounts()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(double, value);
        const auto parsed = AmountText::parse(text);
        QCOMPARE(parsed.has_value(), number);
        if (number)
            QCOMPARE(*parsed, value);
    }

    void amountsRoundAsAFullConversion()
    {
        // Short amounts take a quicker way; the double must be the very same.
        for (const char *text : {"0,1", "0,7", "1234,56", "-2,675", "999999999999,999", "0,000000000000001",
                                 "123456789012345", "1234567890123456", "12345678901234,5678"}) {
            const double full = QString::fromLatin1(text).replace(u',', u'.').toDouble();
            const auto parsed = AmountText::parse(QString::fromLatin1(text));
            QVERIFY2(parsed && *parsed == full, text);
        }
    }

    void roundingOnExactBinaryValues()
    {
        QCOMPARE(AmountText::roundHalfUp(-9.5, 2), -9.5);
        QCOMPARE(AmountText::completeDecimals(AmountText::formatGeneral(AmountText::roundHalfUp(-9.5, 2))),
                 QStringLiteral("-9,50"));
        // 7,755 read back from text lies just below 7,755: the product must not be rounded.
        QCOMPARE(AmountText::roundHalfUp(*AmountText::parse(QStringLiteral("7,755")), 2), 7.75);
        QCOMPARE(AmountText::roundHalfUp(2.5, 0), 3.0);
        QCOMPARE(AmountText::roundHalfUp(-2.5, 0), -2.0);
        QCOMPARE(AmountText::roundHalfUp(0.125, 2), 0.13);  // 0,125 is exact in binary
    }

    void formatGeneral_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 12.5 << QStringLiteral("12,5");
        QTest::newRow("whole") << 1250.0 << QStringLiteral("1250");
        QTest::newRow("small") << 0.0001 << QStringLiteral("0,0001");
        QTest::newRow("negative") << -9.5 << QStringLiteral("-9,5");
        QTest::newRow("sum") << 0.1 + 0.2 << QStringLiteral("0,3");
        QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    }
    void formatGeneral()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(AmountText::formatGeneral(value), text);
    }

    void completion()
    {
        QCOMPARE(AmountText::completeDecimals(QStringLiteral("12,3456")), QStringLiteral("12,3456"));
        QCOMPARE(AmountText::completeDecimals(QStringLiteral("12,")), QStringLiteral("12,00"));
        QCOMPARE(AmountText::completeDecimals(QStringLiteral("7")), QStringLiteral("7,00"));
    }

    void dates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("leap") << QStringLiteral("29/02/2024") << QDate(2024, 2, 29);
        QTest::newRow("not leap") << QStringLiteral("29/02/2023") << QDate();
        QTest::newRow("april 31") << QStringLiteral("31/04/2024") << QDate();
        QTest::newRow("short parts") << QStringLiteral(" 5/3/2024 ") << QDate(2024, 3, 5);
        QTest::newRow("no year") << QStringLiteral("05/03") << QDate(2025, 3, 5);
        QTest::newRow("two-digit year near") << QStringLiteral("01/01/30") << QDate(2030, 1, 1);
        QTest::newRow("two-digit year past") << QStringLiteral("01/01/80") << QDate(1980, 1, 1);
        QTest::newRow("empty") << QString() << QDate();
        QTest::newRow("letters") << QStringLiteral("aa/03/2024") << QDate();
        QTest::newRow("four parts") << QStringLiteral("1/2/2024/5") << QDate();
        QTest::newRow("year zero") << QStringLiteral("1/1/0000") << QDate();
        QTest::newRow("empty part") << QStringLiteral("1//2024") << QDate();
        QTest::newRow("trailing slash") << QStringLiteral("1/2/") << QDate();
        QTest::newRow("one part") << QStringLiteral("15") << QDate();
        QTest::newRow("three-digit day") << QStringLiteral("015/3/2024") << QDate();
        QTest::newRow("five-digit year") << QStringLiteral("1/3/20245") << QDate();
        QTest::newRow("blank inside") << QStringLiteral("1 /3/2024") << QDate();
    }
    void dates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        TempDataDir dir;  // fixes today at 15/06/2025
        QCOMPARE(DateText::parse(text), date);
        QCOMPARE(DateText::isValid(text), date.isValid());
    }

    void todayText()
    {
        TempDataDir dir(QDateTime(QDate(2025, 3, 7), QTime(9, 5)));
        QCOMPARE(DateText::today(), QStringLiteral("07/03/2025"));
        QCOMPARE(DateText::nowTime(), QStringLiteral("09:05"));
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
