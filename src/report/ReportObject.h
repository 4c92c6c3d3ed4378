#pragma once
#include "ui/Theme.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

namespace Report {

enum class Kind { Text, Picture, Rectangle, Line };

// One object of a page or band. Geometry in millimetres from the top-left
// corner of its page's printable area (or of its band); a line runs from
// (left, top) over its width or its height, whichever is not zero.
struct Object
{
    QString name;
    Kind kind = Kind::Text;
    QRectF mm;
    // Text objects: never wrapped, clipped at their box.
    QString text;
    QString fontFamily = Theme::family(Theme::Face::Title);
    qreal pointSize = 8;
    bool bold = false;
    QColor textColour = Theme::colour(Theme::Colour::PrintInk);
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    // Whether "[DATE]" and "[TIME]" are filled at print time; otherwise the
    // text prints literally.
    bool variables = false;
    // Text and rectangles: background; invalid (noFill) means transparent.
    QColor fill;
    // Rectangles draw their thin black outline; text objects have none.
    bool outline = false;
    // Picture objects: scaled into the box keeping proportions, centred.
    QImage picture;
};

// The fill of an object that lets the page show through.
inline const QColor noFill;

// Builders that keep templates readable as tables.
Object text(const QString &name, QRectF mm, qreal pointSize, const QString &fixedText = {},
            Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
inline Object centredText(const QString &name, QRectF mm, qreal pointSize, const QString &fixedText = {})
{
    return text(name, mm, pointSize, fixedText, Qt::AlignHCenter | Qt::AlignTop);
}
Object rectangle(const QString &name, QRectF mm, const QColor &fill = {});
Object horizontalLine(const QString &name, qreal left, qreal top, qreal width);
Object verticalLine(const QString &name, qreal left, qreal top, qreal height);
Object picture(const QString &name, QRectF mm, const QImage &image = {});

} // namespace Report
