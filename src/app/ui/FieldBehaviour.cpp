#include "app/ui/FieldBehaviour.h"
#include "app/ui/Controls.h"
#include "storage/AmountText.h"
#include "storage/Record.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>

namespace {

// The rectangle drawn behind a focused field.
class FocusRectangle : public QWidget
{
public:
    FocusRectangle(QLineEdit *field) : QWidget(field->parentWidget()), m_field(field)
    {
        setObjectName(u"eff" + field->objectName().mid(3));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }
    void follow()
    {
        if (m_field)
            setGeometry(m_field->geometry().adjusted(-3, -3, 3, 3));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient outline(0, 0, 0, height());
        outline.setColorAt(0, QColor(0xFF, 0xD7, 0x00));
        outline.setColorAt(1, Qt::white);
        p.fillRect(rect(), outline);
        p.fillRect(rect().adjusted(2, 2, -2, -2), QColor(0xFF, 0xFF, 0x00));
    }

private:
    QPointer<QLineEdit> m_field;
};

class RectangleHighlighter : public QObject
{
public:
    RectangleHighlighter(QLineEdit *field) : QObject(field), m_rect(new FocusRectangle(field)) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::FocusIn:
            m_rect->follow();
            m_rect->show();
            m_rect->stackUnder(qobject_cast<QWidget *>(parent()));
            break;
        case QEvent::FocusOut:
            m_rect->hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            m_rect->follow();
            break;
        default:
            break;
        }
        return false;
    }

private:
    FocusRectangle *m_rect;
};

class BackgroundHighlighter : public QObject
{
public:
    BackgroundHighlighter(QLineEdit *field) : QObject(field) { paint(field, false); }
    static void paint(QLineEdit *field, bool focused)
    {
        field->setStyleSheet(focused
            ? QStringLiteral("QLineEdit{background:#FFFF00;border:1px solid #87CEEB;}")
            : QStringLiteral("QLineEdit{background:#F0F8FF;border:1px solid #87CEEB;}"));
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)
            paint(static_cast<QLineEdit *>(o), e->type() == QEvent::FocusIn);
        return false;
    }
};

bool isEditingKey(int key)
{
    return key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left
        || key == Qt::Key_Right || key == Qt::Key_Tab || key == Qt::Key_Backtab
        || key == Qt::Key_Return || key == Qt::Key_Enter;
}

class KeyFilter : public QObject
{
public:
    KeyFilter(QObject *parent, bool allowComma) : QObject(parent), m_allowComma(allowComma) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto *k = static_cast<QKeyEvent *>(e);
        if (isEditingKey(k->key()))
            return false;
        const QString t = k->text();
        if (t.size() == 1 && ((t[0] >= u'0' && t[0] <= u'9') || (m_allowComma && t[0] == u',')))
            return false;
        return true;
    }

private:
    bool m_allowComma;
};

class AmountExit : public QObject
{
public:
    AmountExit(QLineEdit *f, int decimals, QString empty)
        : QObject(f), m_decimals(decimals), m_empty(std::move(empty)) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::FocusOut) {
            auto *f = static_cast<QLineEdit *>(o);
            f->setText(AmountText::normalise(f->text(), m_decimals, m_empty));
        }
        return false;
    }

private:
    int m_decimals;
    QString m_empty;
};

class UpperCaser : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::KeyRelease) {
            auto *f = static_cast<QLineEdit *>(o);
            const QString n = FieldBehaviour::upperAscii(ShortText::trimmed(f->text()));
            if (n != f->text()) {
                const int cursor = f->cursorPosition();
                f->setText(n);
                f->setCursorPosition(qMin(cursor, int(n.size())));
            }
        }
        return false;
    }
};

class EnterMover : public QObject
{
public:
    EnterMover(QObject *parent, QWidget *target) : QObject(parent), m_target(target) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(e)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_target) {
                m_target->setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
        return false;
    }

private:
    QPointer<QWidget> m_target;
};

class HintWriter : public QObject
{
public:
    HintWriter(QObject *parent, QLabel *line) : QObject(parent), m_line(line) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Enter && m_line)
            m_line->setText(o->property("hint").toString());
        // Qt sends no Enter to a panel when the mouse comes back from its own
        // child button, so leaving a button empties the line itself.
        if (e->type() == QEvent::Leave && m_line && o->property("hint").isValid())
            m_line->clear();
        return false;
    }

private:
    QPointer<QLabel> m_line;
};

} // namespace

namespace FieldBehaviour {

void highlightWithRectangle(QLineEdit *field)
{
    field->installEventFilter(new RectangleHighlighter(field));
}

void highlightAllWithRectangles(QWidget *window)
{
    for (QLineEdit *f : window->findChildren<QLineEdit *>())
        if (f->objectName().startsWith(QStringLiteral("txt")))
            highlightWithRectangle(f);
}

void highlightWithBackground(QLineEdit *field)
{
    field->installEventFilter(new BackgroundHighlighter(field));
}

void filterAmountKeys(QLineEdit *field) { field->installEventFilter(new KeyFilter(field, true)); }

void filterDigitKeys(QLineEdit *field) { field->installEventFilter(new KeyFilter(field, false)); }

void normaliseAmountOnExit(QLineEdit *field, int decimals, const QString &emptyValue)
{
    field->installEventFilter(new AmountExit(field, decimals, emptyValue));
}

void upperCaseOnKeyRelease(QLineEdit *field) { field->installEventFilter(new UpperCaser(field)); }

void enterChain(QWidget *window, const QList<QPair<QString, QString>> &links)
{
    for (const auto &[from, to] : links) {
        QWidget *a = Controls::child(window, from);
        QWidget *b = Controls::child(window, to);
        if (a && b)
            a->installEventFilter(new EnterMover(a, b));
    }
}

void setHint(QWidget *control, const QString &hint) { control->setProperty("hint", hint); }

void installHintLine(QWidget *window, QLabel *line)
{
    auto *writer = new HintWriter(window, line);
    window->installEventFilter(writer);
    for (QWidget *w : window->findChildren<QWidget *>()) {
        // Buttons carry their hint; panels and frames clear the line.
        if (w->property("hint").isValid() || qobject_cast<QGroupBox *>(w)
            || (qobject_cast<QFrame *>(w) && !qobject_cast<QLabel *>(w)))
            w->installEventFilter(writer);
    }
}

QString upperAscii(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return out;
}

} // namespace FieldBehaviour
