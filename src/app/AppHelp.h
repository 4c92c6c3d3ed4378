#pragma once
#include <QString>

namespace AppHelp {
inline QString generalTitle() { return QStringLiteral("Guida a Valtrena."); }
QString general();
}
