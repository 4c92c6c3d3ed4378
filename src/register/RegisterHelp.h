#pragma once
#include <QString>

namespace RegisterHelp {
// The help text of the register window.
QString text();
}
