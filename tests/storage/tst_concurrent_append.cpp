#include "storage/RecordFile.h"
#include "TestSupport.h"

#include <QSet>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

// Two copies of the program appending to one archive must never write the
// same position.
class TestConcurrentAppend : public QObject
{
    Q_OBJECT
private slots:
    void twoProcessesLoseNothing()
    {
        TempDataDir dir;
        const QString path = dir.file(QStringLiteral("Registro_Operazioni.vtr"));
        constexpr int kEach = 1000;
        constexpr int kSize = 64;
        auto appendAll = [&](char who) {
            for (int i = 0; i < kEach; ++i) {
                QByteArray rec(kSize, who);
                rec.replace(1, 8, QByteArray::number(i).rightJustified(8, '0'));
                RecordFile file(path, kSize);
                file.append(rec);
                file.close();
            }
        };
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            try {
                appendAll('B');
            } catch (...) {
                _exit(1);
            }
            _exit(0);
        }
        appendAll('A');
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);

        RecordFile file(path, kSize);
        QCOMPARE(file.count(), 2 * kEach);
        QSet<QByteArray> seen;
        file.scan([&](const char *rec, int) {
            const QByteArray r(rec, kSize);
            if (r.count(r[0]) == kSize - 8 && (r[0] == 'A' || r[0] == 'B'))
                seen.insert(r);
            return true;
        });
        QCOMPARE(seen.size(), 2 * kEach);
    }
};

QTEST_GUILESS_MAIN(TestConcurrentAppend)
#include "tst_concurrent_append.moc"
