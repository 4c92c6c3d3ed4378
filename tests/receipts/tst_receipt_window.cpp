#include "ReceiptFixtures.h"
#include "TestSupport.h"
#include "ui/AppWindows.h"
#include "ui/CardChanges.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "receipts/ReceiptLines.h"
#include "receipts/ReceiptWindow.h"
#include "storage/ArchiveTexts.h"
#include "storage/DataFolder.h"
#include "storage/IniFile.h"
#include "storage/RecordFile.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>
#include <memory>

namespace {

const QString kArchive = QStringLiteral("2025.ric");

using TestSupport::Where;
QString text(QWidget *w, const char *name, Where at = Where::current())
{
    return TestSupport::text(w, QLatin1StringView(name), at);
}
void setText(QWidget *w, const char *name, const QString &t, Where at = Where::current())
{
    TestSupport::setText(w, QLatin1StringView(name), t, at);
}
void click(QWidget *w, const char *name, Where at = Where::current()) { TestSupport::click(w, QLatin1StringView(name), at); }

void setIni(const QString &section, const QString &key, const QString &value)
{
    IniFile::write(DataFolder::file(FileNames::settings()), section, key, value);
}
QString ini(const QString &section, const QString &key)
{
    return IniFile::read(DataFolder::file(FileNames::settings()), section, key);
}

// A fresh data folder and a receipt window on the year 2025's archive.
struct Fixture
{
    TempDataDir dir;
    MessageRecorder messages;
    std::unique_ptr<TfrmRicevute> window;

    explicit Fixture(const QByteArray &archive = {},
                     const QDateTime &now = QDateTime(QDate(2025, 6, 15), QTime(10, 30)))
        : dir(now)
    {
        if (!archive.isNull())
            dir.writeBytes(kArchive, archive);
        window = std::make_unique<TfrmRicevute>();
        AppWindows::add(window.get());
        setText(window.get(), "lblFile", dir.file(kArchive));
        setText(window.get(), "lblAnno", QStringLiteral("2025"));
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("receipt window not active");
    }
    ~Fixture() { AppWindows::clear(); }
    QWidget *w() const { return window.get(); }
    qint64 archiveSize() const { return QFileInfo(dir.file(kArchive)).size(); }
    QWidget *focus() const { return QApplication::focusWidget(); }
};

} // namespace

class TestReceiptWindow : public QObject
{
    Q_OBJECT
private slots:
    void newProposesNumberAndDate_data();
    void newProposesNumberAndDate();
    void newWithBadStartKeepsScreen();
    void saveTwiceAppendsOnce();
    void saveRefusesIncompleteReceipt_data();
    void saveRefusesIncompleteReceipt();
    void dateStoredInFullAndYearAsked_data();
    void dateStoredInFullAndYearAsked();
    void numberTakenMeanwhile();
    void numberTypedTwiceIsRefused();
    void pastedAddressBlockStaysOnOneLine();
    void emptyReceiptBytes();
    void saveAfterNavigationUpdatesInPlace();
    void closeKeepsIssuerOfBrowsedReceipt();
    void showRestoresIssuerAndClearsReceipt();
    void typingInAmountsBlanksTotals();
    void enterChain_data();
    void enterChain();
    void codesAndProvincesInCapitals_data();
    void codesAndProvincesInCapitals();
    void pagesTurnWithArrows();
    void buttonsOpenTheirWindows_data();
    void buttonsOpenTheirWindows();
    void deleteIssuerKeepsDuty();
    void hintsFollowTheMouse_data();
    void hintsFollowTheMouse();
    void unreachableArchiveIsReported();
};

void TestReceiptWindow::newProposesNumberAndDate_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("yearOption");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("number");

    const QDate june(2025, 6, 15);
    QTest::newRow("empty archive") << QString() << QString() << 0 << june << "1";
    QTest::newRow("three stored") << "1" << "No" << 3 << june << "4";
    QTest::newRow("start 100") << "100" << QString() << 3 << june << "103";
    // The year is today's, not the archive's.
    QTest::newRow("year option") << "1" << "Sì" << 3 << QDate(2026, 12, 9) << "4/2026";
}

