#include "ui/FieldBehaviour.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/Theme.h"
#include "storage/AmountText.h"
#include "storage/DateText.h"
#include "storage/Record.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <memory>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QValidator>
#include <algorithm>

namespace {

// The rectangle drawn behind a focused field.
class FocusRectangle : public QWidget
{
public:
    FocusRectangle(QWidget *field) : QWidget(field->parentWidget()), m_field(field)
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
        outline.setColorAt(0, Theme::colour(Theme::Colour::FocusGold));
        outline.setColorAt(1, Theme::colour(Theme::Colour::FocusFoot));
        p.fillRect(rect(), outline);
        p.fillRect(rect().adjusted(2, 2, -2, -2), Theme::colour(Theme::Colour::FocusFill));
    }

private:
    QPointer<QWidget> m_field;
};

class RectangleHighlighter : public QObject
{
public:
    RectangleHighlighter(QWidget *field) : QObject(field), m_rect(new FocusRectangle(field)) {}
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
            ? Theme::css(u"QLineEdit{background:@focusFill;border:1px solid @focusBorder;}")
            : Theme::css(u"QLineEdit{background:@fieldFill;border:1px solid @focusBorder;}"));
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)
            paint(static_cast<QLineEdit *>(o), e->type() == QEvent::FocusIn);
        return false;
    }
};

// The keys a field that takes only some characters still lets through;
// Esc among them, so that it still closes the dialog.
bool isEditingKey(int key)
{
    return key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left
        || key == Qt::Key_Right || key == Qt::Key_Tab || key == Qt::Key_Backtab
        || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
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

const char kAmountDecimals[] = "amountDecimals";
const char kAmountEmpty[] = "amountEmpty";
const char kTypingLimit[] = "typingLimit";

// The typing limit of an amount field; its maxLength may grow past it so
// that a normalised text is never cut.
int typingLimit(const QLineEdit *f)
{
    const QVariant limit = f->property(kTypingLimit);
    return limit.isValid() ? limit.toInt() : f->maxLength();
}

void writeHint(QLineEdit *f, const QString &hint)
{
    if (auto *line = f->window()->findChild<QLabel *>(QStringLiteral("panInfo")))
        line->setText(hint);
}

QString textOutsideSelection(const QLineEdit *f)
{
    QString text = f->text();
    if (f->hasSelectedText())
        text.remove(f->selectionStart(), f->selectedText().size());
    return text;
}

// Puts text into an amount field as typing would: its digits, and its first
// comma when the field has none (and takes commas at all); it replaces the
// selection.
void insertAmountText(QLineEdit *f, const QString &incoming, bool comma)
{
    const QString kept = textOutsideSelection(f);
    bool commaAllowed = comma && !kept.contains(u',');
    QString accepted;
    for (QChar c : incoming) {
        if (c >= u'0' && c <= u'9') {
            accepted += c;
        } else if (c == u',' && commaAllowed) {
            accepted += c;
            commaAllowed = false;
        }
    }
    if (accepted.isEmpty())
        return;
    if (kept.size() + accepted.size() > typingLimit(f)) {
        writeHint(f, comma ? QStringLiteral("L'importo incollato è più lungo di quanto il campo possa contenere.")
                           : QStringLiteral("Il numero incollato è più lungo di quanto il campo possa contenere."));
        return;
    }
    f->insert(accepted);
}

void normaliseField(QLineEdit *f)
{
    const int decimals = f->property(kAmountDecimals).toInt();
    const QString empty = f->property(kAmountEmpty).toString();
    const QString before = f->text();
    // A text that is not an amount stays as it is: Save and Calcola refuse it.
    if (!before.trimmed().isEmpty() && !AmountText::parse(before))
        return;
    const QString after = AmountText::normalise(before, decimals, empty);
    if (after == before)
        return;
    if (after.size() > f->maxLength()) {
        if (!f->property(kTypingLimit).isValid())
            f->setProperty(kTypingLimit, f->maxLength());
        f->setMaxLength(int(after.size()));
    }
    f->setText(after);
}

// Keys, paste, drop and entry of an amount field.
class AmountInput : public QObject
{
public:
    AmountInput(QObject *parent, bool comma) : QObject(parent), m_comma(comma) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        auto *f = static_cast<QLineEdit *>(o);
        switch (e->type()) {
        case QEvent::KeyPress:
            return key(f, static_cast<QKeyEvent *>(e));
        case QEvent::FocusIn:
            entered(f, static_cast<QFocusEvent *>(e)->reason());
            return false;
        case QEvent::MouseButtonRelease:
            if (m_selectOnRelease && !f->hasSelectedText())
                f->selectAll();
            m_selectOnRelease = false;
            return false;
        case QEvent::ContextMenu:
            contextMenu(f, static_cast<QContextMenuEvent *>(e));
            return true;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            // The cursor follows the drag only where nothing is selected, so
            // that a drop onto the selected "0,00" replaces it.
            auto *drag = static_cast<QDragMoveEvent *>(e);
            if (!drag->mimeData()->hasText()) {
                drag->ignore();
                return true;
            }
            if (!f->hasSelectedText())
                f->setCursorPosition(f->cursorPositionAt(drag->position().toPoint()));
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(e);
            if (drop->mimeData()->hasText()) {
                if (!f->hasSelectedText())
                    f->setCursorPosition(f->cursorPositionAt(drop->position().toPoint()));
                insertAmountText(f, drop->mimeData()->text(), m_comma);
                f->setFocus(Qt::OtherFocusReason);
            }
            drop->acceptProposedAction();
            return true;
        }
        default:
            return false;
        }
    }

