// Two copies of the program saving new cards into one archive at the same
// moment, each through its real window: every card lands, whole, once, and
// no two cards or receipts share a number.
#include "TestSupport.h"
#include "WorkerArchive.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTest>

using namespace WorkerArchive;

class TestTwoWorkstations : public QObject
{
    Q_OBJECT
private slots:
    void bothSavesLand_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("each");
        // The register also writes two photos per card, so it saves fewer.
        QTest::newRow("register") << Kind::Register << 300;
        QTest::newRow("customers") << Kind::Customer << 1000;
        QTest::newRow("receipts") << Kind::Receipt << 1000;
    }

    void bothSavesLand()
    {
        QFETCH(Kind, kind);
        QFETCH(int, each);
        TempDataDir dir;
        QProcess a, b;
        for (auto [process, tag] : {std::pair{&a, "PRIMA"}, std::pair{&b, "SECONDA"}}) {
            process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            process->start(QStringLiteral(VT_SAVE_WORKER),
                           {argument(kind), dir.path(), QString::number(each), QLatin1StringView(tag)});
        }
        for (QProcess *p : {&a, &b}) {
            QVERIFY(p->waitForFinished(110000));
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QCOMPARE(p->exitCode(), 0);
        }

        const QByteArray bytes = dir.readBytes(fileName(kind));
        const int size = recordSize(kind);
        QCOMPARE(bytes.size(), qsizetype(2 * each) * size);
        QSet<QPair<QString, int>> cards;
        QSet<QString> numbers;
        for (qsizetype at = 0; at < bytes.size(); at += size) {
            const auto c = card(kind, bytes.constData() + at);
            QVERIFY2(!c.first.isEmpty(), qPrintable(QStringLiteral("record %1 is not a whole card").arg(at / size + 1)));
            cards.insert(c);
            const QString n = number(kind, bytes.constData() + at);
            QVERIFY2(kind == Kind::Customer || (!n.isEmpty() && !numbers.contains(n)),
                     qPrintable(QStringLiteral("record %1 repeats number %2").arg(at / size + 1).arg(n)));
            numbers.insert(n);
        }
        QCOMPARE(cards.size(), 2 * each);
        for (const char *tag : {"PRIMA", "SECONDA"})
            for (int i = 0; i < each; ++i)
                QVERIFY(cards.contains({QLatin1StringView(tag), i}));
    }
};

QTEST_GUILESS_MAIN(TestTwoWorkstations)
#include "tst_two_workstations.moc"
