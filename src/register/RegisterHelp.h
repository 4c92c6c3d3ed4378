#pragma once
#include <QString>

namespace RegisterHelp {
// The help text of the register window.
inline QString title() { return QStringLiteral("Applicazione Registro Operazioni."); }
QString text();
}
