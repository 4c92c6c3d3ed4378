#pragma once
#include <QImage>
#include <QString>

class QPrinter;
class QWidget;
class StatisticsChart;

// "Stampa grafico": two questions, the printer dialog, one job per copy.
namespace StatisticsPrinting {

// The copies answered in the input box: a blank answer, or one with
// anything but the digits 0-9, means one copy.
int copiesFromAnswer(const QString &answer);

// Asks, then prints the chart in landscape once for each copy the printer
// dialog finally holds. Returns the number of print jobs sent.
int run(QWidget *parent, const StatisticsChart &chart);

// One job: the chart on one landscape A4 page of `printer`.
bool printOnce(QPrinter &printer, const StatisticsChart &chart);

// The printed page as a picture, `dpi` dots per inch.
QImage pageImage(const StatisticsChart &chart, int dpi);

} // namespace StatisticsPrinting
