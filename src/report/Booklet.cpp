#include "report/Booklet.h"
#include "report/ObjectPainter.h"

#include <QFontMetricsF>
#include <QImage>

namespace Report {

namespace {
// Text is measured at print resolution, so that what fits here fits on paper.
constexpr int kMeasureDpi = 1200;
constexpr qreal kMmPerInch = 25.4;
// A little room so that hinting on another device never pushes a line past its box.
constexpr qreal kWrapSlack = 0.97;

const QImage &measuringDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(kMeasureDpi / kMmPerInch * 1000);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

Object styledText(const Booklet::TextStyle &style)
{
    Object o;
    o.kind = Kind::Text;
    o.fontFamily = style.fontFamily;
    o.pointSize = style.pointSize;
    o.bold = style.bold;
    o.textColour = style.colour;
    return o;
}

qreal toMm(qreal devicePixels) { return devicePixels / kMeasureDpi * kMmPerInch; }

// Splits a word wider than the box into pieces that fit.
QStringList splitWord(const QString &word, const QFontMetricsF &metrics, qreal width)
{
    QStringList pieces;
    QString piece;
    for (QChar c : word) {
        if (!piece.isEmpty() && metrics.horizontalAdvance(piece + c) > width) {
            pieces.append(piece);
            piece.clear();
        }
        piece += c;
    }
    if (!piece.isEmpty())
        pieces.append(piece);
    return pieces;
}
} // namespace

Booklet::Booklet(const QString &name, const QPageLayout &layout, qreal footerMm)
    : m_name(name), m_layout(layout), m_footerMm(footerMm)
{
    newPage();
}

qreal Booklet::widthMm() const { return m_layout.paintRect(QPageLayout::Millimeter).width(); }

qreal Booklet::heightMm() const { return m_layout.paintRect(QPageLayout::Millimeter).height() - m_footerMm; }

void Booklet::newPage()
{
    m_pages.append(QList<Object>());
    m_top = 0;
}

void Booklet::place(int page, const Object &object) { m_pages[page].append(object); }

qreal Booklet::lineHeightMm(const TextStyle &style)
{
    return toMm(QFontMetricsF(fontOf(styledText(style)), &measuringDevice()).lineSpacing());
}

QStringList Booklet::wrap(const QString &text, const TextStyle &style, qreal widthMm)
{
    const QFontMetricsF metrics(fontOf(styledText(style)), &measuringDevice());
    const qreal width = widthMm / kMmPerInch * kMeasureDpi * kWrapSlack;
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n')) {
        QString line;
        for (const QString &word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            const QString candidate = line.isEmpty() ? word : line + u' ' + word;
            if (metrics.horizontalAdvance(candidate) <= width) {
                line = candidate;
                continue;
            }
            if (!line.isEmpty())
                lines.append(line);
            QStringList pieces = splitWord(word, metrics, width);
            line = pieces.takeLast();
            lines.append(pieces);
        }
        lines.append(line);
    }
    return lines;
}

void Booklet::addText(const QString &text, const TextStyle &style)
{
    const qreal lineHeight = lineHeightMm(style);
    Object line = styledText(style);
    for (const QString &words : wrap(text, style, widthMm())) {
        if (m_top + lineHeight > heightMm())
            newPage();
        if (!words.isEmpty()) {
            line.text = words;
            line.mm = QRectF(0, m_top, widthMm(), lineHeight);
            m_pages.last().append(line);
        }
        m_top += lineHeight;
    }
    m_top += style.spaceAfterMm;
}

void Booklet::addPicture(const QImage &image, qreal maxHeightMm, qreal spaceAfterMm)
{
    if (image.isNull())
        return;
    const QSizeF size = QSizeF(image.size()).scaled(QSizeF(widthMm(), maxHeightMm), Qt::KeepAspectRatio);
    if (m_top + size.height() > heightMm() && m_top > 0)
        newPage();
    const qreal left = (widthMm() - size.width()) / 2;
    m_pages.last().append(picture(QString(), QRectF(QPointF(left, m_top), size), image));
    m_top += size.height() + spaceAfterMm;
}

void Booklet::paintPage(QPainter &painter, int index, const QDateTime &printedAt) const
{
    for (const Object &o : m_pages.at(index))
        paintObject(painter, o, QPointF(0, 0), printedAt);
}

} // namespace Report
