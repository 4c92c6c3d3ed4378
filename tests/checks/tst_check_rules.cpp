#include "checks/FiscalCode.h"
#include "checks/Iban.h"
#include "checks/PaymentCard.h"
#include "checks/VatNumber.h"
#include "checks/VatOffices.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The check rules on their own; the dialogs' verdicts on published codes
// are covered with the dialogs.
class TestCheckRules : public QObject
{
    Q_OBJECT
private slots:
    void fiscalCodeCharactersOutsideTheTables();
    void vatCheckDigit_data();
    void vatCheckDigit();
    void vatOfficeTable();
    void cardCheckResult_data();
    void cardCheckResult();
    void cardTypeShown_data();
    void cardTypeShown();
    void ibanPreparation();
};

void TestCheckRules::fiscalCodeCharactersOutsideTheTables()
{
    // Colon to at sign lie inside the tables and weigh nothing, like an even "0".
    QCOMPARE(FiscalCode::checkCharacter(u"RSSMRA45C12F2:5"), FiscalCode::checkCharacter(u"RSSMRA45C12F205"));
    QCOMPARE(FiscalCode::checkCharacter(u"RSSMRA45C12F205"), QChar(u'C'));
    // Anything outside "0".."Z" cannot be weighed, so no letter can match.
    QVERIFY(!FiscalCode::checkCharacter(u"RSSMRA45C12F2.5"));
    QVERIFY(!FiscalCode::checkCharacter(u"RSSMRA45C12F2\u00C85"));
    QVERIFY(!FiscalCode::isValid(u"RSSMRA45C12F2.5C"));
    // Lower case counts as upper case, in the body and in the check letter.
    QVERIFY(FiscalCode::isValid(u"rssmra45c12f205c"));
}

void TestCheckRules::vatCheckDigit_data()
{
    QTest::addColumn<QString>("firstTen");
    QTest::addColumn<int>("digit");
    QTest::newRow("ascending from zero: sum 43") << u"0123456789"_s << 7;
    QTest::newRow("ascending from one: sum 47") << u"1234567890"_s << 3;
    QTest::newRow("all zeros") << u"0000000000"_s << 0;
    QTest::newRow("doubles above nine") << u"0909090909"_s << 5;
}

void TestCheckRules::vatCheckDigit()
{
    QFETCH(QString, firstTen);
    QFETCH(int, digit);
    QCOMPARE(VatNumber::checkDigit(firstTen), digit);
}

void TestCheckRules::vatOfficeTable()
{
    const auto offices = VatOffices::all();
    QCOMPARE(offices.size(), 104u);
    QStringList keys;
    for (const auto &office : offices)
        keys.append(QString::fromUtf16(office.key));
    QStringList expected;
    for (int k = 1; k <= 102; ++k)
        expected.append(QStringLiteral("%1").arg(k, 3, 10, QLatin1Char('0')));
    expected << u"120"_s << u"121"_s;
    QCOMPARE(keys, expected);

    QCOMPARE(VatOffices::name(u"120"), VatOffices::name(u"101"));
    QCOMPARE(VatOffices::name(u"121"), u"Napoli 2"_s);
    QCOMPARE(VatOffices::name(u"040"), u"Forlì"_s);
    QCOMPARE(VatOffices::name(u"096"), u"Monza (Milano 2)"_s);
    QCOMPARE(VatOffices::name(u"099"), u"Chiavari (Genova 2)"_s);
    for (const char16_t *unknown : {u"000", u"103", u"119", u"122", u"999"})
        QVERIFY(VatOffices::name(unknown).isEmpty());
    QCOMPARE(VatNumber::officeName(u"00000000968"), u"Monza (Milano 2)"_s);
}

void TestCheckRules::cardCheckResult_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::newRow("visa") << u"4111111111111111"_s << 2;
    QTest::newRow("mastercard") << u"5555555555554444"_s << 3;
    QTest::newRow("american express") << u"378282246310005"_s << 1;
    QTest::newRow("discover") << u"6011111111111117"_s << 4;
    QTest::newRow("changed last digit") << u"4111111111111112"_s << 0;
    QTest::newRow("passing, first digit 2") << u"2221000000000009"_s << 0;
    QTest::newRow("passing, first digit 9") << u"9000000000000001"_s << 7;
    QTest::newRow("single zero") << u"0"_s << -2;
    QTest::newRow("single digit other than zero") << u"5"_s << 0;
    QTest::newRow("no digits") << u"abc-"_s << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("grouped with blanks") << u"4111 1111 1111 1111"_s << 2;
    // A 19-digit number written in groups is longer than twenty characters.
    QTest::newRow("long number in groups") << u"4000-0000-0000-0000-006"_s << 2;
    QTest::newRow("digits past the twentieth ignored") << u"400000000000000000029"_s << 2;
}

void TestCheckRules::cardCheckResult()
{
    QFETCH(QString, text);
    QFETCH(int, result);
    QCOMPARE(PaymentCard::checkResult(text), result);
}

void TestCheckRules::cardTypeShown_data()
{
    QTest::addColumn<QString>("prefixes");
    QTest::addColumn<QString>("type");
    QTest::newRow("diner's") << u"30 36 38"_s << u"Diner's Club / Carte Blanche"_s;
    QTest::newRow("amex") << u"34 37"_s << u"American Express"_s;
    QTest::newRow("jcb") << u"31 33 35"_s << u"JCB"_s;
    QTest::newRow("unknown 3x") << u"32 39"_s << QString();
    QTest::newRow("visa") << u"4"_s << u"Visa"_s;
    QTest::newRow("mastercard") << u"5"_s << u"MasterCard"_s;
    QTest::newRow("discover") << u"6"_s << u"Discover"_s;
}

void TestCheckRules::cardTypeShown()
{
    QFETCH(QString, prefixes);
    QFETCH(QString, type);
    for (const QString &prefix : prefixes.split(u' '))
        QCOMPARE(PaymentCard::typeShown(QString(prefix + u"0000 0000")), type);
}

void TestCheckRules::ibanPreparation()
{
    // Country and check digits go to the end; X = 33, I = 18, T = 29.
    QCOMPARE(Iban::checkDigits(u"IT60X0542811101000000123456"), u"330542811101000000123456182960"_s);
    QCOMPARE(Iban::checkDigits(u"it60 x054"), u"33054182960"_s);
    // Only the first "IBAN" goes.
    QCOMPARE(Iban::checkDigits(u"IBANGI75IBAN"), u"18111023161875"_s);
    QCOMPARE(Iban::remainder97(u"330542811101000000123456182960"), 1);
    QCOMPARE(Iban::remainder97(u"3305428111010000001234.6182960"), 0);
    QCOMPARE(Iban::remainder97(u""), 0);
    // A remainder of 1 on digits that are not all digits would be a false pass.
    QVERIFY(!Iban::passes(u"IT60X05428111010000001234-6"));
}

QTEST_GUILESS_MAIN(TestCheckRules)
#include "tst_check_rules.moc"