void TestReceiptWindow::newProposesNumberAndDate()
{
    QFETCH(QString, start);
    QFETCH(QString, yearOption);
    QFETCH(int, stored);
    QFETCH(QDate, today);
    QStringList names;
    for (int i = 0; i < stored; ++i)
        names.append(QStringLiteral("CLIENTE %1").arg(i));
    Fixture f(ReceiptFixtures::archiveOf(names), QDateTime(today, QTime(9, 0)));
    setIni(QStringLiteral("Numerazione Ricevute"), QStringLiteral("Inizio"), start);
    setIni(QStringLiteral("Numerazione Ricevute"), QStringLiteral("Indicazione Anno Solare"), yearOption);
    setText(f.w(), "txtCliente", QStringLiteral("RESIDUO"));

    click(f.w(), "cmdNuovo");
    QTEST(text(f.w(), "txtNumRic"), "number");
    QCOMPARE(text(f.w(), "txtData"), today.toString(QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(text(f.w(), "txtCliente"), QString());
    QCOMPARE(f.focus()->objectName(), QStringLiteral("txtCliente"));
    // The receipt left over had changed: New asked before clearing it.
    QCOMPARE(f.messages.texts(), QStringList{CardChanges::question()});
}

void TestReceiptWindow::newWithBadStartKeepsScreen()
{
    Fixture f;
    setIni(QStringLiteral("Numerazione Ricevute"), QStringLiteral("Inizio"), QStringLiteral("dieci"));
    setText(f.w(), "txtCliente", QStringLiteral("BIANCHI"));
    click(f.w(), "cmdNuovo");
    QCOMPARE(f.messages.last().kind, MessageKind::Error);
    QCOMPARE(f.messages.last().text, ArchiveTexts::ioFailure());
    QCOMPARE(text(f.w(), "txtCliente"), QStringLiteral("BIANCHI"));
    QCOMPARE(text(f.w(), "txtNumRic"), QString());
}

void TestReceiptWindow::saveTwiceAppendsOnce()
{
    Fixture f;
    click(f.w(), "cmdNuovo");
    setText(f.w(), "txtCliente", QStringLiteral("ROSSI MARIO"));
    setText(f.w(), "txtPrezzo01", QStringLiteral("10,50"));
    click(f.w(), "cmdSalva");
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("La scheda corrente è stata inserita in archivio.")});
    QCOMPARE(text(f.w(), "lblPosizione"), QStringLiteral("1"));
    QCOMPARE(text(f.w(), "txtTotCorrispettivi"), QStringLiteral("10,50"));

    setText(f.w(), "txtPrezzo02", QStringLiteral("5"));
    click(f.w(), "cmdSalva");
    QCOMPARE(f.messages.last().text,
             QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    QCOMPARE(f.archiveSize(), qint64(ReceiptRecordLayout::size));
    const ReceiptRecord stored = ReceiptRecordLayout::decode(f.dir.readBytes(kArchive));
    QCOMPARE(stored.Prezzo02, QStringLiteral("5"));
    QCOMPARE(stored.TotCorrispettivi, QStringLiteral("15,50"));
}

void TestReceiptWindow::saveRefusesIncompleteReceipt_data()
{
    QTest::addColumn<QString>("customer");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("customer") << "  " << "1" << "15/06/2025"
        << "Attenzione: per salvare la scheda è necessario indicare il nome o la ragione sociale del Cliente." << "txtCliente";
    QTest::newRow("number") << "ROSSI" << " " << "15/06/2025"
        << "Attenzione: per salvare la scheda è necessario indicare il numero della ricevuta." << "txtNumRic";
    QTest::newRow("date") << "ROSSI" << "1" << ""
        << "Attenzione: per salvare la scheda è necessario indicare la data della ricevuta." << "txtData";
    QTest::newRow("no such day") << "ROSSI" << "1" << "31/04/2025"
        << "Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una "
           "data valida nel formato gg/mm/anno." << "txtData";
}

void TestReceiptWindow::saveRefusesIncompleteReceipt()
{
    Fixture f;
    QFETCH(QString, customer);
    QFETCH(QString, number);
    QFETCH(QString, date);
    setText(f.w(), "txtCliente", customer);
    setText(f.w(), "txtNumRic", number);
    setText(f.w(), "txtData", date);
    setText(f.w(), "txtPrezzo01", QStringLiteral("3"));
    click(f.w(), "cmdSalva");
    QCOMPARE(f.messages.entries().size(), 1);
    QCOMPARE(f.messages.last().kind, MessageKind::Warning);
    QTEST(f.messages.last().text, "message");
    QTEST(f.focus()->objectName(), "focus");
    QCOMPARE(f.archiveSize(), qint64(0));
    QCOMPARE(text(f.w(), "lblPosizione"), QString());
    // The totals ran before the checks.
    QCOMPARE(text(f.w(), "txtTotale"), QStringLiteral("3,00"));
}

void TestReceiptWindow::dateStoredInFullAndYearAsked_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");  // -1: no question expected; 0 No; 1 Yes
    QTest::addColumn<QString>("stored");  // empty: nothing stored
    QTest::newRow("one-digit day and month") << "5/3/2025" << -1 << "05/03/2025";
    QTest::newRow("two-digit year") << "5/3/25" << -1 << "05/03/2025";
    QTest::newRow("other year, kept") << "30/12/2024" << 1 << "30/12/2024";
    QTest::newRow("other year, cancelled") << "2/1/2026" << 0 << "";
}

