#include "TestSupport.h"
#include "ui/CodeChecks.h"
#include "checks/ChecksModule.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MessageKind)

namespace {

const QString kFiscalValid = u"Il codice fiscale digitato è VALIDO."_s;
const QString kFiscalWrong = u"Attenzione: il codice fiscale digitato è ERRATO."_s;
const QString kFiscalLength = u"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."_s;
const QString kVatValid = u"Il numero di partita IVA digitato risulta VALIDO."_s;
const QString kVatOffice = u"\r\n\r\nE' stato rilasciato dall'Ufficio IVA del Comune di "_s;
const QString kVatWrong = u"Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
                          "fornire informazioni relative all'Ufficio IVA che lo ha rilasciato."_s;
const QString kVatLength = u"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."_s;
const QString kCardEmpty = u"Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo."_s;
const QString kCardWrong = u"Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
                           "informazioni relative al tipo di carta di credito."_s;
const QString kIbanValid = u"L'IBAN digitato è VALIDO."_s;
const QString kIbanWrong = u"Attenzione: l'IBAN digitato è ERRATO!"_s;
const QString kIbanLength = u"Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."_s;

QString vatValidFrom(const QString &office) { return kVatValid + kVatOffice + office + u'.'; }

QString cardValid(const QString &number, const QString &type)
{
    return u"Il numero di carta di credito "_s + number + u" risulta valido.\r\n\r\nLa carta di credito è del tipo "_s
        + type + u'.';
}

// The check buttons of the other windows, by the kind of field they sit beside.
void openFrom(const QString &field, const QString &text)
{
    if (field == u"fiscal")
        CodeChecks::openFiscalCode(nullptr, text);
    else if (field == u"vat")
        CodeChecks::openVat(nullptr, text);
    else if (field == u"card")
        CodeChecks::openCard(nullptr, text);
    else
        CodeChecks::openIban(nullptr, text);
}

// What the user saw of one check dialog.
struct Seen
{
    QString dialog;
    QString preset;      // the box's text as the dialog opened
    QString shown;       // the box's text before the verdict
    QList<MessageRecorder::Entry> messages;
    bool stillOpen = false;
    QString focus;
    int result = -1;
};

// Opens a check from a field holding `text`, lets `act` play the user on
// the live dialog and reports what happened.
using Act = std::function<void(QDialog *, QLineEdit *, const MessageRecorder &)>;
Seen play(const QString &field, const QString &text, const Act &act)
{
    MessageRecorder recorder;
    ModalScript script;
    Seen seen;
    script.then([&](QDialog *d) {
        d->show();
        auto *box = d->findChild<QLineEdit *>();
        seen.preset = box->text();
        act(d, box, recorder);
        seen.shown = box->text();
        seen.stillOpen = d->isVisible();
        seen.focus = d->focusWidget() ? d->focusWidget()->objectName() : QString();
        seen.result = d->result();
        d->hide();
        return seen.result;
    });
    openFrom(field, text);
    seen.dialog = script.seen().value(0);
    seen.messages = recorder.entries();
    return seen;
}

// The user moves to "Controlla" and presses it.
void pressControlla(QDialog *d, QLineEdit *, const MessageRecorder &)
{
    auto *button = d->findChild<QPushButton *>(u"btnControlla"_s);
    button->setFocus();
    button->click();
}

} // namespace

class TestCheckDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ChecksModule::registerDialogs(); }
    void verdicts_data();
    void verdicts();
    void typing_data();
    void typing();
    void enterOnlyMovesToControlla_data();
    void enterOnlyMovesToControlla();
    void chiudiClosesWithoutAWord();
};

