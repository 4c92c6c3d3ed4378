#pragma once
#include "ui/Guide.h"
#include "report/Booklet.h"

#include <QHash>
#include <QImage>
#include <QList>

// Guida.pdf, built from the program's own help texts: a contents page, then
// one chapter per area with its title, a picture of its window and the
// text its help button shows.
namespace GuideBook {

struct Chapter
{
    HelpTopic topic;
    QString window;  // the name of the window's picture
};
QList<Chapter> chapters();

// `pictures` by window name; a chapter without one has its text only.
Report::Booklet build(const QList<Chapter> &chapters, const QHash<QString, QImage> &pictures);

} // namespace GuideBook
