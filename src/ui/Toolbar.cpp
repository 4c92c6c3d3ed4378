#include "ui/Toolbar.h"
#include "ui/FieldBehaviour.h"
#include "ui/Icons.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBoxLayout>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>
#include <QToolButton>

namespace Toolbar {

namespace {

struct SharedKeys
{
    const char *button;
    QKeyCombination keys;
    bool moves;  // a navigation: repeats while held, and yields to a list or a multi-line text
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
// to its ends with Ctrl+Home and Ctrl+End; a one-line field has no pages.
bool scrollsWithPageKeys(const QWidget *focus)
{
    return qobject_cast<const QAbstractItemView *>(focus) || qobject_cast<const QPlainTextEdit *>(focus)
           || qobject_cast<const QTextEdit *>(focus);
}

// A one-line field takes Ctrl+Home and Ctrl+End for itself (they do what
// Home and End do there); in an area window they go to the first and the
// last record instead.
class NavigationKeys : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const QKeyCombination pressed = key->keyCombination();
            if (pressed == (Qt::CTRL | Qt::Key_Home) || pressed == (Qt::CTRL | Qt::Key_End)) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

void claimNavigationKeys(QWidget *window)
{
    if (window->property("navigationKeys").toBool())
        return;
    window->setProperty("navigationKeys", true);
    auto *filter = new NavigationKeys(window);
    // The window's fields exist once it is shown for the first time.
    class OnFirstShow : public QObject
    {
    public:
        OnFirstShow(QWidget *window, QObject *filter) : QObject(window), m_filter(filter) {}
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Show) {
                for (QLineEdit *field : static_cast<QWidget *>(watched)->findChildren<QLineEdit *>())
                    field->installEventFilter(m_filter);
                watched->removeEventFilter(this);
                deleteLater();
            }
            return false;
        }

    private:
        QObject *m_filter;
    };
    window->installEventFilter(new OnFirstShow(window, filter));
}

void addShortcut(QToolButton *b, const SharedKeys &shared)
{
    auto *shortcut = new QShortcut(QKeySequence(shared.keys), b);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(shared.moves);
    const QKeyCombination keys = shared.keys;
    const bool moves = shared.moves;
    QObject::connect(shortcut, &QShortcut::activated, b, [b, keys, moves] {
        QWidget *focus = QApplication::focusWidget();
        if (moves && focus && scrollsWithPageKeys(focus)) {
            QKeyEvent press(QEvent::KeyPress, keys.key(), keys.keyboardModifiers());
            QCoreApplication::sendEvent(focus, &press);
            return;
        }
        // As a click: whatever else listens to the button hears it too.
        b->click();
    });
    b->setToolTip(b->toolTip() + QStringLiteral(" (") + QKeySequence(keys).toString(QKeySequence::NativeText)
                  + u')');
    if (moves)
        claimNavigationKeys(b->window());
}

} // namespace

QKeySequence keysOf(const char *name)
{
    const SharedKeys *shared = sharedKeys(name);
    return shared ? QKeySequence(shared->keys) : QKeySequence();
}

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

QLabel *add(QWidget *bar, QBoxLayout *row, const QList<Item> &items, const Look &look)
{
    QLabel *position = nullptr;
    for (const Item &item : items) {
        if (!item.name) {
            row->addSpacing(look.gap);
            if (look.separatorLine) {
                auto *line = new QFrame(bar);
                line->setFrameShape(QFrame::VLine);
                line->setObjectName(QStringLiteral("shpSeparatore"));
                row->addWidget(line);
            }
            row->addSpacing(look.gap);
        } else if (!item.icon) {
            position = new QLabel(bar);
            position->setObjectName(QLatin1StringView(item.name));
            position->setAlignment(Qt::AlignCenter);
            if (look.fixedPositionWidth)
                position->setFixedWidth(look.position.width());
            else
                position->setMinimumWidth(look.position.width());
            position->setFixedHeight(look.position.height());
            position->setToolTip(look.positionTip);
            row->addWidget(position);
        } else {
            QToolButton *b = button(bar, item.name, item.icon, item.caption, item.hint);
            if (look.buttonWidth > 0)
                b->setMinimumWidth(look.buttonWidth);
            QObject::connect(b, &QToolButton::clicked, bar, item.action);
            row->addWidget(b);
        }
    }
    return position;
}

} // namespace Toolbar
