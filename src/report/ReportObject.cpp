#include "report/ReportObject.h"

namespace Report {

Object text(const QString &name, QRectF mm, qreal pointSize, const QString &fixedText,
            Qt::Alignment alignment)
{
    Object o;
    o.name = name;
    o.kind = Kind::Text;
    o.mm = mm;
    o.pointSize = pointSize;
    o.text = fixedText;
    o.alignment = alignment;
    return o;
}

Object rectangle(const QString &name, QRectF mm, const QColor &fill)
{
    Object o;
    o.name = name;
    o.kind = Kind::Rectangle;
    o.mm = mm;
    o.fill = fill;
    o.outline = true;
    return o;
}

Object horizontalLine(const QString &name, qreal left, qreal top, qreal width)
{
    Object o;
    o.name = name;
    o.kind = Kind::Line;
    o.mm = QRectF(left, top, width, 0);
    return o;
}

Object verticalLine(const QString &name, qreal left, qreal top, qreal height)
{
    Object o;
    o.name = name;
    o.kind = Kind::Line;
    o.mm = QRectF(left, top, 0, height);
    return o;
}

Object picture(const QString &name, QRectF mm, const QImage &image)
{
    Object o;
    o.name = name;
    o.kind = Kind::Picture;
    o.mm = mm;
    o.picture = image;
    return o;
}

} // namespace Report
