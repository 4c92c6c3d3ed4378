#include "Shooter.h"
#include "app/Startup.h"
#include "app/ui/Messages.h"
#include "app/ui/Modal.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <cstdio>

// valtrena-screenshots OUTDIR: every window and printed page as a PNG,
// drawn with sample data in a throw-away data folder.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: valtrena-screenshots OUTDIR\n");
        return 2;
    }
    Startup::setUpApplication();
    QTemporaryDir data;
    DataFolder::set(data.path());
    Clock::setFixed(QDateTime(QDate(2025, 6, 15), QTime(10, 30)));
    Messages::setHandler([](MessageKind, const QString &) { return true; });
    Modal::setRunner([](QDialog *) { return int(QDialog::Rejected); });
    const QList<QWidget *> windows = Startup::createAreaWindows();

    Shooter shoot(QString::fromLocal8Bit(argv[1]));
    shootSpine(shoot);
    shootRegister(shoot);
    shootCustomers(shoot);
    shootReceipts(shoot);
    shootChecks(shoot);
    shootSummaries(shoot);
    shootExport(shoot);
    shootReport(shoot);
    shootStatistics(shoot);
    std::printf("%d pictures written to %s\n", shoot.count(), argv[1]);
    qDeleteAll(windows);
    return 0;
}
