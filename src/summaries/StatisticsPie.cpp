#include "summaries/StatisticsChartParts.h"
#include "ui/Theme.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <algorithm>

namespace {

using namespace ChartParts;

// The pie seen from above at a slant: an ellipse with a rim below it.
struct Disc
{
    QPointF centre;
    qreal rx, ry, depth;

    QPointF at(qreal degrees, qreal drop = 0) const
    {
        const qreal a = qDegreesToRadians(degrees);
        return {centre.x() + rx * qCos(a), centre.y() - ry * qSin(a) + drop};
    }
    QRectF rect() const { return {centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry}; }
};

struct Slice
{
    int point;
    qreal start;  // degrees, counter-clockwise from three o'clock
    qreal span;   // drawn clockwise from start
};

// The part of a slice's rim that faces the viewer (the lower half of the
// ellipse), as one polygon per visible run.
void paintRim(QPainter &p, const Disc &disc, qreal from, qreal to, const QColor &colour)
{
    QList<qreal> angles{from};
    for (qreal a = std::ceil(from) - 1; a > to; a -= 1)
        angles.append(a);
    for (qreal k : {-360.0, -180.0, 0.0, 180.0, 360.0})
        if (k < from && k > to)
            angles.append(k);
    angles.append(to);
    std::sort(angles.begin(), angles.end(), std::greater<>());

    QList<qreal> run;
    auto flush = [&] {
        if (run.size() >= 2) {
            QPolygonF rim;
            for (qreal a : run)
                rim << disc.at(a);
            for (auto it = run.crbegin(); it != run.crend(); ++it)
                rim << disc.at(*it, disc.depth);
            p.setBrush(shade(colour, 70));
            p.setPen(outline());
            p.drawPolygon(rim);
        }
        run.clear();
    };
    for (qreal a : angles) {
        if (qSin(qDegreesToRadians(a)) <= 1e-9)
            run.append(a);
        else
            flush();
    }
    flush();
}

struct Mark
{
    QPointF edge;
    QRectF box;
    QString text;
    bool left;
};

// Marks on one side are moved apart from top to bottom so none overlap.
void spread(QList<Mark *> &side)
{
    std::sort(side.begin(), side.end(), [](const Mark *a, const Mark *b) { return a->box.top() < b->box.top(); });
    for (int i = 1; i < side.size(); ++i) {
        const qreal overlap = side[i - 1]->box.bottom() + 3 - side[i]->box.top();
        if (overlap > 0)
            side[i]->box.translate(0, overlap);
    }
}

} // namespace

void ChartParts::paintPie(QPainter &p, const QRectF &plot, const StatisticsChartData &chart,
                          StatisticsChartPlaces *places)
{
    double total = 0;
    for (const auto &point : chart.points)
        total += qMax(0.0, point.value);

    const qreal tilt = 0.55;
    const qreal rx = qMax(10.0, qMin((plot.width() - 260) / 2, (plot.height() - 110) / (2 * tilt + 0.16)));
    const Disc disc{{plot.center().x(), plot.top() + 40 + rx * tilt}, rx, rx * tilt, rx * 0.16};

    if (total <= 0) {
        // No takings: an empty grey disc, so the chart still has its shape.
        paintRim(p, disc, 0, -360, Theme::colour(Theme::Colour::ChartPieEmptyRim));
        p.setBrush(Theme::colour(Theme::Colour::ChartPieEmpty));
        p.drawEllipse(disc.rect());
        return;
    }

    QList<Slice> slices;
    qreal start = 90;
    for (int i = 0; i < chart.points.size(); ++i) {
        const qreal span = 360.0 * qMax(0.0, chart.points[i].value) / total;
        if (span > 0)
            slices.append({i, start, span});
        start -= span;
    }

    for (const Slice &s : slices)
        paintRim(p, disc, s.start, s.start - s.span, chart.points[s.point].colour);
    for (const Slice &s : slices) {
        const QColor colour = chart.points[s.point].colour;
        QPainterPath path(disc.centre);
        path.arcTo(disc.rect(), s.start, -s.span);
        path.closeSubpath();
        p.setPen(outline());
        p.setBrush(colour);
        p.drawPath(path);
        const qreal mid = qDegreesToRadians(s.start - s.span / 2);
        place(places ? &places->faces : nullptr, p, s.point,
              disc.centre + QPointF(0.65 * disc.rx * qCos(mid), -0.65 * disc.ry * qSin(mid)));
    }

    // Value marks outside the pie, joined to the middle of their slice.
    QList<Mark> marks;
    for (const Slice &s : slices) {
        const qreal mid = s.start - s.span / 2;
        const qreal below = qSin(qDegreesToRadians(mid)) < 0 ? disc.depth : 0;
        const QPointF edge = disc.at(mid, below / 2);
        const qreal a = qDegreesToRadians(mid);
        const QPointF out(disc.centre.x() + (disc.rx + 34) * qCos(a),
                          disc.centre.y() - (disc.ry + 26) * qSin(a) + below);
        const QString text = valueText(chart.points[s.point].value);
        QRectF box = markRect(p, out, text);
        const bool left = qCos(a) < 0;
        box.moveCenter(out + QPointF(left ? -box.width() / 2 : box.width() / 2, 0));
        marks.append({edge, box, text, left});
    }
    QList<Mark *> leftSide, rightSide;
    for (Mark &m : marks)
        (m.left ? leftSide : rightSide).append(&m);
    spread(leftSide);
    spread(rightSide);
    for (const Mark &m : marks) {
        const QPointF join(m.left ? m.box.right() : m.box.left(), m.box.center().y());
        p.setPen(QPen(Theme::colour(Theme::Colour::ChartPieLeader), 1));
        p.drawLine(m.edge, join);
        drawMark(p, m.box, m.text);
    }
}