void TestReceiptWindow::dateStoredInFullAndYearAsked()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QString, stored);
    Fixture f;
    click(f.w(), "cmdNuovo");
    setText(f.w(), "txtCliente", QStringLiteral("ROSSI MARIO"));
    auto *date = f.w()->findChild<QLineEdit *>(QStringLiteral("txtData"));
    date->clear();
    QTest::keyClicks(date, typed);
    if (answer >= 0)
        f.messages.answerNext(answer == 1);
    click(f.w(), "cmdSalva");
    const QString question = QStringLiteral("Attenzione: la data della ricevuta non appartiene all'anno dell'archivio "
                                            "aperto.\n\r\n\rSalvare comunque la ricevuta?");
    if (answer >= 0) {
        QCOMPARE(f.messages.entries().first().text, question);
        QCOMPARE(f.messages.entries().first().kind, MessageKind::Confirmation);
    } else {
        QVERIFY(!f.messages.texts().contains(question));
    }
    if (stored.isEmpty()) {
        QCOMPARE(f.messages.entries().size(), 1);
        QCOMPARE(f.archiveSize(), qint64(0));
        QCOMPARE(text(f.w(), "lblPosizione"), QString());
        return;
    }
    QCOMPARE(f.messages.last().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(text(f.w(), "txtData"), stored);
    QCOMPARE(ReceiptRecordLayout::decode(f.dir.readBytes(kArchive)).Data, stored);
}

// Another workstation saves a receipt between New and Save.
void TestReceiptWindow::numberTakenMeanwhile()
{
    Fixture f(ReceiptFixtures::archiveOf({QStringLiteral("VERDI")}));
    click(f.w(), "cmdNuovo");
    QCOMPARE(text(f.w(), "txtNumRic"), QStringLiteral("2"));
    {
        RecordFile file(f.dir.file(kArchive), ReceiptRecordLayout::size);
        file.append(ReceiptRecordLayout::encode(ReceiptFixtures::receipt(QStringLiteral("2"), QStringLiteral("NERI"))));
        file.close();
    }
    setText(f.w(), "txtCliente", QStringLiteral("ROSSI MARIO"));
    click(f.w(), "cmdSalva");
    QCOMPARE(f.messages.texts(),
             QStringList{QStringLiteral("La ricevuta corrente è stata inserita in archivio con il numero 3 (il numero "
                                        "proposto era stato appena usato da un'altra postazione).")});
    QCOMPARE(text(f.w(), "txtNumRic"), QStringLiteral("3"));
    QCOMPARE(text(f.w(), "lblPosizione"), QStringLiteral("3"));
    QCOMPARE(f.archiveSize(), qint64(3) * ReceiptRecordLayout::size);
    QCOMPARE(ReceiptRecordLayout::decode(f.dir.readBytes(kArchive).mid(2 * ReceiptRecordLayout::size)).NumRic,
             QStringLiteral("3"));
}

void TestReceiptWindow::numberTypedTwiceIsRefused()
{
    Fixture f(ReceiptFixtures::archiveOf({QStringLiteral("VERDI"), QStringLiteral("NERI")}));
    click(f.w(), "cmdNuovo");
    setText(f.w(), "txtNumRic", QStringLiteral(" 2"));
    setText(f.w(), "txtCliente", QStringLiteral("ROSSI MARIO"));
    click(f.w(), "cmdSalva");
    QCOMPARE(f.messages.texts(),
             QStringList{QStringLiteral("Attenzione: il numero indicato è già stato assegnato alla scheda in "
                                        "posizione 2.\n\r\n\rIndicare un numero diverso.")});
    QCOMPARE(f.messages.last().kind, MessageKind::Warning);
    QCOMPARE(f.focus()->objectName(), QStringLiteral("txtNumRic"));
    QCOMPARE(f.archiveSize(), qint64(2) * ReceiptRecordLayout::size);
    QCOMPARE(text(f.w(), "lblPosizione"), QString());
}

