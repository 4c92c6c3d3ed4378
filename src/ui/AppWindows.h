#pragma once
#include "ui/WindowNames.h"

#include <QString>
#include <QWidget>

// The single instances of the area windows, found by class name. Dialogs
// deliver their results into the window a caller token names through here.
namespace AppWindows {
void add(QWidget *window);  // registered under its objectName
QWidget *get(const QString &className);
template <class T>
T *find() { return qobject_cast<T *>(get(WindowNames::of<T>())); }
// Shows an area window the way it wants to be shown (maximised or not).
void show(const QString &className);
void clear();  // forgets every window (tests)
inline QString mainMenu() { return WindowNames::avvio; }
}
