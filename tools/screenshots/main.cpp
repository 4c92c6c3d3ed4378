#include "Shooter.h"
#include "app/GuideBook.h"
#include "app/Startup.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "report/ReportOutput.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <cstdio>

// valtrena-screenshots OUTDIR [WIDTHxHEIGHT]: every window and printed page
// as a PNG, drawn with sample data in a throw-away data folder; the area
// windows fill a screen of the given size (1366x768 unless told).
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: valtrena-screenshots OUTDIR [WIDTHxHEIGHT]\n");
        return 2;
    }
    QSize screen(1366, 768);
    if (argc > 2) {
        const QStringList parts = QString::fromLocal8Bit(argv[2]).split(u'x');
        screen = parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
        if (screen.width() < 640 || screen.height() < 480) {
            std::fprintf(stderr, "valtrena-screenshots: the screen size reads like 1920x1080\n");
            return 2;
        }
    }
    Startup::setUpApplication();
    QTemporaryDir data;
    DataFolder::set(data.path());
    Clock::setFixed(QDateTime(QDate(2025, 6, 15), QTime(10, 30)));
    Messages::setHandler([](MessageKind, const QString &) { return true; });
    Modal::setRunner([](QDialog *) { return int(QDialog::Rejected); });
    const QList<QWidget *> windows = Startup::createAreaWindows();

    Shooter shoot(QString::fromLocal8Bit(argv[1]), screen);
    // The guide's pages carry the pictures of its chapters' windows.
    const QList<GuideBook::Chapter> chapters = GuideBook::chapters();
    QStringList pictured;
    for (const GuideBook::Chapter &chapter : chapters)
        pictured.append(chapter.window);
    shoot.keep(pictured);
    shootSpine(shoot);
    shootRegister(shoot);
    shootCustomers(shoot);
    shootReceipts(shoot);
    shootChecks(shoot);
    shootSummaries(shoot);
    shootCompliance(shoot);
    shootExport(shoot);
    shootReport(shoot);
    shootStatistics(shoot);
    const Report::Booklet guide = GuideBook::build(chapters, shoot.kept());
    const QDateTime printedAt = Clock::now();
    shoot.image(Report::renderPage(guide, 0, 96, printedAt), QStringLiteral("stampa-guida-indice"));
    shoot.image(Report::renderPage(guide, 2, 96, printedAt), QStringLiteral("stampa-guida"));
    std::printf("%d pictures written to %s\n", shoot.count(), argv[1]);
    qDeleteAll(windows);
    return 0;
}