void TestCheckDialogs::verdicts_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<QString>("message");  // empty: no message at all
    QTest::addColumn<bool>("staysOpen");

    const auto info = MessageKind::Information;
    const auto warn = MessageKind::Warning;
    const QString cf = u"TfrmCodFisc"_s, vat = u"TfrmPartitaIva"_s, card = u"TfrmCarta"_s, iban = u"TfrmIban"_s;

    QTest::newRow("cf valid 1") << "fiscal" << "MRTNTN23M02D969P" << cf << info << kFiscalValid << false;
    QTest::newRow("cf valid 2") << "fiscal" << "RCCMNL83S18D969H" << cf << info << kFiscalValid << false;
    QTest::newRow("cf valid 3") << "fiscal" << " RSSMRA45C12F205C " << cf << info << kFiscalValid << false;
    QTest::newRow("cf wrong letter") << "fiscal" << "FOXDRA26C24H872A" << cf << warn << kFiscalWrong << false;
    QTest::newRow("cf 15 characters") << "fiscal" << "RSSMRA45C12F205" << cf << warn << kFiscalLength << true;
    QTest::newRow("cf 17 characters kept whole") << "fiscal" << "RSSMRA45C12F205CX" << cf << warn << kFiscalLength << true;
    QTest::newRow("cf empty field") << "fiscal" << "" << cf << warn << kFiscalLength << true;
    QTest::newRow("cf preset lower case") << "fiscal" << "rssmra45c12f205c" << cf << info << kFiscalValid << false;
    QTest::newRow("cf no pattern check") << "fiscal" << "RSSMRA45C1LF205B" << cf << info << kFiscalValid << false;
    QTest::newRow("cf ending in a digit") << "fiscal" << "RSSMRA45C12F2052" << cf << warn << kFiscalWrong << false;
    QTest::newRow("cf punctuation inside") << "fiscal" << "RSSMRA45C12F2.5C" << cf << warn << kFiscalWrong << false;

    QTest::newRow("cf digits only: a company") << "fiscal" << " 00743110157 " << vat << info
                                               << vatValidFrom(u"Milano 1"_s) << false;
    QTest::newRow("vat milano 1") << "vat" << "00743110157" << vat << info << vatValidFrom(u"Milano 1"_s) << false;
    QTest::newRow("vat brescia 2") << "vat" << "00687120980" << vat << info << vatValidFrom(u"Brescia 2"_s) << false;
    QTest::newRow("vat monza") << "vat" << "00000000968" << vat << info << vatValidFrom(u"Monza (Milano 2)"_s) << false;
    QTest::newRow("vat office 121") << "vat" << "00000001214" << vat << info << vatValidFrom(u"Napoli 2"_s) << false;
    QTest::newRow("vat unknown office") << "vat" << "01234567897" << vat << info << kVatValid << false;
    QTest::newRow("vat ascending, wrong") << "vat" << "01234567890" << vat << warn << kVatWrong << false;
    QTest::newRow("vat changed check digit") << "vat" << "00743110158" << vat << warn << kVatWrong << false;
    QTest::newRow("vat ten digits") << "vat" << "0074311015" << vat << warn << kVatLength << true;
    QTest::newRow("vat preset with a letter") << "vat" << "0074311015A" << vat << warn << kVatWrong << false;

    QTest::newRow("card visa") << "card" << "4111111111111111" << card << info
                               << cardValid(u"4111111111111111"_s, u"Visa"_s) << false;
    QTest::newRow("card mastercard") << "card" << "5555555555554444" << card << info
                                     << cardValid(u"5555555555554444"_s, u"MasterCard"_s) << false;
    QTest::newRow("card amex") << "card" << "378282246310005" << card << info
                               << cardValid(u"378282246310005"_s, u"American Express"_s) << false;
    QTest::newRow("card discover") << "card" << "6011111111111117" << card << info
                                   << cardValid(u"6011111111111117"_s, u"Discover"_s) << false;
    QTest::newRow("card diner's") << "card" << "30569309025904" << card << info
                                  << cardValid(u"30569309025904"_s, u"Diner's Club / Carte Blanche"_s) << false;
    QTest::newRow("card jcb") << "card" << "3530111333300000" << card << info
                              << cardValid(u"3530111333300000"_s, u"JCB"_s) << false;
    QTest::newRow("card grouped preset") << "card" << "4000 0000 0000 0000 006" << card << info
                                         << cardValid(u"4000 0000 0000 0000 006"_s, u"Visa"_s) << false;
    QTest::newRow("card changed last digit") << "card" << "4111111111111112" << card << warn << kCardWrong << false;
    QTest::newRow("card starting with 39") << "card" << "3912345678901232" << card << info << QString() << false;
    QTest::newRow("card starting with 2") << "card" << "2221000000000009" << card << warn << kCardWrong << false;
    QTest::newRow("card single zero") << "card" << "0" << card << warn << kCardWrong << false;
    QTest::newRow("card empty") << "card" << "  " << card << warn << kCardEmpty << true;

    QTest::newRow("iban italian") << "iban" << "IT60X0542811101000000123456" << iban << info << kIbanValid << false;
    QTest::newRow("iban preset lower case") << "iban" << "it60x0542811101000000123456" << iban << info << kIbanValid << false;
    QTest::newRow("iban wrong") << "iban" << "IT45X1234512345123456789012" << iban << warn << kIbanWrong << false;
    QTest::newRow("iban french") << "iban" << "FR1420041010050500013M02606" << iban << info << kIbanValid << false;
    QTest::newRow("iban in groups") << "iban" << "IT60 X054 2811 1010 0000 0123 456" << iban << warn << kIbanLength << true;
    QTest::newRow("iban other length") << "iban" << "GI75NWBK000000007099453" << iban << warn << kIbanLength << true;
    QTest::newRow("iban word in front") << "iban" << "IBANGI75NWBK000000007099453" << iban << info << kIbanValid << false;
    QTest::newRow("iban punctuation") << "iban" << "IT60X05428111010000001234.6" << iban << warn << kIbanWrong << false;
}

