#pragma once
#include <QList>
#include <QWidget>

// Creates the single instance of every area window, in their fixed order,
// and registers each under its class name.
namespace Startup {
// Every area's dialogs and help texts, by class name (done by createAreaWindows).
void registerModules();
QList<QWidget *> createAreaWindows();
void setUpApplication();  // fonts, translations, number and date formats
}
