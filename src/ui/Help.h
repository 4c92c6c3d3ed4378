#pragma once
#include "ui/Guide.h"

#include <QString>

// The program's help texts in one table keyed by window class: the guide
// window shows a window's entry when its help button is pressed, and the
// guide book takes its chapters from the same entries. Each area adds its
// own when its dialogs are registered.
namespace Help {
void add(const QString &windowClass, const HelpTopic &topic);
// The entry of that window class; empty when none was added.
HelpTopic of(const QString &windowClass);
// Opens the guide window with the entry of `window`'s own class.
void open(QWidget *window);
// F1 presses the window's guide button (cmdGuida or imgGuida), unless the
// window already has F1 of its own; a window without the button has no F1.
void bindKey(QWidget *window);
}