// An address block pasted into an issuer field once wrote a section of its
// own into the settings file.
void TestReceiptWindow::pastedAddressBlockStaysOnOneLine()
{
    Fixture f;
    QWidget menu;
    menu.setObjectName(AppWindows::mainMenu());
    AppWindows::add(&menu);
    auto *street = f.w()->findChild<QLineEdit *>(QStringLiteral("txtViaDitta"));
    street->setFocus();
    street->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("Via Roma 1\r\n[Accesso]\r\nPassword=x\tfine"));
    QTest::keyClick(street, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(street->text(), QStringLiteral("Via Roma 1[Accesso]Password=x fine"));
    // A province written by another window, as an import does.
    setText(f.w(), "txtProvDitta", QStringLiteral("M\nI"));
    QCOMPARE(text(f.w(), "txtProvDitta"), QStringLiteral("MI"));
    click(f.w(), "cmdEsci");
    const QByteArray settings = f.dir.readBytes(FileNames::settings());
    QVERIFY2(!settings.contains("\n[Accesso]"), settings.constData());
    QVERIFY(settings.contains("\r\nIndirizzo=Via Roma 1[Accesso]Password=x fine\r\n"));
    QCOMPARE(ini(QStringLiteral("Ditta Emittente"), QStringLiteral("Provincia")), QStringLiteral("MI"));
}

// Built by hand from the field offsets, not through the record codec.
void TestReceiptWindow::emptyReceiptBytes()
{
    Fixture f;
    click(f.w(), "cmdNuovo");
    setText(f.w(), "txtCliente", QStringLiteral("Bò"));
    setText(f.w(), "txtDesc05", QString(60, u'x'));
    click(f.w(), "cmdSalva");

    QByteArray expected(3077, '\0');
    const auto put = [&](int offset, const QByteArray &bytes) {
        expected[offset] = char(bytes.size());
        expected.replace(offset + 1, bytes.size(), bytes);
    };
    put(0, "1");
    put(31, "15/06/2025");
    put(385, "B\xF2");
    put(1020 + 56 * 4, QByteArray(55, 'x'));
    put(3030, "0,00");
    put(3041, "0,00");
    put(3052, "0,00");
    put(3063, "0,00");
    put(3074, "No");
    QCOMPARE(f.dir.readBytes(kArchive), expected);
}

void TestReceiptWindow::saveAfterNavigationUpdatesInPlace()
{
    ReceiptRecord paid = ReceiptFixtures::receipt(QStringLiteral("2"), QStringLiteral("VERDI"));
    paid.Saldata = QStringLiteral("Sì");
    paid.ProvCliente = QStringLiteral("XY");
    paid.Prezzo07 = QStringLiteral("12,3456");
    Fixture f(ReceiptFixtures::archive(
        {ReceiptFixtures::receipt(QStringLiteral("1"), QStringLiteral("ROSSI")), paid,
         ReceiptFixtures::receipt(QStringLiteral("3"), QStringLiteral("NERI"))}));

    click(f.w(), "cmdIndietro");  // a blank receipt goes to the first
    QCOMPARE(text(f.w(), "txtCliente"), QStringLiteral("ROSSI"));
    click(f.w(), "cmdIndietro");  // already the first: nothing
    click(f.w(), "cmdAvanti");
    QCOMPARE(text(f.w(), "lblPosizione"), QStringLiteral("2"));
    QCOMPARE(text(f.w(), "txtProvCliente"), QStringLiteral("XY"));
    QCOMPARE(text(f.w(), "txtPrezzo07"), QStringLiteral("12,3456"));
    QVERIFY(f.w()->findChild<QCheckBox *>(QStringLiteral("chkSaldata"))->isChecked());
    click(f.w(), "cmdUltimo");
    click(f.w(), "cmdAvanti");  // already the last: nothing
    QCOMPARE(text(f.w(), "txtCliente"), QStringLiteral("NERI"));
    QVERIFY(f.messages.isEmpty());

    f.window->loadReceipt(1);
    setText(f.w(), "txtNote", QStringLiteral("ritirata"));
    click(f.w(), "cmdSalva");
    QCOMPARE(f.archiveSize(), qint64(3 * ReceiptRecordLayout::size));
    const QByteArray bytes = f.dir.readBytes(kArchive);
    const ReceiptRecord second = ReceiptRecordLayout::decode(bytes.mid(ReceiptRecordLayout::size));
    QCOMPARE(second.Note, QStringLiteral("ritirata"));
    QCOMPARE(second.Saldata, QStringLiteral("Sì"));
    QCOMPARE(second.TotCorrispettivi, QStringLiteral("12,35"));
}

