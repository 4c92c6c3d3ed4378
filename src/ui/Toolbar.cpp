#include "ui/Toolbar.h"
#include "ui/FieldBehaviour.h"
#include "ui/Icons.h"
#include "ui/Looks.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSize>
#include <QTextEdit>
#include <QToolButton>

namespace Toolbar {

namespace {

struct SharedKeys
{
    const char *button;
    QKeyCombination keys;
    bool moves;  // a navigation: repeats while held, and leaves the page keys to a list or a multi-line text
};

const SharedKeys kSharedKeys[] = {
    {"cmdNuovo", Qt::CTRL | Qt::Key_N, false},
    {"cmdSalva", Qt::CTRL | Qt::Key_S, false},
    {"cmdTrova", Qt::CTRL | Qt::Key_F, false},
    {"cmdStampa", Qt::CTRL | Qt::Key_P, false},
    {"cmdPrimo", Qt::CTRL | Qt::Key_Home, true},
    {"cmdIndietro", QKeyCombination(Qt::Key_PageUp), true},
    {"cmdAvanti", QKeyCombination(Qt::Key_PageDown), true},
    {"cmdUltimo", Qt::CTRL | Qt::Key_End, true},
    {"cmdGuida", QKeyCombination(Qt::Key_F1), false},
};

const SharedKeys *sharedKeys(const char *name)
{
    for (const SharedKeys &k : kSharedKeys)
        if (qstrcmp(k.button, name) == 0)
            return &k;
    return nullptr;
}

// A list, a table or a multi-line text scrolls with the page keys and goes
// to its ends with Ctrl+Home and Ctrl+End: with the focus there, those keys
// stay with it. A one-line field has no pages, and takes Ctrl+Home and
// Ctrl+End only for what Home and End do there: in an area window they go
// to the first and the last record instead.
class NavigationKeys : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const QKeyCombination pressed = static_cast<QKeyEvent *>(event)->keyCombination();
        const bool toEnds = pressed == (Qt::CTRL | Qt::Key_Home) || pressed == (Qt::CTRL | Qt::Key_End);
        const bool page = pressed == QKeyCombination(Qt::Key_PageUp) || pressed == QKeyCombination(Qt::Key_PageDown);
        if (!toEnds && !page)
            return false;
        if (scrolls(watched)) {
            event->accept();
            return true;
        }
        if (toEnds && qobject_cast<QLineEdit *>(watched)) {
            event->ignore();
            return true;
        }
        return false;
    }
    static bool scrolls(const QObject *o)
    {
        return qobject_cast<const QAbstractItemView *>(o) || qobject_cast<const QPlainTextEdit *>(o)
               || qobject_cast<const QTextEdit *>(o);
    }
};

// The window's controls exist once it is shown for the first time.
class OnFirstShow : public QObject
{
public:
    OnFirstShow(QWidget *window, QObject *filter) : QObject(window), m_filter(filter) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            for (QWidget *w : static_cast<QWidget *>(watched)->findChildren<QWidget *>())
                if (qobject_cast<QLineEdit *>(w) || NavigationKeys::scrolls(w))
                    w->installEventFilter(m_filter);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QObject *m_filter;
};

void claimNavigationKeys(QWidget *window)
{
    if (window->property("navigationKeys").toBool())
        return;
    window->setProperty("navigationKeys", true);
    window->installEventFilter(new OnFirstShow(window, new NavigationKeys(window)));
}

void addShortcut(QToolButton *b, const SharedKeys &shared)
{
    auto *shortcut = new QShortcut(QKeySequence(shared.keys), b);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(shared.moves);
    // As a click: whatever else listens to the button hears it too.
    QObject::connect(shortcut, &QShortcut::activated, b, &QToolButton::click);
    b->setToolTip(b->toolTip() + QStringLiteral(" (") + QKeySequence(shared.keys).toString(QKeySequence::NativeText)
                  + u')');
    if (shared.moves)
        claimNavigationKeys(b->window());
}

} // namespace

QToolButton *button(QWidget *bar, const char *name, const char *icon, const QString &caption,
                    const QString &hint)
{
    QToolButton *b = Icons::hintedButton(bar, name, icon, 30, hint);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFocusPolicy(Qt::TabFocus);
    b->setProperty("bar", true);
    if (const SharedKeys *shared = sharedKeys(name))
        addShortcut(b, *shared);
    return b;
}

QLabel *add(QWidget *bar, QBoxLayout *row, const QList<Item> &items, const QString &positionTip)
{
    // One bar for every window: its sizes and its separators.
    constexpr int kButtonWidth = 56;
    constexpr int kGap = 4;  // each side of a separator's line
    constexpr QSize kPosition(72, 34);
    Looks::set(bar, Looks::Look::Toolbar);
    QLabel *position = nullptr;
    for (const Item &item : items) {
        if (!item.name) {
            row->addSpacing(kGap);
            auto *line = new QFrame(bar);
            line->setFrameShape(QFrame::VLine);
            line->setObjectName(QStringLiteral("shpSeparatore"));
            row->addWidget(line);
            row->addSpacing(kGap);
        } else if (!item.icon) {
            position = new QLabel(bar);
            position->setObjectName(QLatin1StringView(item.name));
            Looks::set(position, Looks::Look::Position);
            position->setAlignment(Qt::AlignCenter);
            position->setFixedSize(kPosition);
            position->setToolTip(positionTip);
            row->addWidget(position);
        } else {
            QToolButton *b = button(bar, item.name, item.icon, item.caption, item.hint);
            b->setMinimumWidth(kButtonWidth);
            QObject::connect(b, &QToolButton::clicked, bar, item.action);
            row->addWidget(b);
        }
    }
    return position;
}

} // namespace Toolbar
