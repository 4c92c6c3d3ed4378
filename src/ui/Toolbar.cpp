#include "ui/Toolbar.h"
#include "ui/FieldBehaviour.h"
#include "ui/Icons.h"
#include "ui/Looks.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace Toolbar {

QToolButton *button(QWidget *bar, const char *name, const char *icon, const QString &caption,
                    const QString &hint)
{
    QToolButton *b = Icons::hintedButton(bar, name, icon, 30, hint);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFocusPolicy(Qt::TabFocus);
    b->setProperty("bar", true);
    return b;
}

QLabel *add(QWidget *bar, QBoxLayout *row, const QList<Item> &items, const Look &look)
{
    Looks::set(bar, Looks::Look::Toolbar);
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
            Looks::set(position, Looks::Look::Position);
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
