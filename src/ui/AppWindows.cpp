#include "ui/AppWindows.h"
#include "ui/AreaWindow.h"

#include <QHash>
#include <QPointer>

namespace {
QHash<QString, QPointer<QWidget>> &windows()
{
    static QHash<QString, QPointer<QWidget>> table;
    return table;
}
} // namespace

namespace AppWindows {

void add(QWidget *window) { windows().insert(window->objectName(), window); }

QWidget *get(const QString &className) { return windows().value(className); }

void show(const QString &className)
{
    QWidget *w = get(className);
    if (!w)
        return;
    if (auto *area = qobject_cast<AreaWindow *>(w))
        area->present();
    else
        w->show();
}

void clear() { windows().clear(); }

} // namespace AppWindows
