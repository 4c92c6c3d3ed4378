#pragma once
#include "report/ReportObject.h"

#include <QDateTime>
#include <QFont>
#include <QPointF>

class QPainter;
class QPaintDevice;

namespace Report {

// Millimetres to the pixels of the device being painted.
struct Scale
{
    explicit Scale(const QPaintDevice *device);
    qreal x = 1;
    qreal y = 1;
    QRectF rect(const QRectF &mm) const;
};

// "[DATE]" becomes dd/mm/yyyy and "[TIME]" hh:mm:ss of the given moment.
QString fillVariables(QString text, const QDateTime &printedAt);
QString dateText(const QDateTime &moment);
QString timeText(const QDateTime &moment);

QFont fontOf(const Object &object);

// The part of `text` that shows in a box `width` device pixels wide: every
// character that starts inside the box (the last one may be cut by the clip).
QString visiblePart(const QString &text, const QFont &font, const QPaintDevice *device, qreal width);

// Paints one object offset by `originMm` (a band's top-left corner).
void paintObject(QPainter &painter, const Object &object, QPointF originMm, const QDateTime &printedAt);

} // namespace Report
