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

// valtrena-guida FILE.pdf: the user's guide, written from the program's own
// help texts with a picture of each area's window drawn with sample data in
// a throw-away data folder. The build runs it to put Guida.pdf beside the
// program.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: valtrena-guida FILE.pdf\n");
        return 2;
    }
    Startup::setUpApplication();
    QTemporaryDir data;
    DataFolder::set(data.path());
    const QDateTime sampleMoment(QDate(2025, 6, 15), QTime(10, 30));
    Clock::setFixed(sampleMoment);
    Messages::setHandler([](MessageKind, const QString &) { return true; });
    Modal::setRunner([](QDialog *) { return int(QDialog::Rejected); });
    const QList<QWidget *> windows = Startup::createAreaWindows();

    const QList<GuideBook::Chapter> chapters = GuideBook::chapters();
    QStringList pictured;
    for (const GuideBook::Chapter &chapter : chapters)
        pictured.append(chapter.window);
    Shooter shoot(QString(), QSize(1366, 768));
    shoot.keep(pictured);
    // The areas that hold the pictured windows; the code checks and the
    // printed pages have no chapter of their own.
    shootSpine(shoot);
    shootRegister(shoot);
    shootCustomers(shoot);
    shootReceipts(shoot);
    shootSummaries(shoot);
    shootExport(shoot);
    shootStatistics(shoot);
    for (const QString &window : pictured)
        if (!shoot.kept().contains(window))
            std::fprintf(stderr, "valtrena-guida: no picture of %s\n", qPrintable(window));

    const Report::Booklet book = GuideBook::build(chapters, shoot.kept());
    const QString path = QString::fromLocal8Bit(argv[1]);
    const bool written = Report::writePdf(book, path, {book.name(), QStringLiteral("Guida all'utilizzo")},
                                          sampleMoment);
    qDeleteAll(windows);
    if (!written) {
        std::fprintf(stderr, "valtrena-guida: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %d pages\n", argv[1], book.pageCount());
    return 0;
}
