#pragma once
#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures by logical name ("new", "save", "first", "pdf"...).
// A bundled picture under :/icons/<name>.svg or .png wins; otherwise a badge
// is drawn so that every button still has a clear face.
namespace Icons {
QIcon icon(const QString &name);
QPixmap pixmap(const QString &name, int size);
}
