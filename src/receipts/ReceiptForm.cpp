#include "receipts/ReceiptForm.h"
#include "ui/FieldBehaviour.h"
#include "ui/Icons.h"
#include "storage/Provinces.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace ReceiptForm {

QFrame *card(QWidget *parent, const char *name, const QString &title, QHBoxLayout **header,
             QLabel **titleLabel)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1StringView(name));
    frame->setProperty("card", true);
    auto *bar = new QWidget(frame);
    bar->setProperty("cardBar", true);
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setFixedHeight(30);
    auto *titleText = new QLabel(title, bar);
    titleText->setProperty("cardTitle", true);
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(10, 0, 6, 0);
    barLayout->addWidget(titleText, 1);
    if (header)
        *header = barLayout;
    if (titleLabel)
        *titleLabel = titleText;
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(1, 1, 1, 8);
    layout->setSpacing(6);
    layout->addWidget(bar);
    return frame;
}

void addFields(QWidget *owner, QGridLayout *grid, std::span<const Field> fields)
{
    for (const Field &f : fields) {
        auto *label = new QLabel(QString::fromUtf16(f.label), owner);
        QWidget *control = nullptr;
        if (f.kind == Kind::Province) {
            auto *box = new QComboBox(owner);
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            // Inline completion would fight the capitals written on each key release.
            box->setCompleter(nullptr);
            box->addItems(Provinces::codes());
            box->lineEdit()->setMaxLength(f.maxLength);
            box->setFixedWidth(72);
            box->setMaxVisibleItems(14);
            control = box;
        } else {
            auto *edit = new QLineEdit(owner);
            edit->setMaxLength(f.maxLength);
            // Short codes and numbers do not need the full row.
            if (f.span == 1)
                edit->setMaximumWidth(150);
            control = edit;
        }
        control->setObjectName(QLatin1StringView(f.name));
        label->setBuddy(control);
        const int column = f.pair * 2;
        if (f.kind == Kind::LabelAbove) {
            grid->addWidget(label, f.row, 0, 1, 6);
            grid->addWidget(control, f.row + 1, 0, 1, 6);
        } else {
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(label, f.row, column);
            grid->addWidget(control, f.row, column + 1, 1, f.span);
        }
    }
}

} // namespace ReceiptForm
