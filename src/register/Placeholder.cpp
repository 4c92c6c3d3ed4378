#include "register/Placeholder.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void paintBackdrop(QPainter &p, const QRectF &area)
{
    QRadialGradient backdrop(area.center() + QPointF(0, -30), area.width() * 0.75);
    backdrop.setColorAt(0, QColor(0xFB, 0xF8, 0xF3));
    backdrop.setColorAt(0.6, QColor(0xE4, 0xDE, 0xD5));
    backdrop.setColorAt(1, QColor(0xB9, 0xB1, 0xA6));
    p.fillRect(area, backdrop);
}

void paintShadow(QPainter &p, const QPointF &centre)
{
    QRadialGradient shadow(centre, 70);
    shadow.setColorAt(0, QColor(0, 0, 0, 90));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(centre);
    p.scale(1.0, 0.18);
    p.translate(-centre);
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(centre, 70, 70);
    p.restore();
}

void paintBand(QPainter &p, const QRectF &ring)
{
    QLinearGradient gold(ring.topLeft(), ring.topRight());
    gold.setColorAt(0.0, QColor(0x8A, 0x62, 0x12));
    gold.setColorAt(0.25, QColor(0xF6, 0xD3, 0x65));
    gold.setColorAt(0.45, QColor(0xFF, 0xF4, 0xC2));
    gold.setColorAt(0.7, QColor(0xC9, 0x97, 0x2B));
    gold.setColorAt(1.0, QColor(0x6E, 0x4B, 0x0C));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(gold), 15, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(ring);
    // Inner edge of the band, a thin darker line for depth.
    p.setPen(QPen(QColor(0x7A, 0x55, 0x10, 150), 1.5));
    p.drawEllipse(ring.adjusted(7.5, 7.5, -7.5, -7.5));
}

void paintStone(QPainter &p, const QPointF &top)
{
    // Claws holding the stone.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC9, 0x97, 0x2B));
    p.drawRoundedRect(QRectF(top.x() - 19, top.y() - 6, 38, 12), 4, 4);

    const QPointF crownLeft(top.x() - 26, top.y() - 18);
    const QPointF crownRight(top.x() + 26, top.y() - 18);
    const QPointF tableLeft(top.x() - 14, top.y() - 32);
    const QPointF tableRight(top.x() + 14, top.y() - 32);
    const QPointF tip(top.x(), top.y() + 2);

    QPainterPath stone;
    stone.moveTo(tableLeft);
    stone.lineTo(tableRight);
    stone.lineTo(crownRight);
    stone.lineTo(tip);
    stone.lineTo(crownLeft);
    stone.closeSubpath();
    QLinearGradient ice(tableLeft, tip);
    ice.setColorAt(0, Qt::white);
    ice.setColorAt(0.5, QColor(0xCF, 0xE8, 0xF7));
    ice.setColorAt(1, QColor(0x86, 0xB4, 0xD6));
    p.setBrush(ice);
    p.setPen(QPen(QColor(0x6D, 0x93, 0xB3), 1));
    p.drawPath(stone);

    // Facets.
    p.setPen(QPen(QColor(0x8F, 0xB7, 0xD3), 0.8));
    p.drawLine(crownLeft, crownRight);
    p.drawLine(tableLeft, QPointF(top.x() - 8, top.y() - 18));
    p.drawLine(tableRight, QPointF(top.x() + 8, top.y() - 18));
    p.drawLine(QPointF(top.x() - 8, top.y() - 18), tip);
    p.drawLine(QPointF(top.x() + 8, top.y() - 18), tip);

    // A sparkle.
    p.setPen(QPen(Qt::white, 1.5));
    const QPointF s(top.x() - 6, top.y() - 26);
    p.drawLine(s + QPointF(-6, 0), s + QPointF(6, 0));
    p.drawLine(s + QPointF(0, -6), s + QPointF(0, 6));
}

void paintCaption(QPainter &p, const QRectF &area)
{
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(13);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(0x6B, 0x63, 0x58));
    p.drawText(area.adjusted(0, 0, -12, -10), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("Nessuna foto"));
}

QImage paintRing()
{
    QImage image(Placeholder::kWidth, Placeholder::kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, Placeholder::kWidth, Placeholder::kHeight);
    paintBackdrop(p, area);
    const QPointF centre(area.center().x(), 142);
    paintShadow(p, QPointF(centre.x(), 220));
    const QRectF ring(centre.x() - 58, centre.y() - 62, 116, 134);
    paintBand(p, ring);
    paintStone(p, QPointF(centre.x(), ring.top() - 2));
    paintCaption(p, area);
    return image;
}

} // namespace

namespace Placeholder {
const QImage &ringPhoto()
{
    static const QImage picture = paintRing();
    return picture;
}
}
