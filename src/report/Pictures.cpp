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

namespace {
// A sheet of paper with a few lines of text on it.
void paintSheet(QPainter &painter, const QRectF &sheet)
{
    painter.setPen(QPen(QColor(0x90, 0x9A, 0xA6), sheet.width() * 0.03));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    painter.setPen(QPen(QColor(0xB0, 0xBC, 0xC8), sheet.height() * 0.04));
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
    body.setColorAt(0, QColor(0x78, 0x86, 0x94));
    body.setColorAt(1, QColor(0x37, 0x47, 0x4F));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(0.08 * s, 0.34 * s, 0.84 * s, 0.42 * s), 0.06 * s, 0.06 * s);
    painter.setBrush(QColor(0x26, 0x32, 0x38));
    painter.drawRect(QRectF(0.2 * s, 0.62 * s, 0.6 * s, 0.06 * s));
    paintSheet(painter, QRectF(0.24 * s, 0.66 * s, 0.52 * s, 0.28 * s));
    painter.setBrush(QColor(0x43, 0xA0, 0x47));
    painter.drawEllipse(QPointF(0.82 * s, 0.44 * s), 0.035 * s, 0.035 * s);
}

void paintPreview(QPainter &painter, qreal s)
{
    paintSheet(painter, QRectF(0.14 * s, 0.06 * s, 0.58 * s, 0.78 * s));
    const QPointF centre(0.6 * s, 0.56 * s);
    painter.setPen(QPen(QColor(0x4E, 0x34, 0x2E), 0.1 * s, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(0.14 * s, 0.14 * s), centre + QPointF(0.3 * s, 0.3 * s));
    painter.setPen(QPen(QColor(0x00, 0x83, 0x8F), 0.06 * s));
    painter.setBrush(QColor(0xB2, 0xEB, 0xF2, 0xA0));
    painter.drawEllipse(centre, 0.2 * s, 0.2 * s);
}

void paintPdf(QPainter &painter, qreal s)
{
    paintSheet(painter, QRectF(0.18 * s, 0.06 * s, 0.64 * s, 0.86 * s));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC6, 0x28, 0x28));
    const QRectF band(0.08 * s, 0.56 * s, 0.64 * s, 0.26 * s);
    painter.drawRoundedRect(band, 0.04 * s, 0.04 * s);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qMax(6, qRound(0.18 * s)));
    painter.setFont(font);
    painter.setPen(Qt::white);
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
