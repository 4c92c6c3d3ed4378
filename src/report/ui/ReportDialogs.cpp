#include "report/ui/ReportDialogs.h"
#include "ui/Modal.h"
#include "report/ReportOutput.h"
#include "storage/Clock.h"

#include <QAction>
#include <QCoreApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

namespace ReportDialogs {

namespace {

bool printJob(const Report::Document &document, QPrinter &printer, const QDateTime &printedAt,
              int copies)
{
    int first = 0;
    int last = -1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage() - 1;
        last = printer.toPage() - 1;
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    Report::paintPages(document, painter, printer, printedAt, copies, first, last);
    return painter.end();
}

// The preview's own toolbar actions that would change the page layout or the
// page arrangement are taken away; full screen and close are added.
void trimPreviewToolbar(QPrintPreviewDialog &dialog)
{
    const auto qtText = [](const char *source) {
        return QCoreApplication::translate("QPrintPreviewDialog", source);
    };
    const QStringList unwanted = {qtText("Portrait"), qtText("Landscape"), qtText("Page setup"),
                                  qtText("Show facing pages"), qtText("Show overview of all pages"),
                                  qtText("Show single page")};
    QToolBar *toolbar = dialog.findChild<QToolBar *>();
    if (!toolbar)
        return;
    for (QAction *action : toolbar->actions())
        if (unwanted.contains(action->text()))
            action->setVisible(false);

    toolbar->addSeparator();
    QAction *fullScreen = toolbar->addAction(QCoreApplication::translate("ReportDialogs", "Schermo intero"));
    fullScreen->setObjectName(QStringLiteral("actSchermoIntero"));
    fullScreen->setIcon(QIcon::fromTheme(QStringLiteral("view-fullscreen")));
    fullScreen->setCheckable(true);
    QObject::connect(fullScreen, &QAction::toggled, &dialog, [&dialog](bool on) {
        dialog.setWindowState(on ? dialog.windowState() | Qt::WindowFullScreen
                                 : dialog.windowState() & ~Qt::WindowFullScreen);
    });
    QAction *close = toolbar->addAction(QCoreApplication::translate("ReportDialogs", "Chiudi"));
    close->setObjectName(QStringLiteral("actChiudi"));
    close->setIcon(QIcon::fromTheme(QStringLiteral("window-close")));
    QObject::connect(close, &QAction::triggered, &dialog, &QDialog::reject);
}

} // namespace

bool print(const Report::Document &document, QWidget *parent, const PrintOptions &options)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(document.pageLayout());
    printer.setDocName(document.name());
    printer.setCopyCount(std::max(1, options.copies));
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgStampante"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, document.pageCount() > 1);
    dialog.setMinMax(1, document.pageCount());
    if (Modal::exec(&dialog) != QDialog::Accepted)
        return false;

    const QDateTime printedAt = Clock::now();
    const int copies = std::max(1, printer.copyCount());
    if (options.jobPerCopy) {
        printer.setCopyCount(1);
        bool ok = true;
        for (int copy = 0; copy < copies && ok; ++copy)
            ok = printJob(document, printer, printedAt, 1);
        return ok;
    }
    // A printer that makes copies itself gets each page once.
    return printJob(document, printer, printedAt, printer.supportsMultipleCopies() ? 1 : copies);
}

void preview(const Report::Document &document, QWidget *parent, const PreviewOptions &options)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(document.pageLayout());
    printer.setDocName(document.name());
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgAnteprima"));
    dialog.setWindowTitle(QCoreApplication::translate("ReportDialogs", "Anteprima di stampa"));
    const QDateTime printedAt = Clock::now();
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document, printedAt](QPrinter *target) {
                         QPainter painter(target);
                         Report::paintPages(document, painter, *target, printedAt);
                     });
    trimPreviewToolbar(dialog);
    if (options.actualSize) {
        if (auto *view = dialog.findChild<QPrintPreviewWidget *>()) {
            view->setZoomMode(QPrintPreviewWidget::CustomZoom);
            view->setZoomFactor(1.0);
        }
    }
    dialog.setWindowState(Qt::WindowMaximized);
    Modal::exec(&dialog);
}

} // namespace ReportDialogs