void TestReceiptWindow::closeKeepsIssuerOfBrowsedReceipt()
{
    ReceiptRecord old = ReceiptFixtures::receipt(QStringLiteral("1"), QStringLiteral("ROSSI"));
    old.Ditta = QStringLiteral("VECCHIA DITTA");
    old.ProvDitta = QStringLiteral("TO");
    old.Tassa = QStringLiteral("2,00");
    Fixture f(ReceiptFixtures::archive({old}));
    QWidget menu;
    menu.setObjectName(AppWindows::mainMenu());
    AppWindows::add(&menu);
    setIni(QStringLiteral("Ditta Emittente"), QStringLiteral("Nome"), QStringLiteral("DITTA ATTUALE"));
    f.window->hide();
    f.window->show();
    QCOMPARE(text(f.w(), "txtDitta"), QStringLiteral("DITTA ATTUALE"));

    click(f.w(), "cmdPrimo");
    click(f.w(), "cmdEsci");
    QVERIFY(!f.w()->isVisible());
    QVERIFY(menu.isVisible());
    QCOMPARE(ini(QStringLiteral("Ditta Emittente"), QStringLiteral("Nome")), QStringLiteral("VECCHIA DITTA"));
    QCOMPARE(ini(QStringLiteral("Ditta Emittente"), QStringLiteral("Provincia")), QStringLiteral("TO"));
    QCOMPARE(ini(QStringLiteral("Ditta Emittente"), QStringLiteral("Tassa")), QStringLiteral("2,00"));
}

void TestReceiptWindow::showRestoresIssuerAndClearsReceipt()
{
    Fixture f;
    setIni(QStringLiteral("Ditta Emittente"), QStringLiteral("Provincia"), QStringLiteral("MI"));
    setIni(QStringLiteral("Ditta Emittente"), QStringLiteral("Tassa"), QStringLiteral("2,00"));
    setText(f.w(), "txtCliente", QStringLiteral("ROSSI"));
    setText(f.w(), "txtProvCliente", QStringLiteral("RM"));
    setText(f.w(), "txtDesc30", QStringLiteral("riga"));
    setText(f.w(), "txtAcconti", QStringLiteral("5,00"));
    setText(f.w(), "lblPosizione", QStringLiteral("4"));
    TestSupport::setText(f.w(), QStringLiteral("chkSaldata"), QStringLiteral("Sì"));
    f.w()->findChild<ReceiptLines *>()->showPage(2);

    f.window->hide();
    f.window->show();
    QCOMPARE(text(f.w(), "txtProvDitta"), QStringLiteral("MI"));
    QCOMPARE(text(f.w(), "txtTassa"), QStringLiteral("2,00"));
    QCOMPARE(text(f.w(), "txtCliente"), QString());
    QCOMPARE(text(f.w(), "txtProvCliente"), QString());
    QCOMPARE(text(f.w(), "txtDesc30"), QString());
    QCOMPARE(text(f.w(), "txtAcconti"), QStringLiteral("0,00"));
    QCOMPARE(text(f.w(), "lblPosizione"), QString());
    QCOMPARE(text(f.w(), "chkSaldata"), QStringLiteral("No"));
    QCOMPARE(f.w()->findChild<ReceiptLines *>()->currentPage(), 0);
}