private:
    void entered(QLineEdit *f, Qt::FocusReason reason)
    {
        // Coming back from another window or a menu keeps the cursor where it was.
        switch (reason) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            f->selectAll();
            break;
        case Qt::MouseFocusReason:
            m_selectOnRelease = true;
            break;
        default:
            break;
        }
    }

    bool key(QLineEdit *f, QKeyEvent *k)
    {
        if (k->matches(QKeySequence::Paste)) {
            insertAmountText(f, QGuiApplication::clipboard()->text(), m_comma);
            return true;
        }
        if (isEditingKey(k->key()) || k->key() == Qt::Key_Home || k->key() == Qt::Key_End
            || k->matches(QKeySequence::SelectAll) || k->matches(QKeySequence::Copy)
            || k->matches(QKeySequence::SelectPreviousChar) || k->matches(QKeySequence::SelectNextChar)
            || k->matches(QKeySequence::SelectStartOfLine) || k->matches(QKeySequence::SelectEndOfLine))
            return false;
        const QString t = k->text();
        if (t.size() != 1)
            return true;
        const bool keypad = k->modifiers() & Qt::KeypadModifier;
        if (t[0] == u'.' && !keypad && m_comma) {
            writeHint(f, QStringLiteral("Per i decimali usare la virgola."));
            return true;
        }
        const bool digit = t[0] >= u'0' && t[0] <= u'9';
        const bool comma = m_comma && (t[0] == u',' || (keypad && t[0] == u'.'));
        if (!digit && !comma)
            return true;
        if (comma && textOutsideSelection(f).contains(u','))
            return true;
        if (textOutsideSelection(f).size() >= typingLimit(f))
            return true;
        if (comma) {
            f->insert(QStringLiteral(","));
            return true;
        }
        return false;
    }

    void contextMenu(QLineEdit *f, QContextMenuEvent *e)
    {
        // A right click that brings the focus in selects like a left click,
        // so a pasted amount replaces "0,00" instead of joining it.
        if (m_selectOnRelease && !f->hasSelectedText())
            f->selectAll();
        m_selectOnRelease = false;
        std::unique_ptr<QMenu> menu(f->createStandardContextMenu());
        // Qt 6.4 names none of the menu's actions: the paste entry is the one
        // with the (translated) text QLineEdit gives it.
        const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
        for (QAction *a : menu->actions()) {
            if (a->objectName() == QStringLiteral("edit-paste") || a->text().section(u'\t', 0, 0) == pasteText) {
                a->disconnect();
                QObject::connect(a, &QAction::triggered, f,
                                 [this, f] { insertAmountText(f, QGuiApplication::clipboard()->text(), m_comma); });
            }
        }
        menu->exec(e->globalPos());
    }

    bool m_comma;
    bool m_selectOnRelease = false;
};

class AmountExit : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::FocusOut) {
            // Another application, a menu or a popup is not leaving the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(e)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
                && reason != Qt::MenuBarFocusReason)
                normaliseField(static_cast<QLineEdit *>(o));
        }
        return false;
    }
};

bool hasControlCharacter(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 32; });
}

// A validator sees every change, setText included, and may rewrite it.
class OneLineValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        if (hasControlCharacter(input)) {
            pos = int(FieldBehaviour::oneLine(input.left(pos)).size());
            input = FieldBehaviour::oneLine(input);
        }
        return Acceptable;
    }
};

