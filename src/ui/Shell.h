#pragma once
#include <QString>
#include <functional>

// Hands a file, folder, web address or mailto text to the desktop.
// Nothing is reported when the target cannot be opened.
namespace Shell {
void open(const QString &command);
using Opener = std::function<void(const QString &)>;
void setOpener(Opener opener);  // tests record instead of launching
}