void TestReceiptWindow::typingInAmountsBlanksTotals()
{
    Fixture f;
    setText(f.w(), "txtPrezzo03", QStringLiteral("10"));
    click(f.w(), "cmdCalcola");
    QCOMPARE(text(f.w(), "txtTotale"), QStringLiteral("10,00"));

    TestSupport::typeInto(Controls::child(f.w(), QStringLiteral("txtTassa")), QStringLiteral("1"));
    QCOMPARE(text(f.w(), "txtTotale"), QString());
    QCOMPARE(text(f.w(), "txtTotCorrispettivi"), QStringLiteral("10,00"));

    click(f.w(), "cmdCalcola");
    TestSupport::typeInto(Controls::child(f.w(), QStringLiteral("txtPrezzo03")), QStringLiteral("5"));
    QCOMPARE(text(f.w(), "txtTotale"), QString());
    QCOMPARE(text(f.w(), "txtTotCorrispettivi"), QString());
    // Enter from the stamp duty lands on CALCOLA, and Enter there computes.
    setText(f.w(), "txtPrezzo03", QStringLiteral("106"));
    setText(f.w(), "txtTassa", QStringLiteral("0,00"));
    QLineEdit *duty = f.w()->findChild<QLineEdit *>(QStringLiteral("txtTassa"));
    duty->setFocus();
    QTest::keyClick(duty, Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(text(f.w(), "txtTotale"), QStringLiteral("106,00"));

    // Letters, points and signs never reach an amount.
    const QString typed = text(f.w(), "txtPrezzo03");
    TestSupport::typeInto(Controls::child(f.w(), QStringLiteral("txtPrezzo03")), QStringLiteral("a.- "));
    QCOMPARE(text(f.w(), "txtPrezzo03"), typed);
}

void TestReceiptWindow::enterChain_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("issuer town to province") << "txtCittaDitta" << "txtProvDitta";
    QTest::newRow("issuer province to VAT") << "txtProvDitta" << "txtIvaDitta";
    QTest::newRow("issuer to customer") << "txtLibero02" << "txtCliente";
    QTest::newRow("bank to advances") << "txtBanca" << "txtAcconti";
    QTest::newRow("duty to compute") << "txtTassa" << "cmdCalcola";
    QTest::newRow("description to amount") << "txtDesc01" << "txtPrezzo01";
    QTest::newRow("amount to next line") << "txtPrezzo05" << "txtDesc06";
    QTest::newRow("line 10 to advances") << "txtPrezzo10" << "txtAcconti";
}

void TestReceiptWindow::enterChain()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    Fixture f;
    QWidget *start = Controls::child(f.w(), from);
    start->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QWidget *target = Controls::child(f.w(), to);
    QVERIFY(target->hasFocus() || (target->focusProxy() && target->focusProxy()->hasFocus()));
}

void TestReceiptWindow::codesAndProvincesInCapitals_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("issuer") << QStringLiteral("txtProvDitta");
    QTest::newRow("customer") << QStringLiteral("txtProvCliente");
}

// Keys typed into the combo box itself, as the user types them: capitals
// after every key, the focus rectangle while the box has the focus.
void TestReceiptWindow::codesAndProvincesInCapitals()
{
    QFETCH(QString, box);
    Fixture f;
    TestSupport::typeInto(Controls::child(f.w(), QStringLiteral("txtCodFiscCliente")), QStringLiteral(" rssmra"));
    QCOMPARE(text(f.w(), "txtCodFiscCliente"), QStringLiteral("RSSMRA"));

    auto *province = f.w()->findChild<QComboBox *>(box);
    auto *rectangle = f.w()->findChild<QWidget *>(u"eff" + box.mid(3));
    QVERIFY(province && rectangle);
    QVERIFY(!rectangle->isVisible());
    province->setFocus();
    QVERIFY(rectangle->isVisible());
    QVERIFY(rectangle->geometry().contains(province->geometry()));
    QTest::keyClick(province, 'm');
    QCOMPARE(province->currentText(), QStringLiteral("M"));
    QTest::keyClick(province, 'i');
    QCOMPARE(province->currentText(), QStringLiteral("MI"));
    QTest::keyClick(province, 'x');  // two characters at most
    QCOMPARE(province->currentText(), QStringLiteral("MI"));
    Controls::child(f.w(), QStringLiteral("txtNote"))->setFocus();
    QVERIFY(!rectangle->isVisible());
}

void TestReceiptWindow::pagesTurnWithArrows()
{
    Fixture f;
    auto *lines = f.w()->findChild<ReceiptLines *>();
    click(f.w(), "imgAvanti_A");
    QCOMPARE(lines->currentPage(), 1);
    QCOMPARE(f.focus()->objectName(), QStringLiteral("txtDesc11"));
    click(f.w(), "imgAvanti_B");
    QCOMPARE(lines->currentPage(), 2);
    QCOMPARE(f.focus()->objectName(), QStringLiteral("txtDesc21"));
    click(f.w(), "imgAvanti_C");
    QCOMPARE(lines->currentPage(), 2);
    click(f.w(), "imgIndietro_C");
    QCOMPARE(f.focus()->objectName(), QStringLiteral("txtDesc11"));
    click(f.w(), "imgIndietro_B");
    QCOMPARE(lines->currentPage(), 0);
    QCOMPARE(f.focus()->objectName(), QStringLiteral("txtDesc01"));
}

