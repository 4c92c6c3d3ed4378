#include "ui/Help.h"

#include <QHash>

namespace {
QHash<QString, HelpTopic> &entries()
{
    static QHash<QString, HelpTopic> table;
    return table;
}
}

namespace Help {

void add(const QString &windowClass, const HelpTopic &topic) { entries().insert(windowClass, topic); }

HelpTopic of(const QString &windowClass) { return entries().value(windowClass); }

void open(QWidget *window)
{
    // The most derived class: the three period summaries share a base, and
    // so do the three export windows.
    TfrmGuida::open(window, of(QString::fromLatin1(window->metaObject()->className())));
}

} // namespace Help
