#include "receipts/ReceiptForm.h"
#include "ui/Looks.h"
#include "ui/FieldBehaviour.h"
#include "ui/FieldKind.h"
#include "ui/Icons.h"

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
    Looks::set(frame, Looks::Look::Card);
    auto *bar = new QWidget(frame);
    Looks::set(bar, Looks::Look::HeadingBar);
    bar->setFixedHeight(30);
    auto *titleText = new QLabel(title, bar);
    Looks::set(titleText, Looks::Look::HeadingText);
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(10, 0, 6, 0);
    barLayout->addWidget(titleText, 1);
    if (header)
        *header = barLayout;
    if (titleLabel)
        *titleLabel = titleText;
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(10, 4, 10, 8);
    layout->setSpacing(6);
    layout->addWidget(bar);
    return frame;
}

void addFields(QWidget *owner, QGridLayout *grid, std::span<const Field> fields)
{
    for (const Field &f : fields) {
        auto *label = new QLabel(QString::fromUtf16(f.label), owner);
        Looks::set(label, Looks::Look::Caption);
        const bool province = f.kind == Kind::Province;
        QWidget *control = FieldKinds::make(owner, QLatin1StringView(f.name),
                                            province ? FieldKind::province() : FieldKind::text(), f.maxLength);
        if (auto *box = qobject_cast<QComboBox *>(control)) {
            box->setFixedWidth(72);
            box->setMaxVisibleItems(14);
        } else if (f.span == 1) {
            // Short codes and numbers do not need the full row.
            control->setMaximumWidth(150);
        }
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
