#pragma once
#include "summaries/StatisticsChartData.h"

#include <QFrame>
#include <QImage>

class QPrinter;

// The chart control of the statistics window: one series of points, shown
// as three-dimensional bars or pie in an orthogonal view.
class StatisticsChart : public QFrame
{
    Q_OBJECT
public:
    explicit StatisticsChart(QWidget *parent = nullptr);

    void clear();
    void addPoint(const QString &label, const QColor &colour, double value);
    // Changes the kind of the series; its points stay as they are.
    void setKind(StatisticsChartData::Kind kind);
    StatisticsChartData::Kind kind() const { return m_data.kind; }
    const QList<StatisticsChartData::Point> &points() const { return m_data.points; }

    // The same picture for an image or a printed page.
    QImage picture(const QSize &size) const;
    void paintOn(QPainter &painter, const QRectF &target) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    StatisticsChartData m_data;
};
