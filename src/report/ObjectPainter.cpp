#include "report/ObjectPainter.h"
#include "ui/Theme.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace Report {

namespace {
constexpr qreal kMmPerInch = 25.4;
// The thin outline of rectangles and the width of lines.
constexpr qreal kLineWidthMm = 0.26;

// Text on a coloured band keeps a little air from the band's edges.
constexpr qreal kBandPaddingMm = 1.0;

void paintText(QPainter &painter, const Object &o, const QRectF &band, const QDateTime &printedAt)
{
    QRectF box = band;
    if (o.fill.isValid()) {
        painter.fillRect(band, o.fill);
        const qreal padding = kBandPaddingMm * painter.device()->logicalDpiX() / kMmPerInch;
        if (box.width() > 4 * padding)
            box.adjust(padding, 0, -padding, 0);
    }
    const QString full = o.variables ? fillVariables(o.text, printedAt) : o.text;
    if (full.isEmpty())
        return;
    const QFont font = fontOf(o);
    QFontMetricsF metrics(font, painter.device());
    QString shown = full;
    Qt::Alignment alignment = o.alignment;
    if (metrics.horizontalAdvance(full) > box.width()) {
        // Too long for its box: the beginning shows, cut at the right edge.
        shown = visiblePart(full, font, painter.device(), box.width());
        alignment = (alignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
    }
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(o.textColour);
    painter.drawText(box, int(alignment) | Qt::TextSingleLine, shown);
    painter.restore();
}

void paintPicture(QPainter &painter, const Object &o, const QRectF &box)
{
    if (o.picture.isNull() || box.isEmpty())
        return;
    QSizeF size = QSizeF(o.picture.size()).scaled(box.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(0, 0), size);
    target.moveCenter(box.center());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, o.picture);
    painter.restore();
}

QPen thinPen(const Scale &scale)
{
    QPen pen(Theme::colour(Theme::Colour::PrintInk));
    pen.setWidthF(kLineWidthMm * scale.x);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}
} // namespace

Scale::Scale(const QPaintDevice *device)
{
    if (device) {
        x = device->logicalDpiX() / kMmPerInch;
        y = device->logicalDpiY() / kMmPerInch;
    }
}

QRectF Scale::rect(const QRectF &mm) const
{
    return QRectF(mm.left() * x, mm.top() * y, mm.width() * x, mm.height() * y);
}

QString dateText(const QDateTime &moment) { return moment.date().toString(QStringLiteral("dd/MM/yyyy")); }

QString timeText(const QDateTime &moment) { return moment.time().toString(QStringLiteral("HH:mm:ss")); }

QString fillVariables(QString text, const QDateTime &printedAt)
{
    if (!text.contains(u'['))
        return text;
    text.replace(QStringLiteral("[DATE]"), dateText(printedAt));
    text.replace(QStringLiteral("[TIME]"), timeText(printedAt));
    return text;
}

QFont fontOf(const Object &o)
{
    QFont font(o.fontFamily);
    font.setPointSizeF(o.pointSize);
    font.setBold(o.bold);
    font.setStyleHint(o.fontFamily == Theme::family(Theme::Face::Fixed) ? QFont::TypeWriter : QFont::SansSerif);
    return font;
}

QString visiblePart(const QString &text, const QFont &font, const QPaintDevice *device, qreal width)
{
    // The shortest beginning that reaches the edge: its last character is
    // the one the edge cuts.
    const QFontMetricsF metrics(font, device);
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high) / 2;
        if (metrics.horizontalAdvance(text.left(middle)) >= width)
            high = middle;
        else
            low = middle + 1;
    }
    return text.left(low);
}

void paintObject(QPainter &painter, const Object &o, QPointF originMm, const QDateTime &printedAt)
{
    const Scale scale(painter.device());
    const QRectF box = scale.rect(o.mm.translated(originMm));
    switch (o.kind) {
    case Kind::Text:
        paintText(painter, o, box, printedAt);
        break;
    case Kind::Picture:
        paintPicture(painter, o, box);
        break;
    case Kind::Rectangle:
        painter.save();
        if (o.fill.isValid())
            painter.fillRect(box, o.fill);
        if (o.outline) {
            painter.setPen(thinPen(scale));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
        }
        painter.restore();
        break;
    case Kind::Line:
        painter.save();
        painter.setPen(thinPen(scale));
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.restore();
        break;
    }
}

} // namespace Report
