#include "ui/FieldKind.h"
#include "ui/FieldBehaviour.h"
#include "storage/Provinces.h"

#include <QComboBox>
#include <QLineEdit>

namespace FieldKinds {

QWidget *make(QWidget *parent, const QString &name, const FieldKind &kind, int maxLength)
{
    QWidget *field;
    if (kind.type == FieldKind::Province) {
        auto *box = new QComboBox(parent);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        // Inline completion would fight the capitals written on each key release.
        box->setCompleter(nullptr);
        box->addItems(Provinces::codes());
        field = box;
    } else {
        field = new QLineEdit(parent);
    }
    field->setObjectName(name);
    lineEdit(field)->setMaxLength(maxLength);
    return field;
}

void apply(QWidget *field, const FieldKind &kind)
{
    switch (kind.type) {
    case FieldKind::Amount:
        FieldBehaviour::filterAmountKeys(lineEdit(field));
        FieldBehaviour::normaliseAmountOnExit(lineEdit(field), kind.decimals, kind.empty);
        break;
    case FieldKind::UpperCase:
        FieldBehaviour::upperCaseOnKeyRelease(field);
        break;
    case FieldKind::Province: {
        FieldBehaviour::upperCaseOnKeyRelease(field);
        // A code pasted with the mouse has no key release: its capitals come
        // on leaving. Bound to the line edit alone, as it also finishes
        // editing while its window is being destroyed.
        QLineEdit *edit = lineEdit(field);
        QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit] {
            edit->setText(FieldBehaviour::upperAscii(edit->text().trimmed()));
        });
        break;
    }
    case FieldKind::Digits:
        FieldBehaviour::filterDigitKeys(lineEdit(field));
        break;
    case FieldKind::Text:
    case FieldKind::Date:
        break;
    }
}

QLineEdit *lineEdit(QWidget *field)
{
    if (auto *box = qobject_cast<QComboBox *>(field))
        return box->lineEdit();
    return qobject_cast<QLineEdit *>(field);
}

} // namespace FieldKinds