class UpperCaser : public QObject
{
public:
    UpperCaser(QObject *parent, QLineEdit *field) : QObject(parent), m_field(field) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::KeyRelease && m_field) {
            QLineEdit *f = m_field;
            const QString n = FieldBehaviour::upperAscii(ShortText::trimmed(f->text()));
            if (n != f->text()) {
                const int cursor = f->cursorPosition();
                f->setText(n);
                f->setCursorPosition(qMin(cursor, int(n.size())));
            }
        }
        return false;
    }

private:
    QPointer<QLineEdit> m_field;
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

void highlightWithRectangle(QWidget *field)
{
    // An editable combo box takes the focus itself and hands its events to
    // its line edit directly, so the box is the one to watch.
    field->installEventFilter(new RectangleHighlighter(field));
}

void highlightAllWithRectangles(QWidget *window)
{
    for (QWidget *f : window->findChildren<QWidget *>())
        if ((qobject_cast<QLineEdit *>(f) || qobject_cast<QComboBox *>(f))
            && f->objectName().startsWith(QStringLiteral("txt")))
            highlightWithRectangle(f);
}

void highlightWithBackground(QLineEdit *field)
{
    field->installEventFilter(new BackgroundHighlighter(field));
}

void filterAmountKeys(QLineEdit *field)
{
    field->setAcceptDrops(true);
    field->installEventFilter(new AmountInput(field, true));
}

void filterDigitKeys(QLineEdit *field) { field->installEventFilter(new KeyFilter(field, false)); }

void filterDigitInput(QLineEdit *field)
{
    field->setAcceptDrops(true);
    field->installEventFilter(new AmountInput(field, false));
}

void normaliseAmountOnExit(QLineEdit *field, int decimals, const QString &emptyValue)
{
    field->setProperty(kAmountDecimals, decimals);
    field->setProperty(kAmountEmpty, emptyValue);
    field->installEventFilter(new AmountExit(field));
}

bool commitAmounts(QWidget *window)
{
    if (auto *focused = qobject_cast<QLineEdit *>(window->focusWidget()))
        if (focused->property(kAmountDecimals).isValid() && window->isAncestorOf(focused))
            normaliseField(focused);
    for (QLineEdit *f : window->findChildren<QLineEdit *>()) {
        if (!f->property(kAmountDecimals).isValid())
            continue;
        if (f->text().trimmed().isEmpty())
            normaliseField(f);
        if (!f->text().trimmed().isEmpty() && !AmountText::parse(f->text())) {
            Messages::warning(QStringLiteral("Attenzione: l'importo indicato non è valido.\n\r\n\r"
                                             "Correggere l'importo prima di salvare la scheda."),
                              window);
            f->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

bool requireDates(QWidget *window, const QStringList &fields)
{
    for (const QString &name : fields) {
        auto *f = window->findChild<QLineEdit *>(name);
        if (!f || f->text().trimmed().isEmpty() || DateText::isValid(f->text().trimmed()))
            continue;
        Messages::warning(QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la "
                                         "scheda è necessario indicare una data valida nel formato gg/mm/anno."),
                          window);
        f->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

void formatDates(QWidget *window, const QStringList &fields)
{
    for (const QString &name : fields) {
        auto *f = window->findChild<QLineEdit *>(name);
        if (!f)
            continue;
        const QDate date = DateText::parse(f->text().trimmed());
        if (date.isValid() && DateText::format(date) != f->text())
            f->setText(DateText::format(date));
    }
}

QString oneLine(const QString &text)
{
    if (!hasControlCharacter(text))
        return text;
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\t')
            out += u' ';
        else if (c.unicode() >= 32)
            out += c;
    }
    return out;
}

void keepOneLine(QWidget *window)
{
    for (QLineEdit *f : window->findChildren<QLineEdit *>()) {
        if (f->validator())
            continue;
        f->setValidator(new OneLineValidator(f));
    }
}


void upperCaseOnKeyRelease(QWidget *field)
{
    // Keys typed into an editable combo box reach its line edit without
    // passing the line edit's filters; watch both.
    if (auto *combo = qobject_cast<QComboBox *>(field)) {
        if (QLineEdit *edit = combo->lineEdit()) {
            combo->installEventFilter(new UpperCaser(combo, edit));
            edit->installEventFilter(new UpperCaser(edit, edit));
        }
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->installEventFilter(new UpperCaser(edit, edit));
}

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
