#pragma once
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

namespace Report {

// Colours the printed pages use by name.
namespace Colours {
inline const QColor lightSteelBlue{0xB0, 0xC4, 0xDE};
inline const QColor lavender{0xE6, 0xE6, 0xFA};
inline const QColor gold{0xFF, 0xD7, 0x00};
inline const QColor aliceBlue{0xF0, 0xF8, 0xFF};
inline const QColor beige{0xF5, 0xF5, 0xDC};
inline const QColor white{0xFF, 0xFF, 0xFF};
inline const QColor slateGrey{0x70, 0x80, 0x90};
inline const QColor darkOrange{0xFF, 0x8C, 0x00};
inline const QColor teal{0x00, 0x80, 0x80};
}

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
    QString fontFamily = QStringLiteral("Arial");
    qreal pointSize = 8;
    bool bold = false;
    QColor textColour = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    // Whether "[DATE]" and "[TIME]" are filled at print time; otherwise the
    // text prints literally.
    bool variables = false;
    // Text and rectangles: background; invalid means transparent.
    QColor fill;
    // Rectangles draw their thin black outline; text objects have none.
    bool outline = false;
    // Picture objects: scaled into the box keeping proportions, centred.
    QImage picture;
};

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
