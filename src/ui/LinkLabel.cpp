#include "ui/LinkLabel.h"
#include "ui/Theme.h"

#include <QEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &name, const QString &text, QWidget *parent, int pointSize)
    : QLabel(text, parent)
{
    setObjectName(name);
    QFont f = Theme::font(Theme::Face::Status, pointSize);
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    paintAs(normalColour());
}

QColor LinkLabel::normalColour()
{
    return Theme::colour(Theme::Colour::LinkNavy);
}

QColor LinkLabel::pressedColour()
{
    return Theme::colour(Theme::Colour::LinkPressed);
}

void LinkLabel::paintAs(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void LinkLabel::addBuddy(QWidget *icon)
{
    icon->setCursor(Qt::PointingHandCursor);
    icon->installEventFilter(this);
}

bool LinkLabel::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        paintAs(pressedColour());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        paintAs(normalColour());
        emit clicked();
        return true;
    }
    return false;
}

void LinkLabel::mousePressEvent(QMouseEvent *) { paintAs(pressedColour()); }

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    paintAs(normalColour());
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
