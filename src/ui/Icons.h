#pragma once
#include <QIcon>
#include <QPixmap>
#include <QString>

class QToolButton;
class QWidget;

// The program's pictures by logical name ("new", "save", "first", "pdf"...).
// A bundled picture under :/icons/<name>.svg or .png wins; otherwise a badge
// is drawn so that every button still has a clear face.
namespace Icons {
QIcon icon(const QString &name);
QPixmap pixmap(const QString &name, int size);

// The program's one image button: flat until hovered, its picture at `size`
// pixels, a pointing hand and `tip` on hovering.
QToolButton *button(QWidget *parent, const QString &name, const QIcon &picture, int size, const QString &tip);
QToolButton *button(QWidget *parent, const char *name, const char *picture, int size, const QString &tip);
// The same, its tip also written to the window's hint line.
QToolButton *hintedButton(QWidget *parent, const char *name, const char *picture, int size, const QString &hint);
}
