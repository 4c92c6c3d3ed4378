#pragma once
#include "register/PhotoFiles.h"

#include <QImage>
#include <QString>
#include <optional>

class QWidget;

// What the photo buttons of the register window and of the camera dialog do.
namespace PhotoActions {
// Asks for a JPEG or bitmap file. Nothing when the user cancels or when
// the chosen file cannot be read (too large or broken: the user is warned).
std::optional<PhotoFiles::Picture> loadFromChosenFile(QWidget *parent);
// Asks where to write the picture and writes it there (a JPEG as it was
// read). A failure is reported and the picture stays where it was. True
// when written.
bool saveToChosenFile(QWidget *parent, const PhotoFiles::Picture &picture);
// The full-screen viewer, closed by a click.
void showFullScreen(QWidget *parent, const QImage &picture);

QString saveFailedText();
QString unreadableChoiceText();
}
