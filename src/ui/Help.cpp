#include "ui/Help.h"

#include <QAbstractButton>
#include <QHash>
#include <QShortcut>

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

void bindKey(QWidget *window)
{
    const QKeySequence f1(Qt::Key_F1);
    for (const QShortcut *s : window->findChildren<QShortcut *>())
        if (s->key() == f1)
            return;
    auto *shortcut = new QShortcut(f1, window);
    QObject::connect(shortcut, &QShortcut::activated, window, [window] {
        for (const char *name : {"cmdGuida", "imgGuida"})
            for (QAbstractButton *b : window->findChildren<QAbstractButton *>(QLatin1StringView(name)))
                if (b->isVisible() && b->isEnabled()) {
                    b->click();
                    return;
                }
    });
}

} // namespace Help