void TestReceiptWindow::buttonsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("memory");  // lblMemory, or lblAnno for the summaries
    QTest::newRow("customer import") << "cmdImporta" << "TfrmTrovaClienti" << "ricevute";
    QTest::newRow("line 17 import") << "impMag17" << "TfrmTrovaRegistro" << "ric_art_17";
    QTest::newRow("line 1 import") << "impMag01" << "TfrmTrovaRegistro" << "ric_art_01";
    QTest::newRow("search") << "cmdTrova" << "TfrmTrovaRicevute" << "ricevute";
    QTest::newRow("numbering") << "cmdNumerazione" << "TfrmNumerazione" << "ricevute";
    QTest::newRow("unpaid") << "cmdSospese" << "TfrmSospese" << "";
    QTest::newRow("month") << "cmdRiepMensile" << "TfrmRiepMensile" << "2025";
    QTest::newRow("quarter") << "cmdRiepTrimestrale" << "TfrmRiepTrimestrale" << "2025";
    QTest::newRow("year") << "cmdRiepAnnuale" << "TfrmRiepAnnuale" << "";
    QTest::newRow("export") << "cmdEsporta" << "TfrmExpRicevute" << "";
    QTest::newRow("print") << "cmdStampa" << "TfrmStampaRicevuta" << "";
    QTest::newRow("preview") << "cmdAnteprima" << "TfrmAnteprimaRicevuta" << "";
    QTest::newRow("pdf") << "cmdPDF" << "TfrmPDF_Ricevuta" << "";
    QTest::newRow("logo") << "btnLogo" << "TfrmLogo" << "";
    QTest::newRow("issuer VAT") << "btnIvaDitta" << "TfrmPartitaIva" << "";
    QTest::newRow("issuer code of digits") << "btnCodFiscDitta" << "TfrmPartitaIva" << "";
    QTest::newRow("customer code") << "btnCodFiscCliente" << "TfrmCodFisc" << "";
    QTest::newRow("help") << "cmdGuida" << "TfrmGuida" << "";
}

void TestReceiptWindow::buttonsOpenTheirWindows()
{
    QFETCH(QString, button);
    QFETCH(QString, dialog);
    QFETCH(QString, memory);
    Fixture f;
    // Stand-ins for the other areas' dialogs, with the labels they are handed.
    for (const char *name : {"TfrmTrovaClienti", "TfrmTrovaRegistro", "TfrmTrovaRicevute", "TfrmSospese",
                             "TfrmRiepMensile", "TfrmRiepTrimestrale", "TfrmRiepAnnuale", "TfrmExpRicevute",
                             "TfrmStampaRicevuta", "TfrmAnteprimaRicevuta", "TfrmPDF_Ricevuta", "TfrmLogo",
                             "TfrmPartitaIva", "TfrmCodFisc"}) {
        const QString className = QLatin1StringView(name);
        Dialogs::add(className, [className](QWidget *parent) {
            auto *d = new QDialog(parent);
            d->setObjectName(className);
            Controls::addMemoryLabel(d);
            auto *year = new QLabel(d);
            year->setObjectName(QStringLiteral("lblAnno"));
            for (const char *input : {"txtCodFisc", "txtPartitaIva"}) {
                auto *field = new QLineEdit(d);
                field->setObjectName(QLatin1StringView(input));
            }
            return d;
        });
    }
    setText(f.w(), "txtIvaDitta", QStringLiteral(" 01234567890 "));
    setText(f.w(), "txtCodFiscDitta", QStringLiteral("01234567890"));
    setText(f.w(), "txtCodFiscCliente", QStringLiteral("RSSMRA70A01F205X"));
    ModalScript modal;
    QString handed;
    QString input;
    modal.then([&](QDialog *d) {
        handed = dialog.startsWith(QStringLiteral("TfrmRiep")) ? TestSupport::text(d, QStringLiteral("lblAnno"))
                                                               : Controls::token(d);
        // Only the check stand-ins have input fields; the real numbering and
        // help windows have none to read.
        if (d->objectName() == u"TfrmPartitaIva" || d->objectName() == u"TfrmCodFisc")
            input = TestSupport::text(d, QStringLiteral("txtPartitaIva")) + TestSupport::text(d, QStringLiteral("txtCodFisc"));
        return int(QDialog::Rejected);
    });
    if (button == QStringLiteral("impMag17"))
        click(f.w(), "imgAvanti_A");
    click(f.w(), qPrintable(button));
    QCOMPARE(modal.seen(), QStringList{dialog});
    QCOMPARE(handed, memory);
    if (button == QStringLiteral("btnIvaDitta") || button == QStringLiteral("btnCodFiscDitta"))
        QCOMPARE(input, QStringLiteral("01234567890"));
    if (button == QStringLiteral("btnCodFiscCliente"))
        QCOMPARE(input, QStringLiteral("RSSMRA70A01F205X"));
}

