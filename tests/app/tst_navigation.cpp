#include "Archives.h"
#include "ui/ArchiveNavigatorBinding.h"
#include "receipts/ReceiptRecord.h"
#include "storage/ArchiveTexts.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {
// The smallest archive window: two fields, the paid flag and the position.
struct ReceiptPane
{
    QWidget window;
    QLineEdit *number = new QLineEdit(&window);
    QLineEdit *date = new QLineEdit(&window);
    QCheckBox *paid = new QCheckBox(&window);
    QLabel *position = new QLabel(&window);
    ArchiveNavigator navigator;

    explicit ReceiptPane(const QString &path)
        : navigator(position, recordBinding<ReceiptRecord>(&window, [path] { return path; }))
    {
        number->setObjectName(QStringLiteral("txtNumRic"));
        date->setObjectName(QStringLiteral("txtData"));
        paid->setObjectName(QStringLiteral("chkSaldata"));
        position->setObjectName(QStringLiteral("lblPosizione"));
    }
    void storeNew(const QString &n)
    {
        position->clear();
        number->setText(n);
        QVERIFY(navigator.store());
    }
};

QString empty() { return ArchiveTexts::emptyArchive(); }
} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void emptyOrMissingArchive()
    {
        TempDataDir dir;
        const QString path = dir.file(QStringLiteral("2025.ric"));
        ReceiptPane pane(path);
        MessageRecorder messages;
        QVERIFY(!pane.navigator.first());
        QVERIFY(QFile::exists(path));
        QVERIFY(!pane.navigator.last());
        pane.position->setText(QStringLiteral("3"));
        QVERIFY(!pane.navigator.previous());
        QCOMPARE(pane.position->text(), QStringLiteral("3"));
        QVERIFY(!pane.navigator.next());
        QCOMPARE(pane.position->text(), QString());
        QCOMPARE(messages.texts(), QStringList({empty(), empty(), empty(), empty()}));
        QCOMPARE(messages.last().kind, MessageKind::Information);
    }

    void movesAndEnds()
    {
        TempDataDir dir;
        ReceiptPane pane(dir.file(QStringLiteral("2025.ric")));
        pane.storeNew(QStringLiteral("1"));
        pane.storeNew(QStringLiteral("2"));
        pane.storeNew(QStringLiteral("3"));
        MessageRecorder messages;

        pane.position->clear();  // a new card: Next and Previous both show the first
        QVERIFY(pane.navigator.next());
        QCOMPARE(pane.number->text(), QStringLiteral("1"));
        pane.position->clear();
        QVERIFY(pane.navigator.previous());
        QCOMPARE(pane.position->text(), QStringLiteral("1"));

        QVERIFY(!pane.navigator.previous());  // first card: nothing, no message
        QVERIFY(pane.navigator.last());
        QCOMPARE(pane.number->text(), QStringLiteral("3"));
        QVERIFY(!pane.navigator.next());       // last card: nothing, no message
        QVERIFY(pane.navigator.previous());
        QCOMPARE(pane.position->text(), QStringLiteral("2"));
        QVERIFY(messages.isEmpty());
    }

    void storeOverwritesOrAppends()
    {
        TempDataDir dir;
        const QString name = QStringLiteral("2025.ric");
        ReceiptPane pane(dir.file(name));
        pane.storeNew(QStringLiteral("1"));
        QCOMPARE(pane.position->text(), QStringLiteral("1"));
        pane.number->setText(QStringLiteral("1 bis"));
        pane.paid->setChecked(true);
        QVERIFY(pane.navigator.store());
        const QByteArray bytes = dir.readBytes(name);
        QCOMPARE(bytes.size(), 3077);
        QCOMPARE(ReceiptRecordLayout::decode(bytes).NumRic, QStringLiteral("1 bis"));
        QCOMPARE(bytes.mid(3074, 3), QByteArray("\x02S\xEC"));
    }

    // Only "Sì" ticks: a flag of any other content never keeps the tick of
    // the record shown before (it would be stored again as paid).
    void flagOtherThanYesUnticks_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("Sì") << QStringLiteral("Sì") << true;
        QTest::newRow("No") << QStringLiteral("No") << false;
        QTest::newRow("X") << QStringLiteral("X") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("Si without accent") << QStringLiteral("Si") << false;
    }

    void flagOtherThanYesUnticks()
    {
        QFETCH(QString, stored);
        QFETCH(bool, ticked);
        TempDataDir dir;
        ReceiptRecord r;
        r.Saldata = stored;
        QVERIFY(Archives::writeReceipts(QStringLiteral("2025"), {r}));
        ReceiptPane pane(dir.file(QStringLiteral("2025.ric")));
        pane.paid->setChecked(true);
        QVERIFY(pane.navigator.first());
        QCOMPARE(pane.paid->isChecked(), ticked);
        QVERIFY(pane.navigator.store());
        QCOMPARE(ReceiptRecordLayout::decode(dir.readBytes(QStringLiteral("2025.ric"))).Saldata,
                 ticked ? QStringLiteral("Sì") : QStringLiteral("No"));
    }

    void failuresShowTheFixedMessageAndKeepTheScreen()
    {
        TempDataDir dir;
        ReceiptPane pane(dir.file(QStringLiteral("2025.ric")));
        pane.storeNew(QStringLiteral("1"));
        MessageRecorder messages;
        pane.position->setText(QStringLiteral("x"));
        pane.number->setText(QStringLiteral("typed"));
        QVERIFY(!pane.navigator.next());
        QVERIFY(!pane.navigator.store());
        QCOMPARE(pane.number->text(), QStringLiteral("typed"));
        QCOMPARE(messages.texts(), QStringList({ArchiveTexts::ioFailure(), ArchiveTexts::ioFailure()}));
        QCOMPARE(messages.last().kind, MessageKind::Error);

        ReceiptPane broken(dir.path());  // the archive path is a folder
        QVERIFY(!broken.navigator.first());
        QCOMPARE(messages.entries().size(), 3);
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
