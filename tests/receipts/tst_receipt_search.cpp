#include "ReceiptFixtures.h"
#include "TestSupport.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "receipts/ReceiptSearch.h"
#include "receipts/ReceiptSearchLine.h"
#include "receipts/ReceiptWindow.h"
#include "receipts/ReceiptsModule.h"
#include "resultlist/ResultList.h"

#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <memory>

namespace {

const QString kArchive = QStringLiteral("2025.ric");

// A receipt window on an archive of the given receipts.
struct Fixture
{
    TempDataDir dir;
    MessageRecorder messages;
    std::unique_ptr<TfrmRicevute> receipts;

    explicit Fixture(const QList<ReceiptRecord> &records)
    {
        dir.writeBytes(kArchive, ReceiptFixtures::archive(records));
        receipts = std::make_unique<TfrmRicevute>();
        AppWindows::add(receipts.get());
        TestSupport::setText(receipts.get(), QStringLiteral("lblFile"), dir.file(kArchive));
        receipts->show();
    }
    ~Fixture() { AppWindows::clear(); }
};

// Fills the criteria, searches and returns the listed lines.
QStringList search(TfrmTrovaRicevute &dialog, const QList<QPair<QString, QString>> &criteria)
{
    for (const auto &[field, text] : criteria)
        TestSupport::setText(&dialog, field, text);
    TestSupport::click(&dialog, QStringLiteral("btnCerca"));
    return dialog.list()->lines();
}

QString lineOf(const ReceiptRecord &r)
{
    return ReceiptSearchLine::format().build(ReceiptRecordLayout::encode(r).constData());
}

} // namespace

class TestReceiptSearch : public QObject
{
    Q_OBJECT
private slots:
    void lineLayout();
    void criteriaSelectReceipts_data();
    void criteriaSelectReceipts();
    void emptyArchiveListsNothing();
    void equalLinesLoadTheirOwnReceipts();
    void otherTokenLoadsNothing();
    void openedFromReceiptWindow();
    void longestLineReadsToItsTotal();
};

void TestReceiptSearch::lineLayout()
{
    ReceiptRecord r = ReceiptFixtures::receipt(QStringLiteral("1234567890123"), QStringLiteral("ROSSI MARIO"));
    r.CodFiscCliente = QStringLiteral("RSSMRA70A01F205X");
    r.Acconti = QStringLiteral("123456,50");
    r.Tassa = QStringLiteral("2,00");
    r.TotCorrispettivi = QStringLiteral("1234567,25");
    r.Totale = QStringLiteral("999,00");
    QCOMPARE(lineOf(r), QStringLiteral("Ric. n. 123456789012  Data: 10/03/2025  ROSSI MARIO                   "
                                       "  C.F. RSSMRA70A01F205X  Acconti: € 123456,5  Bollo: 2,00    "
                                       "  Totale: € 1234567,25"));
}

void TestReceiptSearch::criteriaSelectReceipts_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field2");
    QTest::addColumn<QString>("typed2");
    QTest::addColumn<QStringList>("customers");  // listed, in list order

    const QStringList all = {u"AMBROSIO LUCA"_qs, u"CARROSI ANNA"_qs, u"RIZZO PIA"_qs, u"ROSSI MARIO"_qs};
    QTest::newRow("no criteria") << "txtCliente" << "" << "txtNote" << "   " << all;
    QTest::newRow("ros anywhere, any case")
        << "txtCliente" << "ros" << "txtNote" << "" << QStringList{u"AMBROSIO LUCA"_qs, u"CARROSI ANNA"_qs, u"ROSSI MARIO"_qs};
    QTest::newRow("both must match") << "txtCliente" << "ros" << "txtCittaCliente" << "torino"
                                     << QStringList{u"CARROSI ANNA"_qs};
    QTest::newRow("one fails") << "txtCliente" << "rossi" << "txtCittaCliente" << "torino" << QStringList{};
    // Blanks around a word are part of the key.
    QTest::newRow("blanks kept") << "txtCliente" << " anna" << "txtNote" << "" << QStringList{u"CARROSI ANNA"_qs};
}

void TestReceiptSearch::criteriaSelectReceipts()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, field2);
    QFETCH(QString, typed2);
    QFETCH(QStringList, customers);
    ReceiptRecord carrosi = ReceiptFixtures::receipt(QStringLiteral("2"), QStringLiteral("CARROSI ANNA"));
    carrosi.CittaCliente = QStringLiteral("Torino");
    ReceiptRecord rizzo = ReceiptFixtures::receipt(QStringLiteral("3"), QStringLiteral("RIZZO PIA"));
    rizzo.CittaCliente = QStringLiteral("Torino");
    Fixture f({ReceiptFixtures::receipt(QStringLiteral("4"), QStringLiteral("ROSSI MARIO")), carrosi, rizzo,
               ReceiptFixtures::receipt(QStringLiteral("1"), QStringLiteral("AMBROSIO LUCA"))});
    TfrmTrovaRicevute dialog(f.receipts.get());
    dialog.show();

    const QStringList lines = search(dialog, {{field, typed}, {field2, typed2}});
    QStringList listed;
    for (const QString &line : lines)
        listed.append(line.mid(38, 30).trimmed());
    // Lines sort by receipt number, numbered here in the customers' order.
    QCOMPARE(listed, customers);
    QCOMPARE(TestSupport::text(&dialog, QStringLiteral("lblTrovate")),
             QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(customers.size()));
}

