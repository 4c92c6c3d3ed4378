// A copy of the program killed at any moment of a run of saves: the archive
// keeps every earlier card as it was, holds only whole cards (or a torn tail
// the count ignores), and the next save writes over such a tail.
#include "TestSupport.h"
#include "WorkerArchive.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

using namespace WorkerArchive;

namespace {

bool runWorker(QProcess &p, Kind kind, const QString &folder, int count, const QString &tag)
{
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QStringLiteral(VT_SAVE_WORKER), {argument(kind), folder, QString::number(count), tag});
    return p.waitForStarted();
}

} // namespace

class TestCrashSafety : public QObject
{
    Q_OBJECT
private slots:
    void killedWhileSaving_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("register") << Kind::Register;
        QTest::newRow("customers") << Kind::Customer;
        QTest::newRow("receipts") << Kind::Receipt;
    }

    void killedWhileSaving()
    {
        QFETCH(Kind, kind);
        TempDataDir dir;
        const int size = recordSize(kind);
        const QString archive = dir.file(fileName(kind));
        QRandomGenerator random(20250615);

        QByteArray kept;  // every whole card saved so far, byte for byte
        for (int round = 0; round < 8; ++round) {
            QProcess worker;
            QVERIFY(runWorker(worker, kind, dir.path(), 0, QStringLiteral("GIRO%1").arg(round)));
            // Let it save at least once, then kill it somewhere in a save.
            QVERIFY(worker.waitForReadyRead(20000));
            QTest::qWait(int(random.bounded(5, 120)));
            worker.kill();
            QVERIFY(worker.waitForFinished(10000));

            const QByteArray bytes = dir.readBytes(fileName(kind));
            const qsizetype whole = bytes.size() / size * size;
            QVERIFY2(bytes.left(kept.size()) == kept, "an earlier card changed");
            QVERIFY(whole > kept.size());
            for (qsizetype at = kept.size(); at < whole; at += size)
                QVERIFY2(!card(kind, bytes.constData() + at).first.isEmpty(), "a record is not a whole card");
            kept = bytes.left(whole);
        }

        // A torn tail, as a power cut in the middle of a write leaves it.
        {
            QFile file(archive);
            QVERIFY(file.open(QIODevice::Append));
            file.write(kept.right(size).left(size / 3));
        }
        QProcess last;
        QVERIFY(runWorker(last, kind, dir.path(), 1, QStringLiteral("ULTIMA")));
        QVERIFY(last.waitForFinished(20000));
        QCOMPARE(last.exitCode(), 0);
        const QByteArray bytes = dir.readBytes(fileName(kind));
        QCOMPARE(bytes.size(), kept.size() + size);
        QVERIFY2(bytes.left(kept.size()) == kept, "an earlier card changed");
        QCOMPARE(card(kind, bytes.constData() + kept.size()), qMakePair(QStringLiteral("ULTIMA"), 0));

        // No card twice.
        QSet<QPair<QString, int>> cards;
        for (qsizetype at = 0; at < bytes.size(); at += size)
            cards.insert(card(kind, bytes.constData() + at));
        QCOMPARE(cards.size(), bytes.size() / size);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crash_safety.moc"
