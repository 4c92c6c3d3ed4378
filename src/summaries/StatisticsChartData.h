#pragma once
#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>

// What the statistics chart shows: one series of labelled, coloured points
// drawn as three-dimensional bars or as a three-dimensional pie.
struct StatisticsChartData
{
    enum class Kind { Bars, Pie };
    struct Point
    {
        QString label;
        QColor colour;
        double value = 0;
    };

    Kind kind = Kind::Bars;
    QList<Point> points;
    QString title = QStringLiteral("Statistiche incassi annuali");
    QString footnote = QStringLiteral("Tutti gli importi sono arrotondati all'euro");
    QString legendTitle = QStringLiteral("Incassi:");
};

// Where a painted chart shows each point's colour, in the painter's device
// coordinates: the middle of its legend swatch and a spot inside its bar's
// front or its slice (points without a bar or slice have none).
struct StatisticsChartPlaces
{
    struct Place
    {
        int point;
        QPointF at;
    };
    QList<Place> swatches;
    QList<Place> faces;
};

class QPainter;
class QRectF;

// Paints the whole chart (title, plot, marks, legend, footnote) into
// `target`; screen, image and printer share this one picture, scaled.
// `places`, when given, receives where the points' colours were drawn.
void paintStatisticsChart(QPainter &painter, const QRectF &target, const StatisticsChartData &chart,
                          StatisticsChartPlaces *places = nullptr);
