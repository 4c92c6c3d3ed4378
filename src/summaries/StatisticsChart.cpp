#include "summaries/StatisticsChart.h"
#include "ui/Theme.h"

#include <QPainter>

StatisticsChart::StatisticsChart(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("ChartStats"));
    setMinimumSize(600, 360);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void StatisticsChart::clear()
{
    m_data.points.clear();
    update();
}

void StatisticsChart::addPoint(const QString &label, const QColor &colour, double value)
{
    m_data.points.append({label, colour, value});
    update();
}

void StatisticsChart::setKind(StatisticsChartData::Kind kind)
{
    m_data.kind = kind;
    update();
}

QImage StatisticsChart::picture(const QSize &size) const
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Theme::colour(Theme::Colour::Paper));
    QPainter p(&image);
    paintOn(p, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

void StatisticsChart::paintOn(QPainter &painter, const QRectF &target) const
{
    paintStatisticsChart(painter, target, m_data);
}

void StatisticsChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintOn(p, QRectF(rect()));
}
