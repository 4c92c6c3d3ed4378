#pragma once
#include <QString>

class QWidget;

// The picture banner across the top of the customer area's small dialogs:
// an icon, a title and one line of explanation on a blue gradient.
namespace DialogBanner {
QWidget *make(QWidget *parent, const QString &icon, const QString &title, const QString &text);
}
