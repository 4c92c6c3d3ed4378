#pragma once
#include "ui/WindowNames.h"

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

// Dialogs that one area opens for another are found by class name, so a
// window can open a dialog of another area without depending on its code.
namespace Dialogs {
using Factory = std::function<QDialog *(QWidget *parent)>;
void add(const QString &className, Factory factory);
bool has(const QString &className);

// Registers T under its own class name, so the name a caller opens and the
// class that answers cannot drift apart.
template <class T>
void registerDialog()
{
    add(WindowNames::of<T>(), [](QWidget *parent) -> QDialog * { return new T(parent); });
}

// Control texts written into the fresh dialog before it is shown:
// {"lblMemory", token}, {"txtCodFisc", text}, ...
using Texts = QList<QPair<QString, QString>>;

// Creates a fresh instance owned by `parent`, writes the texts, runs it
// modally and destroys it. Returns the dialog's result, or -1 when no
// dialog of that class exists in this build.
int open(const QString &className, QWidget *parent, const Texts &texts = {},
         const std::function<void(QDialog *)> &prepare = {});
// A title bar and nothing else: no close, minimise, maximise or help
// button; the dialog is left through its own buttons (or Esc).
void removeWindowButtons(QDialog *dialog);

inline int openWithToken(const QString &className, QWidget *parent, const QString &token)
{
    return open(className, parent, {{QStringLiteral("lblMemory"), token}});
}
}