void TestCheckDialogs::verdicts()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, dialog);
    QFETCH(MessageKind, kind);
    QFETCH(QString, message);
    QFETCH(bool, staysOpen);

    const Seen seen = play(field, text, pressControlla);
    QCOMPARE(seen.dialog, dialog);
    QCOMPARE(seen.preset.trimmed(), text.trimmed().toUpper());
    if (message.isEmpty()) {
        QVERIFY(seen.messages.isEmpty());
    } else {
        QCOMPARE(seen.messages.size(), 1);
        QCOMPARE(seen.messages.first().text, message);
        QCOMPARE(seen.messages.first().kind, kind);
    }
    QCOMPARE(seen.stillOpen, staysOpen);
    if (staysOpen)
        QVERIFY(seen.focus.startsWith(u"txt"));  // back in the box to correct it
    else
        QCOMPARE(seen.result, int(QDialog::Accepted));
}

void TestCheckDialogs::typing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");

    QTest::newRow("cf upper-cased as typed") << "fiscal" << "rssmra45c12f205c" << "RSSMRA45C12F205C" << kFiscalValid;
    QTest::newRow("cf stops at 16") << "fiscal" << "RSSMRA45C12F205CXY" << "RSSMRA45C12F205C" << kFiscalValid;
    QTest::newRow("vat letters discarded") << "vat" << "0074a3110b157" << "00743110157"
                                           << vatValidFrom(u"Milano 1"_s);
    QTest::newRow("vat stops at 11") << "vat" << "007431101579" << "00743110157" << vatValidFrom(u"Milano 1"_s);
    QTest::newRow("vat only letters") << "vat" << "abc" << "" << kVatLength;
    QTest::newRow("card digits only") << "card" << "4111-1111 1111x1111" << "4111111111111111"
                                      << cardValid(u"4111111111111111"_s, u"Visa"_s);
    QTest::newRow("card stops at 30") << "card" << QString(35, u'0') << QString(30, u'0') << kCardWrong;
    QTest::newRow("iban upper-cased as typed") << "iban" << "it60x0542811101000000123456"
                                               << "IT60X0542811101000000123456" << kIbanValid;
    QTest::newRow("iban refuses no character") << "iban" << "it60x05428111010000001234.6"
                                               << "IT60X05428111010000001234.6" << kIbanWrong;
    QTest::newRow("iban stops at 27") << "iban" << "IT60X0542811101000000123456789" << "IT60X0542811101000000123456"
                                      << kIbanValid;
}

void TestCheckDialogs::typing()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, message);

    const Seen seen = play(field, {}, [&](QDialog *d, QLineEdit *box, const MessageRecorder &recorder) {
        TestSupport::typeInto(box, typed);
        pressControlla(d, box, recorder);
    });
    QCOMPARE(seen.shown, shown);
    QCOMPARE(seen.messages.size(), 1);
    QCOMPARE(seen.messages.first().text, message);
}

void TestCheckDialogs::enterOnlyMovesToControlla_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("fiscal code") << "fiscal" << "RSSMRA45C12F205C" << kFiscalValid;
    QTest::newRow("vat number") << "vat" << "00743110158" << kVatWrong;
    QTest::newRow("card") << "card" << "4111111111111112" << kCardWrong;
    QTest::newRow("iban") << "iban" << "IT60X0542811101000000123456" << kIbanValid;
}

void TestCheckDialogs::enterOnlyMovesToControlla()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);

    const Seen seen = play(field, text, [&](QDialog *d, QLineEdit *box, const MessageRecorder &recorder) {
        QCOMPARE(d->focusWidget(), box);  // the box has the focus on opening
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(d->focusWidget()->objectName(), u"btnControlla"_s);
        QVERIFY(recorder.isEmpty());
        QVERIFY(d->isVisible());
        // The check runs only when the button itself takes the Enter.
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(seen.messages.size(), 1);
    QCOMPARE(seen.messages.first().text, message);
    QVERIFY(!seen.stillOpen);
}

void TestCheckDialogs::chiudiClosesWithoutAWord()
{
    const Seen seen = play(u"fiscal"_s, u"FOXDRA26C24H872A"_s, [](QDialog *d, QLineEdit *, const MessageRecorder &) {
        TestSupport::click(d, u"btnChiudi"_s);
    });
    QVERIFY(seen.messages.isEmpty());
    QVERIFY(!seen.stillOpen);
    QCOMPARE(seen.result, int(QDialog::Rejected));
}

QTEST_MAIN(TestCheckDialogs)
#include "tst_check_dialogs.moc"
