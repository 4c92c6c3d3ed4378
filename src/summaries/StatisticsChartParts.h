#pragma once
#include "summaries/StatisticsChartData.h"

#include <QFont>
#include <QPainter>
#include <QRectF>

// Pieces shared by the bar and the pie drawing, in the chart's logical units
// (at least 800 x 600, whatever the device).
namespace ChartParts {

QFont font(int pixelSize, bool bold = false);
// The value as the marks and the axis write it: whole euros, no grouping.
QString valueText(double value);
// A value mark: a pale yellow box with the value, centred on `anchor`.
QRectF markRect(QPainter &p, const QPointF &anchor, const QString &text);
void drawMark(QPainter &p, const QRectF &box, const QString &text);
// A face of a solid: the colour, lit or shaded by `light` (100 = as is).
// The face turned to the viewer (a bar's front, a slice's top) and the
// legend's swatch show the point's colour itself, so they always match.
QColor shade(const QColor &colour, int light);
QPen outline();
// Notes where point `point`'s colour was painted at `at` (painter units).
void place(QList<StatisticsChartPlaces::Place> *into, const QPainter &p, int point, const QPointF &at);

void paintBars(QPainter &p, const QRectF &plot, const StatisticsChartData &chart, StatisticsChartPlaces *places);
void paintPie(QPainter &p, const QRectF &plot, const StatisticsChartData &chart, StatisticsChartPlaces *places);

} // namespace ChartParts
