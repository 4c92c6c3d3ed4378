#pragma once
#include <QString>
#include <QWidget>

class QLabel;

// Windows hand data to each other as control texts; these read and write
// the text of any control by name, whatever kind of control it is.
namespace Controls {
QWidget *child(const QWidget *window, const QString &name);
QString text(const QWidget *control);
void setText(QWidget *control, const QString &text);
QString text(const QWidget *window, const QString &name);  // trimmed? no: as shown
void setText(QWidget *window, const QString &name, const QString &text);

// The caller token of a dialog, kept in its hidden label lblMemory.
QString token(const QWidget *dialog);
void setToken(QWidget *dialog, const QString &token);
// Adds the hidden lblMemory label to a dialog.
void addMemoryLabel(QWidget *dialog, const QString &initial = {});
// A hidden label named `name`: state a window keeps where other windows
// read and write it by name.
QLabel *stateLabel(QWidget *parent, const char *name, const QString &text = {});
}
