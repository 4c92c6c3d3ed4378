#include "ui/Dialogs.h"
#include "ui/Controls.h"
#include "ui/Modal.h"

#include <QHash>
#include <memory>

namespace {
QHash<QString, Dialogs::Factory> &factories()
{
    static QHash<QString, Dialogs::Factory> table;
    return table;
}
}

namespace Dialogs {

void add(const QString &className, Factory factory) { factories().insert(className, std::move(factory)); }

bool has(const QString &className) { return factories().contains(className); }

void removeWindowButtons(QDialog *dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | (dialog->windowFlags() & Qt::MSWindowsFixedSizeDialogHint));
}

int open(const QString &className, QWidget *parent, const Texts &texts,
         const std::function<void(QDialog *)> &prepare)
{
    const Factory factory = factories().value(className);
    if (!factory)
        return -1;
    std::unique_ptr<QDialog> dialog(factory(parent));
    for (const auto &[control, text] : texts)
        Controls::setText(dialog.get(), control, text);
    if (prepare)
        prepare(dialog.get());
    return Modal::exec(dialog.get());
}

} // namespace Dialogs
