#include "report/Pictures.h"
#include "storage/DataFolder.h"

#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Report::Pictures {

namespace {
const QColor kDeepBlue(0x0B, 0x3D, 0x91);
const QColor kBrightBlue(0x2F, 0x7B, 0xE0);

// A euro sign drawn as strokes, so it does not depend on an installed font:
// an open ring and two bars, filling `box` (kept square).
void paintEuro(QPainter &painter, const QRectF &box, const QBrush &brush)
{
    const qreal side = std::min(box.width(), box.height());
    const QPointF centre = box.center() + QPointF(side * 0.06, 0);
    const qreal radius = side * 0.36;
    const qreal stroke = side * 0.11;

    QPainterPath ring;
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    ring.arcMoveTo(circle, 45);
    ring.arcTo(circle, 45, 270);

    QPainterPath bars;
    const qreal barLeft = centre.x() - radius - side * 0.16;
    const qreal barRight = centre.x() + radius * 0.35;
    const qreal gap = radius * 0.24;
    for (qreal y : {centre.y() - gap - stroke * 0.5, centre.y() + gap - stroke * 0.5})
        bars.addRect(QRectF(barLeft, y, barRight - barLeft, stroke * 0.85));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(brush, stroke, Qt::SolidLine, Qt::FlatCap);
    painter.strokePath(ring, pen);
    painter.fillPath(bars, brush);
    painter.restore();
}

QLinearGradient blueGradient(const QRectF &box)
{
    QLinearGradient gradient(box.topLeft(), box.bottomRight());
    gradient.setColorAt(0, kBrightBlue);
    gradient.setColorAt(1, kDeepBlue);
    return gradient;
}
} // namespace

QImage defaultLogo()
{
    QImage image(297, 184, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QRectF box(0, 0, 297, 184);
    paintEuro(painter, box.adjusted(50, 8, -50, -8), blueGradient(box));
    return image;
}

QImage euroSign(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QRectF box(0, 0, size, size);
    paintEuro(painter, box, blueGradient(box));
    return image;
}

QImage companyLogo()
{
    QImageReader reader(DataFolder::file(FileNames::logo()));
    const QImage logo = reader.read();
    return logo.isNull() ? defaultLogo() : logo;
}

} // namespace Report::Pictures
