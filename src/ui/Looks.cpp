#include "ui/Looks.h"
#include "ui/Theme.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace Looks {

namespace {

const char *propertyValue(Look look)
{
    switch (look) {
    case Look::Page: return "page";
    case Look::MenuPage: return "menuPage";
    case Look::Card: return "card";
    case Look::Toolbar: return "toolbar";
    case Look::Position: return "position";
    case Look::Heading: return "heading";
    case Look::HeadingBar: return "headingBar";
    case Look::HeadingText: return "headingText";
    case Look::Caption: return "caption";
    case Look::CaptionAlert: return "captionAlert";
    case Look::Title: return "title";
    case Look::Status: return "status";
    case Look::Band: return "band";
    case Look::Emphasis: return "emphasis";
    case Look::Progress: return "progress";
    case Look::Warning: return "warning";
    case Look::Explanation: return "explanation";
    }
    return "";
}

class RowSpreader : public QObject
{
public:
    RowSpreader(QWidget *room, QGridLayout *grid, int maxSpacing)
        : QObject(grid), m_grid(grid), m_base(grid->verticalSpacing()), m_max(maxSpacing)
    {
        room->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            spread(static_cast<QWidget *>(watched)->size());
        return false;
    }

private:
    void spread(QSize room)
    {
        m_grid->setVerticalSpacing(m_base);
        // Wrapped captions need more height in a narrower room.
        const int needed = m_grid->hasHeightForWidth() ? m_grid->heightForWidth(room.width())
                                                       : m_grid->minimumSize().height();
        const int gaps = std::max(1, m_grid->rowCount() - 1);
        const int extra = std::max(0, room.height() - needed) / gaps;
        m_grid->setVerticalSpacing(std::min(m_base + extra, m_max));
    }

    QGridLayout *m_grid;
    int m_base;
    int m_max;
};

class WidthWatch : public QObject
{
public:
    WidthWatch(QWidget *room, int width, QObject *context, std::function<void(bool)> relayout)
        : QObject(room), m_width(width), m_context(context), m_relayout(std::move(relayout))
    {
        room->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Resize)
            return false;
        const bool wide = static_cast<QWidget *>(watched)->width() >= m_width;
        if (wide != m_wide) {
            m_wide = wide;
            // Not inside the resize: the new layout is made once it is over.
            QMetaObject::invokeMethod(m_context, [self = QPointer<WidthWatch>(this), wide] {
                if (self && wide == self->m_wide)
                    self->m_relayout(wide);
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    int m_width;
    QObject *m_context;
    std::function<void(bool)> m_relayout;
    bool m_wide = false;
};

} // namespace

void onWidthCrossing(QWidget *room, int width, QObject *context, std::function<void(bool wide)> relayout)
{
    new WidthWatch(room, width, context, std::move(relayout));
}

void spreadRows(QWidget *room, QGridLayout *grid, int maxSpacing)
{
    new RowSpreader(room, grid, maxSpacing);
}

void set(QWidget *widget, Look look)
{
    widget->setProperty("look", QString::fromLatin1(propertyValue(look)));
    // Plain widgets draw a style-sheet background only when asked to.
    widget->setAttribute(Qt::WA_StyledBackground);
}

void install()
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    static const QString sheet = Theme::sheet(Theme::Sheet::Application);
    if (app->styleSheet() != sheet)
        app->setStyleSheet(sheet);
}

} // namespace Looks