void TestReceiptWindow::deleteIssuerKeepsDuty()
{
    Fixture f;
    for (const char *name : {"txtDitta", "txtViaDitta", "txtCapDitta", "txtCittaDitta", "txtProvDitta",
                             "txtIvaDitta", "txtCodFiscDitta", "txtLibero01", "txtLibero02"})
        setText(f.w(), name, QStringLiteral("X"));
    setText(f.w(), "txtTassa", QStringLiteral("2,00"));
    click(f.w(), "btnCancDitta");
    for (const char *name : {"txtDitta", "txtViaDitta", "txtCapDitta", "txtCittaDitta", "txtProvDitta",
                             "txtIvaDitta", "txtCodFiscDitta", "txtLibero01", "txtLibero02"})
        QCOMPARE(text(f.w(), name), QString());
    QCOMPARE(text(f.w(), "txtTassa"), QStringLiteral("2,00"));
    QCOMPARE(f.focus()->objectName(), QStringLiteral("txtDitta"));

    click(f.w(), "impOggi");
    QCOMPARE(text(f.w(), "txtData"), QStringLiteral("15/06/2025"));
}

void TestReceiptWindow::hintsFollowTheMouse_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    QTest::newRow("save") << "cmdSalva" << "Salva o aggiorna la ricevuta corrente.";
    QTest::newRow("quarter") << "cmdRiepTrimestrale" << "Visualizza il riepilogo trimestrale delle ricevute emesse.";
    QTest::newRow("compute") << "cmdCalcola" << "Calcola gli importi totali.";
    QTest::newRow("issuer delete") << "btnCancDitta" << "Cancella i dati della Ditta emittente.";
    QTest::newRow("customer code") << "btnCodFiscCliente" << "Controlla il codice fiscale.";
    QTest::newRow("today") << "impOggi" << "Inserisci la data corrente.";
    QTest::newRow("line import") << "impMag30" << "Importa i dati dal Registro Operazioni.";
    QTest::newRow("back arrow") << "imgIndietro_C" << "Visualizza i prodotti e servizi precedenti.";
    QTest::newRow("panel clears") << "panCliente" << "";
}

void TestReceiptWindow::hintsFollowTheMouse()
{
    QFETCH(QString, control);
    Fixture f;
    setText(f.w(), "panInfo", QStringLiteral("prima"));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(Controls::child(f.w(), control), &enter);
    QTEST(text(f.w(), "panInfo"), "hint");
}

void TestReceiptWindow::unreachableArchiveIsReported()
{
    Fixture f;
    setText(f.w(), "lblFile", f.dir.file(QStringLiteral("manca/2025.ric")));
    setText(f.w(), "txtCliente", QStringLiteral("ROSSI"));
    setText(f.w(), "txtNumRic", QStringLiteral("1"));
    setText(f.w(), "txtData", QStringLiteral("15/06/2025"));
    click(f.w(), "cmdSalva");
    QCOMPARE(f.messages.texts(), QStringList{ArchiveTexts::ioFailure()});
    QCOMPARE(text(f.w(), "lblPosizione"), QString());
    QCOMPARE(text(f.w(), "txtCliente"), QStringLiteral("ROSSI"));
    // An archive that cannot be made reads as an empty one: New starts over.
    // Not stored, the receipt is still a changed one: New asks before starting over.
    click(f.w(), "cmdNuovo");
    QCOMPARE(f.messages.texts(), (QStringList{ArchiveTexts::ioFailure(), CardChanges::question()}));
    QCOMPARE(text(f.w(), "txtNumRic"), QStringLiteral("1"));
    QCOMPARE(text(f.w(), "txtCliente"), QString());
}

QTEST_MAIN(TestReceiptWindow)
#include "tst_receipt_window.moc"
