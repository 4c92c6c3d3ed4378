#include "register/Placeholder.h"
#include "ui/Theme.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void paintBackdrop(QPainter &p, const QRectF &area)
{
    QRadialGradient backdrop(area.center() + QPointF(0, -30), area.width() * 0.75);
    backdrop.setColorAt(0, Theme::colour(Theme::Colour::PlaceholderBackdrop));
    backdrop.setColorAt(0.6, Theme::colour(Theme::Colour::PlaceholderBackdropMid));
    backdrop.setColorAt(1, Theme::colour(Theme::Colour::PlaceholderBackdropEdge));
    p.fillRect(area, backdrop);
}

void paintShadow(QPainter &p, const QPointF &centre)
{
    QRadialGradient shadow(centre, 70);
    shadow.setColorAt(0, Theme::colour(Theme::Colour::Shadow, 90));
    shadow.setColorAt(1, Theme::colour(Theme::Colour::Shadow, 0));
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
    gold.setColorAt(0.0, Theme::colour(Theme::Colour::PlaceholderGoldDeep));
    gold.setColorAt(0.25, Theme::colour(Theme::Colour::PlaceholderGoldBright));
    gold.setColorAt(0.45, Theme::colour(Theme::Colour::PlaceholderGoldShine));
    gold.setColorAt(0.7, Theme::colour(Theme::Colour::PlaceholderGold));
    gold.setColorAt(1.0, Theme::colour(Theme::Colour::PlaceholderGoldDark));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(gold), 15, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(ring);
    // Inner edge of the band, a thin darker line for depth.
    p.setPen(QPen(Theme::colour(Theme::Colour::PlaceholderGoldEdge, 150), 1.5));
    p.drawEllipse(ring.adjusted(7.5, 7.5, -7.5, -7.5));
}

void paintStone(QPainter &p, const QPointF &top)
{
    // Claws holding the stone.
    p.setPen(Qt::NoPen);
    p.setBrush(Theme::colour(Theme::Colour::PlaceholderGold));
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
    ice.setColorAt(0, Theme::colour(Theme::Colour::PlaceholderStoneLight));
    ice.setColorAt(0.5, Theme::colour(Theme::Colour::PlaceholderStoneMid));
    ice.setColorAt(1, Theme::colour(Theme::Colour::PlaceholderStoneDeep));
    p.setBrush(ice);
    p.setPen(QPen(Theme::colour(Theme::Colour::PlaceholderStoneEdge), 1));
    p.drawPath(stone);

    // Facets.
    p.setPen(QPen(Theme::colour(Theme::Colour::PlaceholderFacet), 0.8));
    p.drawLine(crownLeft, crownRight);
    p.drawLine(tableLeft, QPointF(top.x() - 8, top.y() - 18));
    p.drawLine(tableRight, QPointF(top.x() + 8, top.y() - 18));
    p.drawLine(QPointF(top.x() - 8, top.y() - 18), tip);
    p.drawLine(QPointF(top.x() + 8, top.y() - 18), tip);

    // A sparkle.
    p.setPen(QPen(Theme::colour(Theme::Colour::PlaceholderStoneLight), 1.5));
    const QPointF s(top.x() - 6, top.y() - 26);
    p.drawLine(s + QPointF(-6, 0), s + QPointF(6, 0));
    p.drawLine(s + QPointF(0, -6), s + QPointF(0, 6));
}

void paintCaption(QPainter &p, const QRectF &area)
{
    QFont f = Theme::font(Theme::Face::Body);
    f.setPixelSize(13);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(Theme::colour(Theme::Colour::PlaceholderCaption));
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
