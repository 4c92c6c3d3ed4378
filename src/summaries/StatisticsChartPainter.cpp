#include "summaries/StatisticsChartParts.h"
#include "ui/Theme.h"
#include "storage/AmountText.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

namespace ChartParts {

QFont font(int pixelSize, bool bold)
{
    QFont f = Theme::font(Theme::Face::Body);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QString valueText(double value) { return AmountText::formatGeneral(std::round(value)); }

QRectF markRect(QPainter &p, const QPointF &anchor, const QString &text)
{
    p.setFont(font(12, true));
    const QFontMetricsF fm(p.font());
    const QSizeF size(fm.horizontalAdvance(text) + 10, fm.height() + 4);
    return QRectF(anchor - QPointF(size.width() / 2, size.height() / 2), size);
}

void drawMark(QPainter &p, const QRectF &box, const QString &text)
{
    p.setFont(font(12, true));
    p.setPen(QPen(Theme::colour(Theme::Colour::ChartMarkBorder), 1));
    p.setBrush(Theme::colour(Theme::Colour::ChartMarkFill));
    p.drawRoundedRect(box, 3, 3);
    p.setPen(Theme::colour(Theme::Colour::ChartText));
    p.drawText(box, Qt::AlignCenter, text);
}

QColor shade(const QColor &colour, int light)
{
    return light >= 100 ? colour.lighter(light) : colour.darker(10000 / qMax(1, light));
}

QPen outline() { return QPen(Theme::colour(Theme::Colour::ChartOutline, 110), 1); }

void place(QList<StatisticsChartPlaces::Place> *into, const QPainter &p, int point, const QPointF &at)
{
    if (into)
        into->append({point, p.transform().map(at)});
}

} // namespace ChartParts

namespace {

using namespace ChartParts;

// The legend: its title, then one swatch and label per point, in as many
// rows as the width needs. Returns the height used.
qreal paintLegend(QPainter &p, const QRectF &area, const StatisticsChartData &chart, bool draw,
                  StatisticsChartPlaces *places = nullptr)
{
    const QFont titleFont = font(14, true);
    const QFont itemFont = font(13);
    const QFontMetricsF tm(titleFont), im(itemFont);
    const qreal swatch = 14, gap = 8, rowHeight = im.height() + 8;
    const qreal titleWidth = tm.horizontalAdvance(chart.legendTitle) + 16;

    qreal itemWidth = 0;
    for (const auto &point : chart.points)
        itemWidth = qMax(itemWidth, swatch + gap + im.horizontalAdvance(point.label) + 22);
    const int count = int(chart.points.size());
    // As few rows as the width allows, with the entries shared evenly among them.
    const int fit = qMax(1, qMin(count, int((area.width() - titleWidth - 24) / qMax(1.0, itemWidth))));
    const int rows = count == 0 ? 1 : (count + fit - 1) / fit;
    const int perRow = count == 0 ? 1 : (count + rows - 1) / rows;
    const qreal height = rows * rowHeight + 12;
    if (!draw)
        return height;

    const qreal boxWidth = titleWidth + perRow * itemWidth + 16;
    const QRectF box(area.center().x() - boxWidth / 2, area.top(), boxWidth, height);
    p.setPen(QPen(Theme::colour(Theme::Colour::ChartLegendBorder), 1));
    p.setBrush(Theme::colour(Theme::Colour::ChartLegendFill, 230));
    p.drawRoundedRect(box, 6, 6);

    p.setFont(titleFont);
    p.setPen(Theme::colour(Theme::Colour::HouseBlue));
    p.drawText(QRectF(box.left() + 10, box.top() + 6, titleWidth, rowHeight), Qt::AlignVCenter, chart.legendTitle);

    p.setFont(itemFont);
    for (int i = 0; i < count; ++i) {
        const qreal x = box.left() + 10 + titleWidth + (i % perRow) * itemWidth;
        const qreal y = box.top() + 6 + (i / perRow) * rowHeight;
        const QRectF sw(x, y + (rowHeight - swatch) / 2, swatch, swatch);
        p.setPen(outline());
        p.setBrush(chart.points[i].colour);
        p.drawRect(sw);
        place(places ? &places->swatches : nullptr, p, i, sw.center());
        p.setPen(Theme::colour(Theme::Colour::ChartText));
        p.drawText(QRectF(sw.right() + gap, y, itemWidth - swatch - gap, rowHeight), Qt::AlignVCenter,
                   chart.points[i].label);
    }
    return height;
}

} // namespace

void paintStatisticsChart(QPainter &painter, const QRectF &target, const StatisticsChartData &chart,
                          StatisticsChartPlaces *places)
{
    if (target.width() < 1 || target.height() < 1)
        return;
    QPainter &p = painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal scale = qMin(target.width() / 800.0, target.height() / 600.0);
    p.translate(target.topLeft());
    p.scale(scale, scale);
    const QRectF area(0, 0, target.width() / scale, target.height() / scale);

    QLinearGradient background(area.topLeft(), area.bottomLeft());
    background.setColorAt(0, Theme::colour(Theme::Colour::ChartBackdrop));
    background.setColorAt(1, Theme::colour(Theme::Colour::ChartBackdropBottom));
    p.setPen(QPen(Theme::colour(Theme::Colour::ChartFrame), 1.5));
    p.setBrush(background);
    p.drawRoundedRect(area.adjusted(1, 1, -1, -1), 8, 8);

    const QRectF inner = area.adjusted(20, 14, -20, -12);
    p.setFont(font(27, true));
    p.setPen(Theme::colour(Theme::Colour::ChartTitle));
    const qreal titleHeight = QFontMetricsF(p.font()).height() + 10;
    p.drawText(QRectF(inner.left(), inner.top(), inner.width(), titleHeight), Qt::AlignCenter, chart.title);

    p.setFont(font(15, true));
    const qreal footHeight = QFontMetricsF(p.font()).height() + 6;
    p.setPen(Theme::colour(Theme::Colour::ChartFootnote));
    p.drawText(QRectF(inner.left(), inner.bottom() - footHeight, inner.width(), footHeight), Qt::AlignCenter,
               chart.footnote);

    const qreal legendHeight = paintLegend(p, inner, chart, false);
    const QRectF legendArea(inner.left(), inner.bottom() - footHeight - legendHeight - 6, inner.width(), legendHeight);
    paintLegend(p, legendArea, chart, true, places);

    const QRectF plot(inner.left(), inner.top() + titleHeight + 8, inner.width(),
                      legendArea.top() - inner.top() - titleHeight - 22);
    if (chart.kind == StatisticsChartData::Kind::Pie)
        paintPie(p, plot, chart, places);
    else
        paintBars(p, plot, chart, places);
    p.restore();
}
