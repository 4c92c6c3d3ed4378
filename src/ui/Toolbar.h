#pragma once
#include <QList>
#include <QString>
#include <functional>

class QBoxLayout;
class QLabel;
class QToolButton;
class QWidget;

// The toolbar of an area window, built from its table. One policy for every
// window: a button shows its icon above its caption, is reached by Tab but
// never takes the focus from a click, shows a pointing hand, and its hint is
// its tooltip and goes to the window's hint line. The commands every area
// shares (New, Save, Find, Print, the four navigations, the guide) answer
// the same keys in every window, named in their tooltips.
namespace Toolbar {

struct Item
{
    const char *name;  // nullptr: a separator; "lblPosizione": the position label
    const char *icon;
    QString caption;
    QString hint;
    std::function<void()> action;
};

// A window's table names its handlers; bind() ties them to the window.
template <class W>
struct Command
{
    const char *name;
    const char *icon;
    QString caption;
    QString hint;
    void (W::*slot)();
};

template <class W>
QList<Item> bind(W *window, const QList<Command<W>> &commands)
{
    QList<Item> items;
    for (const Command<W> &c : commands) {
        std::function<void()> action;
        if (c.slot)
            action = [window, slot = c.slot] { (window->*slot)(); };
        items.append({c.name, c.icon, c.caption, c.hint, action});
    }
    return items;
}

QToolButton *button(QWidget *bar, const char *name, const char *icon, const QString &caption,
                    const QString &hint);
// Adds the items to `row` inside `bar`; gives the position label when the
// items hold one, else nullptr.
QLabel *add(QWidget *bar, QBoxLayout *row, const QList<Item> &items, const QString &positionTip = {});

} // namespace Toolbar
