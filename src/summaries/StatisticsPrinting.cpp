#include "summaries/StatisticsPrinting.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Theme.h"
#include "storage/AmountText.h"
#include "summaries/StatisticsChart.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace StatisticsPrinting {

int copiesFromAnswer(const QString &answer)
{
    const QString text = answer.trimmed();
    if (text.isEmpty() || !AmountText::isDigitsOnly(text))
        return 1;
    // Absurd counts are kept within what a print dialog accepts.
    bool ok = false;
    const int copies = text.toInt(&ok);
    return ok && copies > 0 ? qMin(copies, 999) : 1;
}

namespace {
const QPageLayout kPage(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                        QPageLayout::Millimeter);
}

bool printOnce(QPrinter &printer, const StatisticsChart &chart)
{
    printer.setPageSize(kPage.pageSize());
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(kPage.margins(), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    chart.paintOn(painter, QRectF(QPointF(0, 0), page.size()));
    return painter.end();
}

QImage pageImage(const StatisticsChart &chart, int dpi)
{
    QImage image(kPage.fullRectPixels(dpi).size(), QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Theme::colour(Theme::Colour::Paper));
    QPainter painter(&image);
    chart.paintOn(painter, QRectF(kPage.paintRectPixels(dpi)));
    return image;
}

int run(QWidget *parent, const StatisticsChart &chart)
{
    if (!Messages::confirm(QStringLiteral("Si vuole stampare il presente grafico statistico?"), parent))
        return 0;
    bool ok = false;
    const QString answer = Modal::inputText(parent, QStringLiteral("Numero copie da stampare"),
                                            QStringLiteral("Copie:"), QStringLiteral("1"), &ok);
    if (!ok)
        return 0;

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Grafico statistico incassi"));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setCopyCount(copiesFromAnswer(answer));
    QPrintDialog dialog(&printer, parent);
    if (Modal::exec(&dialog) != QDialog::Accepted)
        return 0;

    // One print job per copy, as the shop's printers have always received them.
    const int copies = qMax(1, printer.copyCount());
    printer.setCopyCount(1);
    int jobs = 0;
    for (int i = 0; i < copies; ++i) {
        if (!printOnce(printer, chart))
            break;
        ++jobs;
    }
    if (jobs < copies)
        Messages::error(QStringLiteral("Attenzione: la stampa del grafico non è stata eseguita."), parent);
    return jobs;
}

} // namespace StatisticsPrinting
