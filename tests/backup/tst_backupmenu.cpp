// The main menu's backup icon and the age of the last backup it shows.
#include "TestSupport.h"
#include "app/MainMenu.h"
#include "ui/Modal.h"
#include "backup/BackupSettings.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {
const QDateTime kNow(QDate(2026, 3, 20), QTime(17, 45));

QString settings(const TempDataDir &dir) { return dir.file(QStringLiteral("Valtrena.ini")); }

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}
} // namespace

class TestBackupMenu : public QObject
{
    Q_OBJECT
private slots:
    void showsTheAgeOfTheLastBackup_data()
    {
        QTest::addColumn<QDateTime>("last");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("overdue");
        QTest::newRow("never") << QDateTime() << QStringLiteral("Nessun backup eseguito") << true;
        QTest::newRow("twelve days") << kNow.addDays(-12) << QStringLiteral("Ultimo backup: 12 giorni fa") << true;
        QTest::newRow("three days") << kNow.addDays(-3) << QStringLiteral("Ultimo backup: 3 giorni fa") << false;
    }
    void showsTheAgeOfTheLastBackup()
    {
        QFETCH(QDateTime, last);
        QFETCH(QString, text);
        QFETCH(bool, overdue);
        TempDataDir dir(kNow);
        if (last.isValid())
            BackupSettings::setLastSuccess(settings(dir), last);
        TfrmAvvio menu;
        menu.show();
        auto *age = menu.findChild<QLabel *>(QStringLiteral("lblUltimoBackup"));
        QVERIFY(age);
        QCOMPARE(age->text(), text);
        QCOMPARE(age->property("overdue").toBool(), overdue);
        const QColor shown = age->palette().color(QPalette::WindowText);
        QCOMPARE(shown == QColor(0xC0, 0x39, 0x2B), overdue);
    }

    void iconWritesTheBackupAndRemembersTheFolder()
    {
        TempDataDir dir(kNow);
        dir.writeBytes(QStringLiteral("Registro_Operazioni.vtr"), QByteArray(3438 * 3, 'r'));
        BackupSettings::setLastSuccess(settings(dir), kNow.addDays(-30));
        QTemporaryDir destination;
        MessageRecorder messages;
        FileScript files;
        files.answers = {destination.path()};
        TfrmAvvio menu;
        menu.show();
        auto *icon = menu.findChild<QToolButton *>(QStringLiteral("imgBackup"));
        QVERIFY(icon);
        QCOMPARE(icon->toolTip(), QStringLiteral("Esegui una copia di sicurezza di tutti i dati."));
        icon->click();

        const QString zip = destination.filePath(QStringLiteral("Valtrena-backup-2026-03-20-1745.zip"));
        QCOMPARE(entriesOf(destination.path()), QStringList{QFileInfo(zip).fileName()});
        QCOMPARE(messages.entries().size(), 1);
        QCOMPARE(messages.last().kind, MessageKind::Information);
        QCOMPARE(messages.last().text, QStringLiteral("Backup completato: 2 file (0,0 MB) in ") + zip + QLatin1Char('.'));
        QCOMPARE(BackupSettings::folder(settings(dir)), destination.path());
        QCOMPARE(menu.findChild<QLabel *>(QStringLiteral("lblUltimoBackup"))->text(), QStringLiteral("Ultimo backup: oggi"));

        // The next backup starts from the remembered folder; cancelling it does nothing.
        QString proposed;
        Modal::setFileRunner([&proposed](const Modal::FileRequest &r) {
            proposed = r.folder;
            return QString();
        });
        icon->click();
        QCOMPARE(proposed, destination.path());
        QCOMPARE(messages.entries().size(), 1);
        QCOMPARE(entriesOf(destination.path()).size(), 1);
    }

    void failureSaysWhyAndKeepsTheOldAge()
    {
        TempDataDir dir(kNow);
        BackupSettings::setLastSuccess(settings(dir), kNow.addDays(-9));
        QTemporaryDir parent;
        QFile blocker(parent.filePath(QStringLiteral("chiavetta")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        MessageRecorder messages;
        FileScript files;
        files.answers = {blocker.fileName() + QStringLiteral("/copie")};
        TfrmAvvio menu;
        menu.show();
        TestSupport::click(&menu, QStringLiteral("imgBackup"));
        QCOMPARE(messages.last().kind, MessageKind::Error);
        QVERIFY2(messages.last().text.startsWith(QStringLiteral("Attenzione: backup non riuscito: la cartella di destinazione")),
                 qPrintable(messages.last().text));
        QCOMPARE(entriesOf(parent.path()), QStringList{QStringLiteral("chiavetta")});
        QCOMPARE(menu.findChild<QLabel *>(QStringLiteral("lblUltimoBackup"))->text(), QStringLiteral("Ultimo backup: 9 giorni fa"));
    }
};

QTEST_MAIN(TestBackupMenu)
#include "tst_backupmenu.moc"
