#include "Archives.h"
#include "ui/AppWindows.h"
#include "ui/RecordWindow.h"
#include "receipts/ReceiptRecord.h"
#include "resultlist/ResultList.h"
#include "summaries/UnpaidReceipts.h"
#include "ReceiptFixture.h"
#include "TestSupport.h"

#include <QLabel>
#include <QListView>
#include <QTest>

// Stands in for the receipt window: its archive label and the slot a
// double-click loads a receipt through.
class ReceiptWindowStandIn : public QWidget, public RecordWindow
{
    Q_OBJECT
public:
    explicit ReceiptWindowStandIn(const QString &archive)
    {
        setObjectName(QStringLiteral("TfrmRicevute"));
        auto *file = new QLabel(archive + u' ', this);
        file->setObjectName(QStringLiteral("lblFile"));
        AppWindows::add(this);
    }
    ~ReceiptWindowStandIn() override { AppWindows::clear(); }
    QList<int> loaded;
    void loadRecord(int index) override { loaded.append(index); }
};

class TestUnpaid : public QObject
{
    Q_OBJECT
private slots:
    void onlyNoIsListed_data();
    void onlyNoIsListed();
    void equalLinesOpenTheirOwnReceipts();
    void doubleClickWithoutSelectionLoadsNothing();
    void linesReadToTheirEnd();
    void instructionsAboveTheFindField();
};

namespace {
void writeReceipts(const QString &path, const QList<QPair<QString, QString>> &numberAndPaid)
{
    QList<ReceiptRecord> records;
    for (const auto &[number, paid] : numberAndPaid) {
        ReceiptRecord r;
        r.NumRic = number;
        r.Data = QStringLiteral("10/05/2024");
        r.Cliente = QStringLiteral("Rossi Mario");
        r.TotCorrispettivi = QStringLiteral("250,00");
        r.Saldata = paid;
        records.append(r);
    }
    QVERIFY(Archives::write(path, records));
}
} // namespace

void TestUnpaid::onlyNoIsListed_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("listed");
    QTest::newRow("No") << u"No"_qs << true;
    QTest::newRow("Sì") << u"Sì"_qs << false;
    QTest::newRow("blank") << QString() << false;
    QTest::newRow("lower case") << u"no"_qs << false;
    QTest::newRow("other") << u"X"_qs << false;
}

void TestUnpaid::onlyNoIsListed()
{
    QFETCH(QString, flag);
    QFETCH(bool, listed);
    TempDataDir dir;
    const QString archive = dir.file(u"2024.ric"_qs);
    writeReceipts(archive, {{u"1"_qs, u"No"_qs}, {u"2"_qs, flag}, {u"3"_qs, u"No"_qs}});
    ReceiptWindowStandIn receipts(archive);
    TfrmSospese unpaid(&receipts);
    const QStringList lines = unpaid.findChild<ResultList *>()->lines();
    QCOMPARE(lines.size(), listed ? 3 : 2);
    QVERIFY(lines.first().startsWith(u"Ric. n. 1 "_qs));  // file order, not sorted
    QVERIFY(lines.last().startsWith(u"Ric. n. 3 "_qs));
}

void TestUnpaid::equalLinesOpenTheirOwnReceipts()
{
    TempDataDir dir;
    const QString archive = dir.file(u"2024.ric"_qs);
    // The third receipt is paid and the fifth unpaid; both lines equal the first one's.
    writeReceipts(archive, {{u"7"_qs, u"No"_qs}, {u"8"_qs, u"No"_qs}, {u"7"_qs, u"Sì"_qs}, {u"9"_qs, u"Sì"_qs},
                            {u"7"_qs, u"No"_qs}});
    ReceiptWindowStandIn receipts(archive);
    for (int row : {0, 2}) {
        TfrmSospese unpaid(&receipts);
        auto *list = unpaid.findChild<ResultList *>();
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->lines()[row], list->lines()[0]);
        list->setSelectedIndex(row);
        unpaid.lstRecordsDblClick();
        QCOMPARE(unpaid.result(), int(QDialog::Accepted));
        QCOMPARE(list->count(), 0);  // closing empties the list
    }
    QCOMPARE(receipts.loaded, (QList<int>{0, 4}));
}

void TestUnpaid::doubleClickWithoutSelectionLoadsNothing()
{
    TempDataDir dir;
    const QString archive = dir.file(u"2024.ric"_qs);
    writeReceipts(archive, {{u"1"_qs, u"No"_qs}});
    ReceiptWindowStandIn receipts(archive);
    TfrmSospese unpaid(&receipts);
    unpaid.findChild<ResultList *>()->setSelectedIndex(-1);
    unpaid.lstRecordsDblClick();
    QVERIFY(receipts.loaded.isEmpty());
}

// The longest receipt line fits neither the 1280-wide dialog nor 1400
// pixels: scrolled to the right, its total still shows to the last digit.
void TestUnpaid::linesReadToTheirEnd()
{
    TempDataDir dir;
    const QString archive = dir.file(u"2024.ric"_qs);
    {
        ReceiptRecord r = widestReceipt();
        r.Saldata = u"No"_qs;
        ReceiptRecord second = r;
        second.NumRic = u"2"_qs;
        second.TotCorrispettivi = u"5,00"_qs;
        QVERIFY(Archives::write(archive, QList{r, second}));
    }
    ReceiptWindowStandIn receipts(archive);
    TfrmSospese unpaid(&receipts);
    unpaid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&unpaid));
    QCOMPARE(unpaid.width(), 1280);
    auto *list = unpaid.findChild<ResultList *>();
    QVERIFY(list->lines().first().endsWith(u"Totale: € 9999999,99"_qs));
    for (int row = 0; row < list->count(); ++row)
        QCOMPARE(TestSupport::hiddenLineTail(list->view(), row), 0);
}

void TestUnpaid::instructionsAboveTheFindField()
{
    TempDataDir dir;
    ReceiptWindowStandIn receipts(dir.file(u"2024.ric"_qs));
    TfrmSospese unpaid(&receipts);
    unpaid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&unpaid));
    int previousBottom = -1;
    for (const char *name : {"lblRigo01", "lblRigo02", "lblRigo03", "txtTrova", "lstRecords"}) {
        auto *w = unpaid.findChild<QWidget *>(QLatin1StringView(name));
        QVERIFY2(w && w->isVisible(), name);
        const QRect r(w->mapTo(&unpaid, QPoint(0, 0)), w->size());
        QVERIFY2(r.top() >= previousBottom, name);
        previousBottom = r.bottom();
    }
}

QTEST_MAIN(TestUnpaid)
#include "tst_unpaid.moc"