void TestReceiptSearch::emptyArchiveListsNothing()
{
    Fixture f({});
    TfrmTrovaRicevute dialog(f.receipts.get());
    dialog.show();
    QCOMPARE(search(dialog, {}), QStringList());
    QCOMPARE(TestSupport::text(&dialog, QStringLiteral("lblTrovate")),
             QStringLiteral("Il presente riepilogo contiene 0 schede."));
    QVERIFY(f.messages.isEmpty());
}

void TestReceiptSearch::equalLinesLoadTheirOwnReceipts()
{
    ReceiptRecord first = ReceiptFixtures::receipt(QStringLiteral("7"), QStringLiteral("VERDI"));
    first.Note = QStringLiteral("prima");
    ReceiptRecord twin = first;
    twin.Note = QStringLiteral("seconda");  // notes are not on the line
    twin.Saldata = QStringLiteral("Sì");
    Fixture f({first, ReceiptFixtures::receipt(QStringLiteral("8"), QStringLiteral("NERI")), twin});
    TfrmTrovaRicevute dialog(f.receipts.get());
    Controls::setToken(&dialog, QStringLiteral("ricevute"));
    dialog.show();

    const QStringList lines = search(dialog, {{QStringLiteral("txtCliente"), QStringLiteral("verdi")}});
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], lines[1]);
    dialog.list()->setSelectedIndex(1);
    dialog.lstRecordsDblClick();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(TestSupport::text(f.receipts.get(), QStringLiteral("lblPosizione")), QStringLiteral("3"));
    QCOMPARE(TestSupport::text(f.receipts.get(), QStringLiteral("txtNote")), QStringLiteral("seconda"));
    QCOMPARE(TestSupport::text(f.receipts.get(), QStringLiteral("chkSaldata")), QStringLiteral("Sì"));
}

void TestReceiptSearch::otherTokenLoadsNothing()
{
    Fixture f({ReceiptFixtures::receipt(QStringLiteral("1"), QStringLiteral("VERDI"))});
    TfrmTrovaRicevute dialog(f.receipts.get());
    Controls::setToken(&dialog, QStringLiteral("registro"));
    dialog.show();
    search(dialog, {});
    dialog.list()->setSelectedIndex(0);
    dialog.lstRecordsDblClick();
    QCOMPARE(TestSupport::text(f.receipts.get(), QStringLiteral("txtCliente")), QString());
    QCOMPARE(TestSupport::text(f.receipts.get(), QStringLiteral("lblPosizione")), QString());
}

// The search button of the receipt window, through the dialog registry.
void TestReceiptSearch::openedFromReceiptWindow()
{
    ReceiptsModule::registerDialogs();
    Fixture f({ReceiptFixtures::receipt(QStringLiteral("1"), QStringLiteral("BIANCHI")),
               ReceiptFixtures::receipt(QStringLiteral("2"), QStringLiteral("ROSSINI"))});
    ModalScript modal;
    modal.then([](QDialog *d) {
        auto *dialog = qobject_cast<TfrmTrovaRicevute *>(d);
        d->show();
        const QStringList lines = search(*dialog, {{QStringLiteral("txtCliente"), QStringLiteral("ROS")}});
        if (lines.size() != 1)
            return -1;
        dialog->list()->setSelectedIndex(0);
        dialog->lstRecordsDblClick();
        return dialog->result();
    });
    TestSupport::click(f.receipts.get(), QStringLiteral("cmdTrova"));
    QCOMPARE(modal.seen(), QStringList{QStringLiteral("TfrmTrovaRicevute")});
    QCOMPARE(TestSupport::text(f.receipts.get(), QStringLiteral("txtCliente")), QStringLiteral("ROSSINI"));
    QCOMPARE(TestSupport::text(f.receipts.get(), QStringLiteral("lblPosizione")), QStringLiteral("2"));
}

// The 1280-wide dialog scrolls its longest line into view down to the total.
void TestReceiptSearch::longestLineReadsToItsTotal()
{
    ReceiptRecord wide = ReceiptFixtures::receipt(QStringLiteral("123456789012"),
                                                  QStringLiteral("Commerciale Gioielleria Esempio Srl"));
    wide.CodFiscCliente = QStringLiteral("RSSMRA80A01H501U");
    wide.Acconti = QStringLiteral("12345,67");
    wide.Tassa = QStringLiteral("12345,67");
    wide.TotCorrispettivi = QStringLiteral("9999999,99");
    Fixture f({wide, ReceiptFixtures::receipt(QStringLiteral("2"), QStringLiteral("NERI"))});
    TfrmTrovaRicevute dialog(f.receipts.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList lines = search(dialog, {});
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.first().endsWith(QStringLiteral("Totale: € 9999999,99")));
    for (int row = 0; row < lines.size(); ++row)
        QCOMPARE(TestSupport::hiddenLineTail(dialog.list()->view(), row), 0);
}

QTEST_MAIN(TestReceiptSearch)
#include "tst_receipt_search.moc"
