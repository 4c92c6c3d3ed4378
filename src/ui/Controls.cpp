#include "ui/Controls.h"
#include "ui/FieldBehaviour.h"
#include "storage/YesNo.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace Controls {

QWidget *child(const QWidget *window, const QString &name)
{
    if (!window)
        return nullptr;
    return window->findChild<QWidget *>(name);
}

QString text(const QWidget *c)
{
    if (auto *e = qobject_cast<const QLineEdit *>(c))
        return e->text();
    if (auto *l = qobject_cast<const QLabel *>(c))
        return l->text();
    if (auto *b = qobject_cast<const QComboBox *>(c))
        return b->currentText();
    if (auto *p = qobject_cast<const QPlainTextEdit *>(c))
        return p->toPlainText();
    if (auto *t = qobject_cast<const QTextEdit *>(c))
        return t->toPlainText();
    if (auto *k = qobject_cast<const QCheckBox *>(c))
        return YesNo::of(k->isChecked());
    if (auto *a = qobject_cast<const QAbstractButton *>(c))
        return a->text();
    return {};
}

void setText(QWidget *c, const QString &text)
{
    // Cleaned before the field's length limit applies, so that no character
    // is lost to a line break that would be removed anyway.
    if (auto *e = qobject_cast<QLineEdit *>(c)) {
        e->setText(FieldBehaviour::oneLine(text));
        e->setCursorPosition(0);
    } else if (auto *l = qobject_cast<QLabel *>(c)) {
        l->setText(text);
    } else if (auto *b = qobject_cast<QComboBox *>(c)) {
        if (b->isEditable())
            b->setEditText(FieldBehaviour::oneLine(text));
        else
            b->setCurrentIndex(b->findText(text));
    } else if (auto *p = qobject_cast<QPlainTextEdit *>(c)) {
        p->setPlainText(text);
    } else if (auto *t = qobject_cast<QTextEdit *>(c)) {
        t->setPlainText(text);
    } else if (auto *k = qobject_cast<QCheckBox *>(c)) {
        // Only "Sì" ticks; anything else unticks, so a box never carries the
        // tick of the record shown before into one whose flag is unreadable.
        k->setChecked(YesNo::parse(text).value_or(false));
    } else if (auto *a = qobject_cast<QAbstractButton *>(c)) {
        a->setText(text);
    }
}

QString text(const QWidget *window, const QString &name) { return text(child(window, name)); }

void setText(QWidget *window, const QString &name, const QString &value)
{
    if (QWidget *c = child(window, name))
        setText(c, value);
}

QString token(const QWidget *dialog) { return text(dialog, QStringLiteral("lblMemory")).trimmed(); }

void setToken(QWidget *dialog, const QString &value)
{
    setText(dialog, QStringLiteral("lblMemory"), value);
}

void addMemoryLabel(QWidget *dialog, const QString &initial) { stateLabel(dialog, "lblMemory", initial); }

QLabel *stateLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1StringView(name));
    label->hide();
    return label;
}

} // namespace Controls
