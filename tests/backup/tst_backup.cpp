// Backups: the zip holds every file of the data folder byte for byte, a
// failing destination leaves nothing behind and says why, and the command
// line does the same for a scheduled job.
#include "TestSupport.h"
#include "backup/BackupSettings.h"
#include "backup/BackupWriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime kMoment(QDate(2026, 3, 9), QTime(18, 5));

void put(const QString &root, const QString &name, const QByteArray &bytes)
{
    const QString path = root + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray noise(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

// A shop's data folder: several years of receipts, photos, the logo,
// attachments and customer folders, an empty file and an empty folder.
void fillShop(const QString &root)
{
    put(root, QStringLiteral("Registro_Operazioni.vtr"), noise(3438 * 40, 1));
    put(root, QStringLiteral("Clienti.pro"), noise(4043 * 12, 2));
    put(root, QStringLiteral("2024.ric"), noise(3077 * 30, 3));
    put(root, QStringLiteral("2025.ric"), noise(3077 * 25, 4));
    put(root, QStringLiteral("2026.ric"), QByteArray());
    put(root, QStringLiteral("Valtrena.ini"), "[Numerazione Registro]\r\nNumero=41\r\n");
    put(root, QStringLiteral("unins000.dll"), "[Password]\r\nValore=xyz\r\n");
    put(root, QStringLiteral("Logo.bmp"), noise(5000, 5));
    put(root, QStringLiteral("Foto_A_1.jpg"), noise(300000, 6));
    put(root, QStringLiteral("Foto_B_1.jpg"), noise(280000, 7));
    put(root, QStringLiteral("Documenti_Allegati/Carta identità 7.pdf"), noise(20000, 8));
    put(root, QStringLiteral("Cliente_3/contratto.txt"), QByteArray(100000, 'a'));
    put(root, QStringLiteral("Cliente_3/scansioni/fronte.png"), noise(9000, 9));
    QVERIFY(QDir(root).mkpath(QStringLiteral("Cliente_4")));
}

QMap<QString, QByteArray> filesUnder(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            files.insert(QDir(root).relativeFilePath(path), f.readAll());
    }
    return files;
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QString unzipInto(const QString &zip, const QString &folder)
{
    const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    if (unzip.isEmpty())
        return QStringLiteral("unzip non installato");
    QProcess p;
    p.start(unzip, {QStringLiteral("-q"), zip, QStringLiteral("-d"), folder});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString::fromLocal8Bit(p.readAllStandardError() + p.readAllStandardOutput());
    return {};
}

struct Run
{
    int exitCode;
    QString out;
    QString err;
};

// The command as a scheduled job runs it; `limitBlocks` sets a file-size
// limit (512-byte blocks) that makes every write past it fail like a full disk.
Run archivio(const QStringList &args, int limitBlocks = 0)
{
    QProcess p;
    if (limitBlocks > 0)
        p.start(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"),
                                                       QStringLiteral("ulimit -f %1; exec \"$0\" \"$@\"").arg(limitBlocks),
                                                       QStringLiteral(VT_ARCHIVIO)} + args);
    else
        p.start(QStringLiteral(VT_ARCHIVIO), args);
    if (!p.waitForFinished(60000))
        return {-1, {}, {}};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT
private slots:
    void zipHoldsEveryFileByteForByte()
    {
        QTemporaryDir data, destination, restored;
        fillShop(data.path());
        const Backup::Result result = Backup::write(data.path(), destination.path(), kMoment);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(QFileInfo(result.zipPath).fileName(), QStringLiteral("Valtrena-backup-2026-03-09-1805.zip"));
        const auto source = filesUnder(data.path());
        QCOMPARE(result.files, int(source.size()));
        qint64 bytes = 0;
        for (const QByteArray &b : source)
            bytes += b.size();
        QCOMPARE(result.bytes, bytes);
        QCOMPARE(Backup::completionText(result),
                 QStringLiteral("Backup completato: 13 file (1,0 MB) in ") + QDir::toNativeSeparators(result.zipPath)
                     + QLatin1Char('.'));

        QCOMPARE(unzipInto(result.zipPath, restored.path()), QString());
        const auto copy = filesUnder(restored.path());
        QCOMPARE(copy.keys(), source.keys());
        for (auto it = source.cbegin(); it != source.cend(); ++it)
            QVERIFY2(copy.value(it.key()) == it.value(), qPrintable(it.key()));
        QVERIFY(QFileInfo(restored.filePath(QStringLiteral("Cliente_4"))).isDir());
    }

    void neverReplacesNorNestsEarlierBackups()
    {
        QTemporaryDir data;
        fillShop(data.path());
        // The destination inside the data folder, holding a file of the same name.
        const QString destination = data.filePath(QStringLiteral("Copie"));
        put(destination, Backup::fileName(kMoment), "not a zip, and not ours");
        put(data.path(), QStringLiteral("Valtrena-backup-2025-01-01-0900.zip"), "an older backup");

        const Backup::Result first = Backup::write(data.path(), destination, kMoment);
        QVERIFY2(first.ok, qPrintable(first.error));
        QCOMPARE(QFileInfo(first.zipPath).fileName(), QStringLiteral("Valtrena-backup-2026-03-09-1805-2.zip"));
        QFile kept(destination + QLatin1Char('/') + Backup::fileName(kMoment));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("not a zip, and not ours"));
        QCOMPARE(first.files, 13);  // neither the older backup nor the Copie folder

        QTemporaryDir restored;
        QCOMPARE(unzipInto(first.zipPath, restored.path()), QString());
        QVERIFY(!QFileInfo::exists(restored.filePath(QStringLiteral("Copie"))));
        QVERIFY(!QFileInfo::exists(restored.filePath(QStringLiteral("Valtrena-backup-2025-01-01-0900.zip"))));
    }

    void failingDestinationLeavesNothing_data()
    {
        QTest::addColumn<QString>("under");
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing folder") << QStringLiteral("manca") << QStringLiteral("non esiste");
        QTest::newRow("path under a regular file") << QStringLiteral("file.txt/dentro") << QStringLiteral("non esiste");
    }
    void failingDestinationLeavesNothing()
    {
        QFETCH(QString, under);
        QFETCH(QString, cause);
        QTemporaryDir data, parent;
        fillShop(data.path());
        put(parent.path(), QStringLiteral("file.txt"), "x");
        const Backup::Result result = Backup::write(data.path(), parent.filePath(under), kMoment);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(cause), qPrintable(result.error));
        QCOMPARE(entriesOf(parent.path()), QStringList{QStringLiteral("file.txt")});
    }

    void readOnlyDestinationLeavesNothing()
    {
        QTemporaryDir data, destination;
        fillShop(data.path());
        QFile::setPermissions(destination.path(), QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(destination.filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(destination.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("running as root: a read-only folder is still writable; the full-disk test covers write failures");
        }
        const Backup::Result result = Backup::write(data.path(), destination.path(), kMoment);
        QFile::setPermissions(destination.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.startsWith(QStringLiteral("impossibile creare")), qPrintable(result.error));
        QCOMPARE(entriesOf(destination.path()), QStringList());
    }

    void cancelLeavesNothing_data()
    {
        QTest::addColumn<double>("stopAt");
        QTest::newRow("before writing") << 0.0;
        QTest::newRow("while writing") << 0.3;
        QTest::newRow("while checking") << 0.9;
    }
    void cancelLeavesNothing()
    {
        QFETCH(double, stopAt);
        QTemporaryDir data, destination;
        fillShop(data.path());
        double seen = -1;
        const Backup::Result result = Backup::write(data.path(), destination.path(), kMoment, [&](double done) {
            seen = done;
            return done < stopAt;
        });
        QVERIFY(!result.ok);
        QVERIFY(result.cancelled);
        QVERIFY(seen >= stopAt);
        QVERIFY2(result.error.startsWith(QStringLiteral("backup annullato")), qPrintable(result.error));
        QCOMPARE(entriesOf(destination.path()), QStringList());
    }

    void commandLineWritesTheSameBackup()
    {
        QTemporaryDir data, destination, restored;
        fillShop(data.path());
        const auto source = filesUnder(data.path());
        const Run run = archivio({QStringLiteral("backup"), data.path(), destination.path()});
        QCOMPARE(run.exitCode, 0);
        const QStringList written = entriesOf(destination.path());
        QCOMPARE(written.size(), 1);
        const QString zip = destination.filePath(written.first());
        QCOMPARE(run.out, QStringLiteral("Backup completato: 13 file (1,0 MB) in ") + zip + QStringLiteral(".\n"));
        QCOMPARE(unzipInto(zip, restored.path()), QString());
        QCOMPARE(filesUnder(restored.path()), source);
        // The main menu learns of it from the data folder's settings.
        QVERIFY(BackupSettings::lastSuccess(data.filePath(QStringLiteral("Valtrena.ini"))).isValid());
    }

    void commandLineOnAFullDiskSaysSoAndLeavesNothing()
    {
        QTemporaryDir data, destination;
        fillShop(data.path());
        const Run run = archivio({QStringLiteral("backup"), data.path(), destination.path()}, 200);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith(QStringLiteral("Backup non riuscito: impossibile scrivere il file")),
                 qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QCOMPARE(entriesOf(destination.path()), QStringList());
    }

    void commandLineRefusesBadArguments()
    {
        QTemporaryDir data;
        const Run missing = archivio({QStringLiteral("backup"), data.path(), data.filePath(QStringLiteral("no"))});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY2(missing.err.contains(QStringLiteral("non esiste")), qPrintable(missing.err));
        QCOMPARE(archivio({QStringLiteral("backup"), data.path()}).exitCode, 2);
    }

    void ageOfTheLastBackup_data()
    {
        QTest::addColumn<QDateTime>("last");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("overdue");
        const QDate today(2026, 3, 20);
        QTest::newRow("none") << QDateTime() << QStringLiteral("Nessun backup eseguito") << true;
        QTest::newRow("today") << QDateTime(today, QTime(8, 0)) << QStringLiteral("Ultimo backup: oggi") << false;
        QTest::newRow("yesterday") << QDateTime(today.addDays(-1), QTime(23, 59)) << QStringLiteral("Ultimo backup: ieri")
                                   << false;
        QTest::newRow("a week") << QDateTime(today.addDays(-7), QTime(9, 0)) << QStringLiteral("Ultimo backup: 7 giorni fa")
                                << false;
        QTest::newRow("eight days") << QDateTime(today.addDays(-8), QTime(9, 0))
                                    << QStringLiteral("Ultimo backup: 8 giorni fa") << true;
    }
    void ageOfTheLastBackup()
    {
        QFETCH(QDateTime, last);
        QFETCH(QString, text);
        QFETCH(bool, overdue);
        const QDate today(2026, 3, 20);
        QCOMPARE(BackupSettings::ageText(last, today), text);
        QCOMPARE(BackupSettings::isOverdue(last, today), overdue);
    }

    void settingsKeepFolderAndMoment()
    {
        TempDataDir dir;
        const QString ini = dir.file(QStringLiteral("Valtrena.ini"));
        dir.writeBytes(QStringLiteral("Valtrena.ini"), "[Numerazione Registro]\r\nNumero=41\r\n");
        BackupSettings::setFolder(ini, QStringLiteral("/media/chiavetta/copie"));
        BackupSettings::setLastSuccess(ini, kMoment);
        QCOMPARE(BackupSettings::folder(ini), QStringLiteral("/media/chiavetta/copie"));
        QCOMPARE(BackupSettings::lastSuccess(ini), kMoment);
        QCOMPARE(dir.readBytes(QStringLiteral("Valtrena.ini")),
                 QByteArray("[Numerazione Registro]\r\nNumero=41\r\n[Backup]\r\nCartella=/media/chiavetta/copie\r\n"
                            "Ultimo=09/03/2026 18:05\r\n"));
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
