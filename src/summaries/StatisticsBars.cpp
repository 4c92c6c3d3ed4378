#include "summaries/StatisticsChartParts.h"
#include "ui/Theme.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPolygonF>
#include <cmath>

namespace {

using namespace ChartParts;

struct Scale
{
    double top;
    double step;
};

// A round axis top and step with about five steps above the largest value.
Scale niceScale(double largest)
{
    if (largest <= 0)
        return {100, 20};
    const double raw = largest / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * magnitude;
    for (double f : {1.0, 2.0, 2.5, 5.0})
        if (raw <= f * magnitude) {
            step = f * magnitude;
            break;
        }
    return {std::ceil(largest / step) * step, step};
}

struct MonthLabels
{
    QFont font;
    bool slanted = false;
    qreal height = 0;
};

// Labels stay level while they fit under their bar; otherwise they slant.
MonthLabels monthLabels(const StatisticsChartData &chart, qreal slot)
{
    qreal widest = 0;
    for (int size = 13; size >= 10; --size) {
        const QFont f = font(size);
        const QFontMetricsF fm(f);
        widest = 0;
        for (const auto &point : chart.points)
            widest = qMax(widest, fm.horizontalAdvance(point.label));
        if (widest <= slot * 0.95)
            return {f, false, fm.height() + 10};
    }
    const QFont f = font(11);
    return {f, true, widest * 0.6 + QFontMetricsF(f).height() + 8};
}

QPolygonF quad(QPointF a, QPointF b, QPointF c, QPointF d) { return QPolygonF({a, b, c, d}); }

} // namespace

void ChartParts::paintBars(QPainter &p, const QRectF &plot, const StatisticsChartData &chart,
                           StatisticsChartPlaces *places)
{
    const int count = qMax(1, int(chart.points.size()));
    double largest = 0;
    for (const auto &point : chart.points)
        largest = qMax(largest, point.value);
    const Scale scale = niceScale(largest);

    p.setFont(font(12));
    const QFontMetricsF axisMetrics(p.font());
    const qreal axisLeft = plot.left() + axisMetrics.horizontalAdvance(valueText(scale.top)) + 14;
    const qreal depth = qMin(22.0, (plot.right() - axisLeft) / count * 0.3);
    const qreal frontWidth = plot.right() - axisLeft - depth - 4;
    const qreal slot = frontWidth / count;
    const MonthLabels labels = monthLabels(chart, slot);
    const qreal markHeight = markRect(p, {}, QStringLiteral("0")).height();
    const qreal floorY = plot.bottom() - labels.height;
    const qreal topY = plot.top() + markHeight + depth + 14;
    const qreal right = axisLeft + frontWidth;
    const QPointF back(depth, -depth);
    auto yOf = [&](double v) { return floorY - v / scale.top * (floorY - topY); };

    // The walls and the floor of the box the bars stand in.
    QLinearGradient wall(0, topY, 0, floorY);
    wall.setColorAt(0, Theme::colour(Theme::Colour::ChartWallTop));
    wall.setColorAt(1, Theme::colour(Theme::Colour::ChartWallBottom));
    p.setPen(QPen(Theme::colour(Theme::Colour::ChartWallEdge), 1));
    p.setBrush(wall);
    p.drawRect(QRectF(QPointF(axisLeft, topY) + back, QPointF(right, floorY) + back));
    p.setBrush(Theme::colour(Theme::Colour::ChartSideWall));
    p.drawPolygon(quad({axisLeft, topY}, QPointF(axisLeft, topY) + back, QPointF(axisLeft, floorY) + back,
                       {axisLeft, floorY}));
    p.setBrush(Theme::colour(Theme::Colour::ChartFloor));
    p.drawPolygon(quad({axisLeft, floorY}, QPointF(axisLeft, floorY) + back, QPointF(right, floorY) + back,
                       {right, floorY}));

    // Grid lines and their values.
    p.setFont(font(12));
    for (double v = 0; v <= scale.top + scale.step / 2; v += scale.step) {
        const qreal y = yOf(v);
        p.setPen(QPen(Theme::colour(Theme::Colour::ChartGrid), 1, v == 0 ? Qt::SolidLine : Qt::DashLine));
        p.drawLine(QPointF(axisLeft, y), QPointF(axisLeft, y) + back);
        p.drawLine(QPointF(axisLeft, y) + back, QPointF(right, y) + back);
        // Level with the line on the back wall, where the eye reads the bars' height.
        p.setPen(Theme::colour(Theme::Colour::ChartAxisText));
        p.drawText(QRectF(plot.left(), y - depth - 10, axisLeft - plot.left() - 8, 20),
                   Qt::AlignRight | Qt::AlignVCenter, valueText(v));
    }

    const qreal barWidth = slot * 0.62;
    const qreal inset = depth * 0.12, barDepth = depth * 0.76;
    const QPointF barBack(barDepth, -barDepth);
    for (int i = 0; i < chart.points.size(); ++i) {
        const auto &point = chart.points[i];
        const qreal x = axisLeft + i * slot + (slot - barWidth) / 2 + inset;
        const qreal y = yOf(qMax(0.0, point.value)) - inset;
        const qreal base = floorY - inset;

        const QRectF front(x, y, barWidth, base - y);
        p.setPen(outline());
        p.setBrush(point.colour);
        p.drawRect(front);
        if (point.value > 0)
            place(places ? &places->faces : nullptr, p, i, front.center());
        p.setBrush(shade(point.colour, 72));
        p.drawPolygon(quad({x + barWidth, y}, QPointF(x + barWidth, y) + barBack,
                           QPointF(x + barWidth, base) + barBack, {x + barWidth, base}));
        p.setBrush(shade(point.colour, 125));
        p.drawPolygon(quad({x, y}, QPointF(x, y) + barBack, QPointF(x + barWidth, y) + barBack, {x + barWidth, y}));

        // The value mark above the bar, joined to it by a short line.
        const QPointF topCentre = QPointF(x + barWidth / 2, y) + barBack / 2;
        const QString text = valueText(point.value);
        const QRectF box = markRect(p, topCentre - QPointF(0, markHeight / 2 + 8), text);
        p.setPen(QPen(Theme::colour(Theme::Colour::ChartMarkBorder), 1));
        p.drawLine(topCentre, QPointF(topCentre.x(), box.bottom()));
        drawMark(p, box, text);

        // The month under its bar.
        p.setFont(labels.font);
        p.setPen(Theme::colour(Theme::Colour::ChartText));
        const qreal centre = axisLeft + (i + 0.5) * slot;
        if (!labels.slanted) {
            p.drawText(QRectF(centre - slot / 2, floorY + 4, slot, labels.height - 4), Qt::AlignHCenter | Qt::AlignTop,
                       point.label);
        } else {
            p.save();
            p.translate(centre + 4, floorY + 8);
            p.rotate(-35);
            const qreal w = QFontMetricsF(labels.font).horizontalAdvance(point.label);
            p.drawText(QRectF(-w, 0, w, 20), Qt::AlignRight | Qt::AlignTop, point.label);
            p.restore();
        }
    }
}
