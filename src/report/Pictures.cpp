#include "report/Pictures.h"
#include "storage/DataFolder.h"
#include "ui/Theme.h"

#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Report::Pictures {

namespace {
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
    gradient.setColorAt(0, Theme::colour(Theme::Colour::LogoBright));
    gradient.setColorAt(1, Theme::colour(Theme::Colour::LogoDeep));
    return gradient;
}
} // namespace

QImage defaultLogo()
{
    QImage image(297, 184, QImage::Format_RGB32);
    image.fill(Theme::colour(Theme::Colour::Paper));
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

namespace {
// A sheet of paper with a few lines of text on it.
void paintSheet(QPainter &painter, const QRectF &sheet)
{
    painter.setPen(QPen(Theme::colour(Theme::Colour::SheetEdge), sheet.width() * 0.03));
    painter.setBrush(Theme::colour(Theme::Colour::Paper));
    painter.drawRect(sheet);
    painter.setPen(QPen(Theme::colour(Theme::Colour::SheetLines), sheet.height() * 0.04));
    for (int i = 1; i <= 4; ++i) {
        const qreal y = sheet.top() + sheet.height() * (0.1 + 0.18 * i);
        painter.drawLine(QPointF(sheet.left() + sheet.width() * 0.18, y),
                         QPointF(sheet.right() - sheet.width() * (i % 2 ? 0.18 : 0.35), y));
    }
}

void paintPrinter(QPainter &painter, qreal s)
{
    paintSheet(painter, QRectF(0.28 * s, 0.06 * s, 0.44 * s, 0.36 * s));
    QLinearGradient body(0, 0.34 * s, 0, 0.78 * s);
    body.setColorAt(0, Theme::colour(Theme::Colour::PrinterTop));
    body.setColorAt(1, Theme::colour(Theme::Colour::PrinterBottom));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(0.08 * s, 0.34 * s, 0.84 * s, 0.42 * s), 0.06 * s, 0.06 * s);
    painter.setBrush(Theme::colour(Theme::Colour::PrinterSlot));
    painter.drawRect(QRectF(0.2 * s, 0.62 * s, 0.6 * s, 0.06 * s));
    paintSheet(painter, QRectF(0.24 * s, 0.66 * s, 0.52 * s, 0.28 * s));
    painter.setBrush(Theme::colour(Theme::Colour::PrinterLamp));
    painter.drawEllipse(QPointF(0.82 * s, 0.44 * s), 0.035 * s, 0.035 * s);
}

void paintPreview(QPainter &painter, qreal s)
{
    paintSheet(painter, QRectF(0.14 * s, 0.06 * s, 0.58 * s, 0.78 * s));
    const QPointF centre(0.6 * s, 0.56 * s);
    painter.setPen(QPen(Theme::colour(Theme::Colour::LensHandle), 0.1 * s, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(0.14 * s, 0.14 * s), centre + QPointF(0.3 * s, 0.3 * s));
    painter.setPen(QPen(Theme::colour(Theme::Colour::LensRim), 0.06 * s));
    painter.setBrush(Theme::colour(Theme::Colour::LensGlass, 0xA0));
    painter.drawEllipse(centre, 0.2 * s, 0.2 * s);
}

void paintPdf(QPainter &painter, qreal s)
{
    paintSheet(painter, QRectF(0.18 * s, 0.06 * s, 0.64 * s, 0.86 * s));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Theme::colour(Theme::Colour::PdfBand));
    const QRectF band(0.08 * s, 0.56 * s, 0.64 * s, 0.26 * s);
    painter.drawRoundedRect(band, 0.04 * s, 0.04 * s);
    QFont font = Theme::font(Theme::Face::Glyphs);
    font.setBold(true);
    font.setPixelSize(qMax(6, qRound(0.18 * s)));
    painter.setFont(font);
    painter.setPen(Theme::colour(Theme::Colour::TextOnColour));
    painter.drawText(band, Qt::AlignCenter, QStringLiteral("PDF"));
}
} // namespace

QImage illustration(Illustration kind, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case Illustration::Printer: paintPrinter(painter, size); break;
    case Illustration::Preview: paintPreview(painter, size); break;
    case Illustration::Pdf: paintPdf(painter, size); break;
    }
    return image;
}

QImage companyLogo()
{
    QImageReader reader(DataFolder::file(FileNames::logo()));
    const QImage logo = reader.read();
    return logo.isNull() ? defaultLogo() : logo;
}

} // namespace Report::Pictures
